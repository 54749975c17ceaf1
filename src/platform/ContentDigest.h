#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace flightdeck {

// A fingerprint of a file's bytes, to tell whether a file is still what a command left: its
// size and a 64-bit hash, taken eight bytes at a time. Not a cryptographic hash.
class TContentDigest {
public:
  void Add(std::string_view bytes);
  std::string Text() const; // "size:hash" in hexadecimal

private:
  void Mix(std::uint64_t word);

  std::uint64_t FHash = 0x9e3779b97f4a7c15ULL;
  std::uint64_t FSize = 0;
  std::uint64_t FPending = 0; // bytes of an unfinished word, low first
  unsigned FPendingCount = 0;
};

// The digest of the file at the host path `hostPath`, or "-" when there is no such file.
std::string HostFileDigest(const std::string& hostPath);

} // namespace flightdeck
