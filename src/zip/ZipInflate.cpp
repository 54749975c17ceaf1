// SPDX-License-Identifier: GPL-3.0-or-later
// Inflating the entries of an archive in parallel, ahead of their extraction.

#include "zip/ZipInflate.h"

#include "platform/HostFiles.h"
#include "platform/InOutError.h"

#include <libdeflate.h>

#include <algorithm>
#include <memory>

namespace flightdeck {

namespace {

// How many entries the workers inflate ahead of the one extracted, for each worker, and how
// many bytes at most; an entry larger than that is inflated alone.
constexpr std::size_t AheadPerWorker = 4;
constexpr std::uint64_t MostInFlight = 32u << 20;

constexpr std::size_t LocalHeaderSize = 30;

using TDecompressor = std::unique_ptr<libdeflate_decompressor, void (*)(libdeflate_decompressor*)>;

// `size` bytes of the file from `offset` on; fewer where it ends.
std::string ReadSpan(const THostFile& file, const THostPath& hostPath, std::uint64_t offset,
                     std::uint64_t size) {
  std::string bytes(static_cast<std::size_t>(size), '\0');
  std::size_t filled = 0;
  while (filled < bytes.size())
    if (const std::size_t count =
            file.ReadAt(bytes.data() + filled, bytes.size() - filled, offset + filled, hostPath))
      filled += count;
    else
      break;
  bytes.resize(filled);
  return bytes;
}

std::uint32_t Little16(const std::string& bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

TParallelInflater::TInflated Inflate(const TParallelInflater::TEntry& entry, const THostFile& file,
                                     const THostPath& hostPath,
                                     libdeflate_decompressor* decompressor) {
  TParallelInflater::TInflated inflated;
  const std::string header = ReadSpan(file, hostPath, entry.LocalHeader, LocalHeaderSize);
  if (header.size() != LocalHeaderSize || header.compare(0, 4, "PK\x03\x04") != 0) {
    inflated.Error = "is damaged";
    return inflated;
  }
  const std::string data =
      ReadSpan(file, hostPath,
               entry.LocalHeader + LocalHeaderSize + Little16(header, 26) + Little16(header, 28),
               entry.CompressedSize);
  if (data.size() != entry.CompressedSize) {
    inflated.Error = "is damaged";
    return inflated;
  }
  if (!entry.Deflated) {
    inflated.Data = data;
  } else {
    inflated.Data.resize(static_cast<std::size_t>(entry.Size));
    // Exactly the size declared, or the entry lies about it.
    const libdeflate_result result =
        decompressor
            ? libdeflate_deflate_decompress(decompressor, data.data(), data.size(),
                                            inflated.Data.data(), inflated.Data.size(), nullptr)
            : LIBDEFLATE_BAD_DATA;
    if (result != LIBDEFLATE_SUCCESS) {
      inflated.Data = {};
      inflated.Error =
          result == LIBDEFLATE_BAD_DATA ? "is damaged" : "is damaged: its size is wrong";
      return inflated;
    }
  }
  if (inflated.Data.size() != entry.Size)
    inflated.Error = "is damaged: its size is wrong";
  else if (libdeflate_crc32(0, inflated.Data.data(), inflated.Data.size()) != entry.Crc)
    inflated.Error = "is damaged: CRC error";
  if (!inflated.Error.empty())
    inflated.Data = {};
  return inflated;
}

} // namespace

TParallelInflater::TParallelInflater(THostPath hostPath, std::vector<TEntry> entries)
    : FHostPath(std::move(hostPath)), FEntries(std::move(entries)), FResults(FEntries.size()) {
  const std::size_t wanted = std::min<std::size_t>(
      std::max(1u, std::thread::hardware_concurrency()),
      static_cast<std::size_t>(std::count_if(FEntries.begin(), FEntries.end(),
                                             [](const TEntry& entry) { return entry.Inflated; })));
  try {
    for (std::size_t i = 0; i < wanted; ++i)
      FWorkers.emplace_back([this] { Work(); });
  } catch (const std::system_error&) {
    // Fewer workers, or none: then each entry is inflated when it is taken.
  }
}

TParallelInflater::~TParallelInflater() {
  {
    const std::lock_guard lock(FMutex);
    FStopping = true;
  }
  FChanged.notify_all();
  for (std::thread& worker : FWorkers)
    worker.join();
}

void TParallelInflater::Work() {
  const TDecompressor decompressor(libdeflate_alloc_decompressor(), libdeflate_free_decompressor);
  std::optional<THostFile> file;
  std::string openError;
  std::unique_lock lock(FMutex);
  for (;;) {
    FChanged.wait(lock, [&] {
      return FStopping ||
             (FNext < FEntries.size() && FNext < FTaken + FWorkers.size() * AheadPerWorker &&
              (FInFlight == 0 || FInFlight + FEntries[FNext].Size <= MostInFlight));
    });
    if (FStopping)
      return;
    const std::size_t index = FNext++;
    const TEntry& entry = FEntries[index];
    if (!entry.Inflated)
      continue;
    FInFlight += entry.Size;
    lock.unlock();
    TInflated inflated;
    try {
      if (!file)
        file = THostFile::OpenRegular(FHostPath);
      inflated = Inflate(entry, *file, FHostPath, decompressor.get());
    } catch (const EInOutError& error) {
      inflated.Error = std::string("cannot be read: ") + error.what();
    }
    lock.lock();
    if (index < FTaken)
      FInFlight -= entry.Size; // passed over meanwhile
    else
      FResults[index] = std::move(inflated);
    FChanged.notify_all();
  }
}

std::optional<TParallelInflater::TInflated> TParallelInflater::Take(std::size_t index) {
  const TEntry& entry = FEntries[index];
  if (FWorkers.empty()) {
    if (!entry.Inflated)
      return std::nullopt;
    const TDecompressor decompressor(libdeflate_alloc_decompressor(), libdeflate_free_decompressor);
    return Inflate(entry, THostFile::OpenRegular(FHostPath), FHostPath, decompressor.get());
  }
  std::unique_lock lock(FMutex);
  for (std::size_t passed = FTaken; passed < index; ++passed)
    if (FResults[passed]) {
      FInFlight -= FEntries[passed].Size;
      FResults[passed].reset();
    }
  FTaken = std::max(FTaken, index);
  std::optional<TInflated> inflated;
  if (entry.Inflated) {
    FChanged.notify_all();
    FChanged.wait(lock, [&] { return FResults[index].has_value(); });
    inflated = std::move(FResults[index]);
    FResults[index].reset();
    FInFlight -= entry.Size;
  }
  FTaken = std::max(FTaken, index + 1);
  FChanged.notify_all();
  return inflated;
}

} // namespace flightdeck
