// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace flightdeck {

// Case rules of file names and list texts: ASCII letters only, so UTF-8 names stay intact.
char LowerAscii(char c);
std::string LowerCaseAscii(std::string_view text);
bool SameTextAscii(std::string_view a, std::string_view b);

// Hash tables of texts in any ASCII letter case, looked up by views without a lower-case copy of
// each key.
struct TAsciiCaseHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char c : text)
      hash = (hash ^ static_cast<unsigned char>(LowerAscii(c))) * 1099511628211ull;
    return static_cast<std::size_t>(hash);
  }
};
struct TAsciiCaseEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return SameTextAscii(a, b); }
};

} // namespace flightdeck
