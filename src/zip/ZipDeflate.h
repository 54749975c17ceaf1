// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <zip.h>

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace flightdeck {

// Deflates the files of an archive ahead of libzip, on every core, in the order they are
// stored, and hands each to libzip as a source of data already deflated, which libzip writes
// as it is. Only a few entries are kept ahead of the one being written.
class TParallelDeflater {
public:
  // `hostPaths`: the files, in the order their sources will be asked for; `level`: 0 to 9.
  TParallelDeflater(std::vector<std::string> hostPaths, int level);
  ~TParallelDeflater();
  TParallelDeflater(const TParallelDeflater&) = delete;
  TParallelDeflater& operator=(const TParallelDeflater&) = delete;

  // The source of file `index` for `archive`, to be added with the deflate method; libzip
  // owns it. A file that cannot be read makes libzip's write fail with the reason.
  zip_source_t* Source(zip_t* archive, std::size_t index);

  struct TDeflated {
    std::string Data; // raw deflate
    std::uint64_t CompressedSize = 0;
    std::uint64_t Size = 0;
    std::uint32_t Crc = 0;
    std::string Error; // why the file could not be read; then nothing else is set
  };

private:
  struct TEntrySource;
  static zip_int64_t Callback(void* state, void* data, zip_uint64_t length,
                              zip_source_cmd_t command);
  void Work();
  // Waits until file `index` is deflated and takes it; lets the workers run ahead of it.
  TDeflated Take(std::size_t index);

  std::vector<std::string> FPaths;
  int FLevel;
  std::mutex FMutex;
  std::condition_variable FChanged;
  std::vector<std::optional<TDeflated>> FResults;
  std::size_t FNext = 0;  // the next file a worker takes
  std::size_t FLimit = 0; // workers take files below it
  bool FStopping = false;
  std::vector<std::thread> FWorkers;
};

} // namespace flightdeck
