// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ContentDigest.h"

#include "platform/HostFiles.h"
#include "platform/InOutError.h"
#include "platform/Limits.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
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

void TDigestMemo::Remember(const THostFileState& state, std::string digest) {
  if (FKnown.size() >= MaxRememberedDigests)
    FKnown.clear();
  FKnown[{state.Volume, state.Index}] = {state, std::move(digest)};
}

std::string TDigestMemo::Digest(const THostPath& hostPath) {
  // Taken before the read: a file changed meanwhile is read again next time.
  return Digest(hostPath, HostFileState(hostPath));
}

std::string TDigestMemo::Digest(const THostPath& hostPath,
                                const std::optional<THostFileState>& state) {
  if (state) {
    const auto found = FKnown.find({state->Volume, state->Index});
    if (found != FKnown.end() && found->second.State == *state)
      return found->second.Digest;
  }
  std::string digest = HostFileDigest(hostPath);
  if (state && digest != "-" && digest != "?")
    Remember(*state, digest);
  return digest;
}

std::string HostFileDigest(const THostPath& hostPath) {
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
  return digest.Text();
}

} // namespace flightdeck
