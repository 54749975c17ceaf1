// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HostFiles.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace flightdeck {

// A fingerprint of a file's bytes, to tell whether a file is still what a command left: its
// size and a 64-bit hash, taken eight bytes at a time in four lanes. Not a cryptographic hash.
class TContentDigest {
public:
  void Add(std::string_view bytes);
  std::string Text() const;                    // "size:hash" in hexadecimal
  std::uint64_t Size() const { return FSize; } // of the bytes added

private:
  static constexpr std::size_t BlockSize = 32; // four words, hashed side by side
  void AddBlocks(const char* blocks, std::size_t count);

  std::uint64_t FLanes[4] = {0x9e3779b97f4a7c15ULL, 0xc2b2ae3d27d4eb4fULL, 0x165667b19e3779f9ULL,
                             0x27d4eb2f165667c5ULL};
  std::uint64_t FSize = 0;
  char FPending[BlockSize] = {}; // the bytes of an unfinished block
  std::size_t FPendingCount = 0;
};

// The digest of the file at the host path `hostPath`, or "-" when there is no such file.
std::string HostFileDigest(const THostPath& hostPath);

// Tells HostFileDigest the digest of the file at `hostPath` as it is now, taken by whoever just
// read it whole, so that it is not read again while the file keeps its inode, size and times.
void RememberHostFileDigest(const THostPath& hostPath, const TContentDigest& digest);
// The same for a file just moved to `hostPath` by whoever wrote it, whose state was `moved`
// before the move: remembered while it is still that file, of that size and time of change.
void RememberMovedHostFileDigest(const THostPath& hostPath, const THostFileState& moved,
                                 const TContentDigest& digest);
// Whether HostFileDigest answers `digest` for a file in `state` without reading it.
bool IsDigestRemembered(const THostFileState& state, const std::string& digest);
// Tells HostFileDigest that the file in `state` holds `digest`, as a record of it says: taken
// while the file is still in that state, and never once it was replaced, written or touched.
void RememberStateDigest(const THostFileState& state, std::string digest);

} // namespace flightdeck
