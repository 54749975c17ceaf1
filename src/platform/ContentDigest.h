// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HostFiles.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

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

// The digest of the file at the host path `hostPath`, read whole: "-" when there is no such
// file, "?" for something else than a file.
std::string HostFileDigest(const THostPath& hostPath);

// The digests of files known without reading them, each for the file in the state it was in
// when its digest was taken: a file replaced, written or touched since is read again. Kept by
// the history of a game for one command, which checks, keeps and puts back the same files.
class TDigestMemo {
public:
  // HostFileDigest, unless the file is still in a state whose digest is known.
  std::string Digest(const THostPath& hostPath);
  // The same, of a file whose state was just taken as `state`.
  std::string Digest(const THostPath& hostPath, const std::optional<THostFileState>& state);
  // The file in `state` holds `digest`: told by whoever read or wrote it whole, or a record
  // taken while it was in that state.
  void Remember(const THostFileState& state, std::string digest);

private:
  struct TRemembered {
    THostFileState State;
    std::string Digest;
  };
  // By the file itself: a file reached by another path, or through a link, is the same file.
  std::map<std::pair<std::uint64_t, std::uint64_t>, TRemembered> FKnown;
};

} // namespace flightdeck
