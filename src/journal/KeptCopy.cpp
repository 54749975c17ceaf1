// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/KeptCopy.h"

#include "platform/HostFiles.h"
#include "platform/InOutError.h"

#include <cstdlib>

namespace flightdeck {

namespace {

// The size a digest ("size:hash", hexadecimal) records; none when it records none.
std::optional<std::uint64_t> DigestSize(const std::string& digest) {
  const std::size_t colon = digest.find(':');
  if (colon == 0 || colon == std::string::npos || colon > 16)
    return std::nullopt;
  char* end = nullptr;
  const unsigned long long size = std::strtoull(digest.c_str(), &end, 16);
  return end == digest.c_str() + colon ? std::optional<std::uint64_t>(size) : std::nullopt;
}

} // namespace

std::optional<TMessage> StageKeptCopy(TFileTransaction& files, const THostPath& keptPath,
                                      const std::string& digest, const THostPath& target) {
  const std::optional<std::uint64_t> size = DigestSize(digest);
  if (!size)
    return TMessage::Own(TRANSLATABLE("Message", "its kept copy carries no digest to check it by"));
  try {
    const THostFile kept = THostFile::OpenRegular(keptPath, false);
    const TMessage wrongSize =
        TMessage::Own(TRANSLATABLE("Message", "its kept copy is not of the size recorded"));
    if (kept.Size() != *size)
      return wrongSize;
    TReplacementFile file(target);
    char buffer[1 << 16];
    std::uint64_t copied = 0;
    while (const std::size_t count = kept.Read(buffer, sizeof buffer, keptPath)) {
      copied += count;
      if (copied > *size)
        return wrongSize;
      file.Write(std::string_view(buffer, count));
    }
    file.Finish();
    if (file.Digest() != digest)
      return TMessage::Own(TRANSLATABLE("Message", "its kept copy is not what was kept"));
    files.StageWritten(target, std::move(file));
    return std::nullopt;
  } catch (const EInOutError& error) {
    if (error.Path() == keptPath.Native())
      return TMessage(TRANSLATABLE("Message", "its kept copy cannot be read: %1"),
                      {EInOutError::ReasonFor(error.ErrorCode())});
    throw; // the game's folder, which the caller tells about
  }
}

} // namespace flightdeck
