// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HostPath.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace flightdeck {

// Inflates the entries of an archive ahead of their extraction, on every core, each entry whole
// with libdeflate, its size and CRC-32 checked against what the central directory declares.
// Only a few entries, and a few megabytes, are kept ahead of the one being extracted.
class TParallelInflater {
public:
  struct TEntry {
    bool Inflated = false; // false: left to libzip (encrypted, another method, a folder)
    bool Deflated = false; // else stored as it is
    std::uint64_t LocalHeader = 0;
    std::uint64_t CompressedSize = 0;
    std::uint64_t Size = 0;
    std::uint32_t Crc = 0;
  };
  struct TInflated {
    std::string Data;
    std::string Error; // why the entry cannot be extracted; then there is no data
  };

  TParallelInflater(THostPath hostPath, std::vector<TEntry> entries);
  ~TParallelInflater();
  TParallelInflater(const TParallelInflater&) = delete;
  TParallelInflater& operator=(const TParallelInflater&) = delete;

  // The bytes of entry `index`, once inflated; nothing for an entry left to libzip. Entries are
  // taken in order, and those passed over are dropped.
  std::optional<TInflated> Take(std::size_t index);

private:
  void Work();

  THostPath FHostPath;
  std::vector<TEntry> FEntries;
  std::mutex FMutex;
  std::condition_variable FChanged;
  std::vector<std::optional<TInflated>> FResults;
  std::size_t FNext = 0;       // the next entry a worker takes
  std::size_t FTaken = 0;      // entries below it are taken or passed over
  std::uint64_t FInFlight = 0; // bytes of entries being inflated or waiting to be taken
  bool FStopping = false;
  std::vector<std::thread> FWorkers;
};

} // namespace flightdeck
