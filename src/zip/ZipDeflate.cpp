// SPDX-License-Identifier: GPL-3.0-or-later
// Deflating the files of an archive in parallel, ahead of libzip.

#include "zip/ZipDeflate.h"

#include "platform/HostFiles.h"
#include "platform/InOutError.h"

#include <libdeflate.h>

#include <algorithm>
#include <cstring>

namespace flightdeck {

namespace {

// How many files the workers deflate ahead of the one libzip writes, for each worker.
constexpr std::size_t AheadPerWorker = 4;

TParallelDeflater::TDeflated Deflate(const std::string& hostPath,
                                     libdeflate_compressor* compressor) {
  TParallelDeflater::TDeflated deflated;
  std::string bytes;
  try {
    bytes = ReadHostFile(hostPath);
  } catch (const EInOutError& error) {
    deflated.Error = error.what();
    return deflated;
  }
  deflated.Size = bytes.size();
  deflated.Crc = libdeflate_crc32(0, bytes.data(), bytes.size());
  // Deflated into the bound's room, then kept at its own size: only that is held until
  // libzip writes it.
  std::string room(libdeflate_deflate_compress_bound(compressor, bytes.size()), '\0');
  room.resize(libdeflate_deflate_compress(compressor, bytes.data(), bytes.size(), room.data(),
                                          room.size()));
  deflated.Data.assign(room.data(), room.size());
  deflated.CompressedSize = deflated.Data.size();
  return deflated;
}

} // namespace

// What libzip reads through one source: the deflated file, from `At` on. libzip asks for its
// statistics before and after reading it once; the data goes as soon as it is read.
struct TParallelDeflater::TEntrySource {
  TParallelDeflater* Owner;
  std::size_t Index;
  std::optional<TDeflated> Deflated;
  std::size_t At = 0;
  zip_error_t Error{};
};

TParallelDeflater::TParallelDeflater(std::vector<std::string> hostPaths, int level)
    : FPaths(std::move(hostPaths)), FLevel(std::clamp(level, 0, 9)), FResults(FPaths.size()) {
  const std::size_t workers =
      std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), FPaths.size());
  FLimit = workers * AheadPerWorker;
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
    FChanged.wait(lock, [&] { return FStopping || (FNext < FPaths.size() && FNext < FLimit); });
    if (FStopping)
      return;
    const std::size_t index = FNext++;
    lock.unlock();
    TDeflated deflated;
    if (compressor)
      deflated = Deflate(FPaths[index], compressor.get());
    else
      deflated.Error = "there is no memory to deflate it"; // libzip then fails the write
    lock.lock();
    FResults[index] = std::move(deflated);
    FChanged.notify_all();
  }
}

TParallelDeflater::TDeflated TParallelDeflater::Take(std::size_t index) {
  std::unique_lock lock(FMutex);
  FLimit = std::max(FLimit, index + 1 + FWorkers.size() * AheadPerWorker);
  FChanged.notify_all();
  FChanged.wait(lock, [&] { return FResults[index].has_value(); });
  TDeflated deflated = std::move(*FResults[index]);
  FResults[index].reset();
  return deflated;
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
    if (!source.Deflated)
      source.Deflated = source.Owner->Take(source.Index);
    if (!source.Deflated->Error.empty()) {
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
    stat->size = source.Deflated->Size;
    stat->comp_size = source.Deflated->CompressedSize;
    stat->comp_method = ZIP_CM_DEFLATE;
    stat->crc = source.Deflated->Crc;
    return sizeof(zip_stat_t);
  }
  case ZIP_SOURCE_READ: {
    const std::string& bytes = source.Deflated->Data;
    const std::size_t count = std::min<std::size_t>(length, bytes.size() - source.At);
    std::memcpy(data, bytes.data() + source.At, count);
    source.At += count;
    return static_cast<zip_int64_t>(count);
  }
  case ZIP_SOURCE_CLOSE:
    std::string().swap(source.Deflated->Data); // written: its memory goes back now
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
