// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HostFiles.h"

#include "platform/InOutError.h"
#include "platform/Limits.h"

#include <cstdint>
#include <utility>

namespace flightdeck {

void RaiseTemporaryFolderError(const THostPath& base) {
  const int error = LastHostError();
  throw EInOutError(error, base.Native(),
                    {TRANSLATABLE("Message", "No temporary folder can be made in \"%1\": %2."),
                     {base.Native(), EInOutError::ReasonFor(error)}});
}

THostFile::~THostFile() {
  Close();
}

THostFile::THostFile(THostFile&& other) noexcept
    : FHandle(std::exchange(other.FHandle, Closed)), FSize(other.FSize) {}

THostFile& THostFile::operator=(THostFile&& other) noexcept {
  if (this != &other) {
    Close();
    FHandle = std::exchange(other.FHandle, Closed);
    FSize = other.FSize;
  }
  return *this;
}

namespace {

// A file of `hostPath` larger than `limit` is refused before a byte of it is read.
void CheckSize(const THostFile& file, const THostPath& hostPath, std::uint64_t limit) {
  if (file.Size() > limit)
    throw EInOutError(TooLargeError(), hostPath.Native(),
                      "File too large: \"" + hostPath.Native() + "\" holds more than " +
                          SizeInWords(limit) + ", the most this program reads of it");
}

} // namespace

void ReadHostPieces(const THostPath& hostPath, const std::function<void(std::string_view)>& consume,
                    std::uint64_t limit) {
  const THostFile file = THostFile::OpenRegular(hostPath);
  CheckSize(file, hostPath, limit);
  char buffer[1 << 16];
  while (const std::size_t count = file.Read(buffer, sizeof buffer, hostPath))
    consume(std::string_view(buffer, count));
}

std::string ReadHostFile(const THostPath& hostPath) {
  return ReadHostFile(hostPath, UINT64_MAX);
}

std::string ReadHostFile(const THostPath& hostPath, std::uint64_t limit) {
  const THostFile file = THostFile::OpenRegular(hostPath);
  CheckSize(file, hostPath, limit);
  // Sized by the file: one allocation and, mostly, one read; a byte more to see its end.
  std::string bytes(static_cast<std::size_t>(file.Size()) + 1, '\0');
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size())
      bytes.resize(2 * bytes.size()); // it grew meanwhile
    const std::size_t count = file.Read(bytes.data() + filled, bytes.size() - filled, hostPath);
    if (count == 0)
      break;
    filled += count;
  }
  bytes.resize(filled);
  return bytes;
}

} // namespace flightdeck
