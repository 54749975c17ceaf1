// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ContentDigest.h"

#include "platform/HostFiles.h"
#include "platform/InOutError.h"
#include "platform/Limits.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>

namespace flightdeck {

namespace {

constexpr std::uint64_t Multiplier = 0xff51afd7ed558ccdULL;

std::uint64_t Mixed(std::uint64_t hash, std::uint64_t word) {
  hash = (hash ^ word) * Multiplier;
  return hash ^ (hash >> 32);
}

} // namespace

void TContentDigest::AddBlocks(const char* blocks, std::size_t count) {
  // Words in the machine's own byte order: a digest is only compared on the machine that took
  // it. The lanes stay in registers over the whole run of blocks, as four variables: as an
  // array, the compiler made them vectors, with a slow 64-bit multiply and each lane through
  // memory, at less than half the speed.
  std::uint64_t first = FLanes[0], second = FLanes[1], third = FLanes[2], fourth = FLanes[3];
  for (const char* end = blocks + count * BlockSize; blocks != end; blocks += BlockSize) {
    std::uint64_t words[4];
    std::memcpy(words, blocks, sizeof words);
    first = Mixed(first, words[0]);
    second = Mixed(second, words[1]);
    third = Mixed(third, words[2]);
    fourth = Mixed(fourth, words[3]);
  }
  FLanes[0] = first;
  FLanes[1] = second;
  FLanes[2] = third;
  FLanes[3] = fourth;
}

void TContentDigest::Add(std::string_view bytes) {
  FSize += bytes.size();
  if (FPendingCount > 0) {
    const std::size_t taken = std::min(bytes.size(), BlockSize - FPendingCount);
    std::memcpy(FPending + FPendingCount, bytes.data(), taken);
    FPendingCount += taken;
    bytes.remove_prefix(taken);
    if (FPendingCount < BlockSize)
      return;
    AddBlocks(FPending, 1);
    FPendingCount = 0;
  }
  const std::size_t blocks = bytes.size() / BlockSize;
  AddBlocks(bytes.data(), blocks);
  bytes.remove_prefix(blocks * BlockSize);
  std::memcpy(FPending, bytes.data(), bytes.size());
  FPendingCount = bytes.size();
}

std::string TContentDigest::Text() const {
  TContentDigest last = *this;
  std::memset(last.FPending + FPendingCount, 0, BlockSize - FPendingCount);
  last.AddBlocks(last.FPending, 1);
  std::uint64_t hash = FSize;
  for (const std::uint64_t lane : last.FLanes)
    hash = Mixed(hash, lane);
  char text[48];
  std::snprintf(text, sizeof text, "%llx:%016llx", static_cast<unsigned long long>(FSize),
                static_cast<unsigned long long>(hash));
  return text;
}

namespace {

struct TRememberedDigest {
  THostFileState State; // replaced, written or touched, it is another file
  std::string Text;
};
// By the file itself: a file reached by another path, or through a link, is the same file. One
// memory for every thread: a list read beside the window is checked from the window's thread.
std::map<std::pair<std::uint64_t, std::uint64_t>, TRememberedDigest> RememberedDigests;
std::mutex RememberedDigestsGuard;

// What is remembered of the file in `state`; null when it is not that file as remembered.
const std::string* RememberedDigest(const THostFileState& state) {
  const auto found = RememberedDigests.find({state.Volume, state.Index});
  return found != RememberedDigests.end() && found->second.State == state ? &found->second.Text
                                                                          : nullptr;
}

} // namespace

void RememberStateDigest(const THostFileState& state, std::string digest) {
  const std::lock_guard<std::mutex> guard(RememberedDigestsGuard);
  if (RememberedDigests.size() >= MaxRememberedDigests)
    RememberedDigests.clear();
  RememberedDigests[{state.Volume, state.Index}] = {state, std::move(digest)};
}

bool IsDigestRemembered(const THostFileState& state, const std::string& digest) {
  const std::lock_guard<std::mutex> guard(RememberedDigestsGuard);
  const std::string* remembered = RememberedDigest(state);
  return remembered && *remembered == digest;
}

void RememberHostFileDigest(const THostPath& hostPath, const TContentDigest& digest) {
  if (const std::optional<THostFileState> state = HostFileState(hostPath))
    RememberStateDigest(*state, digest.Text());
}

void RememberMovedHostFileDigest(const THostPath& hostPath, const THostFileState& moved,
                                 const TContentDigest& digest) {
  const std::optional<THostFileState> state = HostFileState(hostPath);
  if (state && state->IsUnwrittenSince(moved))
    RememberStateDigest(*state, digest.Text());
}

std::string HostFileDigest(const THostPath& hostPath) {
  const std::optional<THostFileState> state = HostFileState(hostPath);
  if (state) {
    const std::lock_guard<std::mutex> guard(RememberedDigestsGuard);
    if (const std::string* remembered = RememberedDigest(*state))
      return *remembered;
  }
  TContentDigest digest;
  try {
    ReadHostPieces(hostPath, [&](std::string_view piece) { digest.Add(piece); });
  } catch (const EInOutError& error) {
    if (IsNotFound(error.ErrorCode()))
      return "-";
    if (error.ErrorCode() == NotARegularFileError(true) ||
        error.ErrorCode() == NotARegularFileError(false))
      return "?"; // something else than a file: no command left it
    throw;
  }
  // Taken before the read: a file changed meanwhile is read again next time.
  if (state)
    RememberStateDigest(*state, digest.Text());
  return digest.Text();
}

} // namespace flightdeck
