// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <zip.h>

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace flightdeck {

// Prepares the files of an archive on every core, in the order they are stored: each is read,
// its checksum taken and, unless it is to be stored as it is, deflated. The files being read,
// deflated, waiting or written take at most, for each worker, as much as the largest of them
// (and 256 KiB in all whatever their sizes), when they are taken in order; a file takes twice
// its size while it is read and deflated, then its deflated size.
class TParallelDeflater {
public:
  struct TFile {
    std::string_view Path; // the caller's, kept until the deflater goes
    bool Stored = false;   // kept as it is, not deflated
  };
  // `files`: in the order they will be taken; `level`: 0 to 9.
  TParallelDeflater(std::vector<TFile> files, int level);
  ~TParallelDeflater();
  TParallelDeflater(const TParallelDeflater&) = delete;
  TParallelDeflater& operator=(const TParallelDeflater&) = delete;

  struct TPrepared {
    std::string Bytes; // the file's, kept when it is stored as it is
    // Raw deflate, in memory of its own size.
    std::unique_ptr<char, decltype(&std::free)> Compressed{nullptr, &std::free};
    std::uint64_t CompressedSize = 0;
    std::uint64_t Size = 0;
    std::uint32_t Crc = 0;
    std::string Error; // why the file could not be read; then nothing else is set

    bool Deflated() const { return Compressed != nullptr; }
    // Gives back the data's memory; what is known of it stays.
    void LetGo() {
      std::string().swap(Bytes);
      Compressed.reset();
    }
    // The entry's data as stored.
    std::string_view Data() const {
      return Deflated() ? std::string_view(Compressed.get(), CompressedSize) : Bytes;
    }
  };

  // Waits until file `index` is prepared and hands it over. The file taken before it must have
  // been let go first: that is what lets the next one start.
  TPrepared Take(std::size_t index);

  // The source of file `index` for `archive`, to be added with the deflate method; libzip
  // owns it. A file that cannot be read makes libzip's write fail with the reason.
  zip_source_t* Source(zip_t* archive, std::size_t index);

private:
  struct TEntrySource;
  static zip_int64_t Callback(void* state, void* data, zip_uint64_t length,
                              zip_source_cmd_t command);
  void Work();
  // Whether a file taking `taking` bytes fits beside those held.
  bool Fits(std::uint64_t taking) const;

  std::vector<TFile> FFiles;
  int FLevel;
  std::mutex FMutex;
  std::condition_variable FChanged;
  std::map<std::size_t, TPrepared> FPrepared;    // done and not yet taken
  std::size_t FNext = 0;                         // the next file a worker takes
  std::size_t FStarted = 0;                      // the next file to start
  std::map<std::size_t, std::uint64_t> FHolding; // bytes each file started and not let go takes
  std::optional<std::size_t> FHandedOut;         // the file taken last
  std::size_t FWanted = 0; // files below it start whatever they take: they are taken
  bool FStopping = false;
  std::vector<std::thread> FWorkers;
};

} // namespace flightdeck
