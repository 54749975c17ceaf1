// SPDX-License-Identifier: GPL-3.0-or-later
// Deflating the files of an archive in parallel, ahead of libzip.

#include "zip/ZipDeflate.h"

#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"

#include <libdeflate.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace flightdeck {

namespace {

// What the files in flight may always take: files of a few kilobytes would otherwise go one at a
// time, each waiting on the one before.
constexpr std::uint64_t LeastInFlight = 256 << 10;

TParallelDeflater::TPrepared Prepare(const TParallelDeflater::TFile& file,
                                     libdeflate_compressor* compressor) {
  TParallelDeflater::TPrepared prepared;
  try {
    prepared.Bytes = ReadHostFile(HostPath(file.Path));
  } catch (const EInOutError& error) {
    prepared.Error = error.what();
    return prepared;
  }
  prepared.Size = prepared.Bytes.size();
  prepared.Crc = libdeflate_crc32(0, prepared.Bytes.data(), prepared.Bytes.size());
  if (file.Stored) {
    prepared.CompressedSize = prepared.Size;
    return prepared;
  }
  const std::size_t room =
      compressor ? libdeflate_deflate_compress_bound(compressor, prepared.Bytes.size()) : 0;
  prepared.Compressed.reset(compressor ? static_cast<char*>(std::malloc(room)) : nullptr);
  if (!prepared.Compressed) {
    prepared.Error = "there is no memory to deflate it";
    return prepared;
  }
  prepared.CompressedSize = libdeflate_deflate_compress(
      compressor, prepared.Bytes.data(), prepared.Bytes.size(), prepared.Compressed.get(), room);
  std::string().swap(prepared.Bytes);
  // Until it is written it keeps only its own size: the rest of the room goes back now.
  if (auto* fitted = static_cast<char*>(std::realloc(
          prepared.Compressed.get(), std::max<std::uint64_t>(prepared.CompressedSize, 1)))) {
    (void)prepared.Compressed.release();
    prepared.Compressed.reset(fitted);
  }
  return prepared;
}

} // namespace

// What libzip reads through one source: the prepared file, from `At` on. libzip asks for its
// statistics before and after reading it once; the data goes as soon as it is read.
struct TParallelDeflater::TEntrySource {
  TParallelDeflater* Owner;
  std::size_t Index;
  std::optional<TPrepared> Prepared;
  std::size_t At = 0;
  zip_error_t Error{};
};

TParallelDeflater::TParallelDeflater(std::vector<TFile> files, int level)
    : FFiles(std::move(files)), FLevel(std::clamp(level, 0, 9)) {
  const std::size_t workers =
      std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), FFiles.size());
  for (std::size_t i = 0; i < workers; ++i)
    FWorkers.emplace_back([this] { Work(); });
}

TParallelDeflater::~TParallelDeflater() {
  {
    const std::lock_guard lock(FMutex);
    FStopping = true;
  }
  FChanged.notify_all();
  for (std::thread& worker : FWorkers)
    worker.join();
}

void TParallelDeflater::Work() {
  const std::unique_ptr<libdeflate_compressor, void (*)(libdeflate_compressor*)> compressor(
      libdeflate_alloc_compressor(FLevel), libdeflate_free_compressor);
  std::unique_lock lock(FMutex);
  for (;;) {
    FChanged.wait(lock, [&] { return FStopping || FNext < FFiles.size(); });
    if (FStopping)
      return;
    const std::size_t index = FNext++;
    lock.unlock();
    const std::optional<THostFileState> state = HostFileState(HostPath(FFiles[index].Path));
    // While it is read and deflated, a file takes its size twice over: read, and deflated.
    const std::uint64_t taking = 2 * (state ? state->Size : 0);
    lock.lock();
    // Files start in their order, each once it fits, or at once when a file taken waits for it.
    FChanged.wait(lock, [&] {
      return FStopping || (FStarted == index && (index < FWanted || Fits(taking)));
    });
    if (FStopping)
      return;
    ++FStarted;
    FHolding[index] = taking;
    FChanged.notify_all();
    lock.unlock();
    TPrepared prepared = Prepare(FFiles[index], compressor.get());
    lock.lock();
    FHolding[index] = prepared.Data().size();
    FPrepared.emplace(index, std::move(prepared));
    FChanged.notify_all();
  }
}

TParallelDeflater::TPrepared TParallelDeflater::Take(std::size_t index) {
  std::unique_lock lock(FMutex);
  if (FHandedOut)
    FHolding.erase(*FHandedOut); // the file taken before was let go
  FWanted = std::max(FWanted, index + 1);
  FChanged.notify_all();
  FChanged.wait(lock, [&] { return FPrepared.contains(index); });
  const auto found = FPrepared.find(index);
  TPrepared prepared = std::move(found->second);
  FPrepared.erase(found);
  FHandedOut = index;
  return prepared;
}

bool TParallelDeflater::Fits(std::uint64_t taking) const {
  std::uint64_t held = taking, largest = taking;
  for (const auto& [index, bytes] : FHolding) {
    held += bytes;
    largest = std::max(largest, bytes);
  }
  return held <= std::max(largest * FWorkers.size(), LeastInFlight);
}

zip_source_t* TParallelDeflater::Source(zip_t* archive, std::size_t index) {
  auto* state = new TEntrySource{this, index, std::nullopt, 0, {}};
  zip_error_init(&state->Error);
  zip_source_t* source = zip_source_function(archive, Callback, state);
  if (!source) {
    zip_error_fini(&state->Error);
    delete state;
  }
  return source;
}

zip_int64_t TParallelDeflater::Callback(void* state, void* data, zip_uint64_t length,
                                        zip_source_cmd_t command) {
  auto& source = *static_cast<TEntrySource*>(state);
  switch (command) {
  case ZIP_SOURCE_OPEN:
  case ZIP_SOURCE_STAT: {
    if (!source.Prepared)
      source.Prepared = source.Owner->Take(source.Index);
    if (!source.Prepared->Error.empty()) {
      zip_error_set(&source.Error, ZIP_ER_READ, EIO);
      return -1;
    }
    if (command == ZIP_SOURCE_OPEN) {
      source.At = 0;
      return 0;
    }
    auto* stat = static_cast<zip_stat_t*>(data);
    zip_stat_init(stat);
    stat->valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC;
    stat->size = source.Prepared->Size;
    stat->comp_size = source.Prepared->CompressedSize;
    stat->comp_method = ZIP_CM_DEFLATE;
    stat->crc = source.Prepared->Crc;
    return sizeof(zip_stat_t);
  }
  case ZIP_SOURCE_READ: {
    const std::string_view bytes = source.Prepared->Data();
    const std::size_t count = std::min<std::size_t>(length, bytes.size() - source.At);
    std::memcpy(data, bytes.data() + source.At, count);
    source.At += count;
    return static_cast<zip_int64_t>(count);
  }
  case ZIP_SOURCE_CLOSE:
    source.Prepared->LetGo(); // written: its memory goes back now, and the next file may start
    return 0;
  case ZIP_SOURCE_ERROR:
    return zip_error_to_data(&source.Error, data, length);
  case ZIP_SOURCE_FREE:
    zip_error_fini(&source.Error);
    delete &source;
    return 0;
  case ZIP_SOURCE_SUPPORTS:
    return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                          ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
  default:
    zip_error_set(&source.Error, ZIP_ER_INVAL, 0);
    return -1;
  }
}

} // namespace flightdeck
