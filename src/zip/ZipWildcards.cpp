// SPDX-License-Identifier: GPL-3.0-or-later
#include "zip/ZipWildcards.h"

#include "platform/AsciiCase.h"

namespace flightdeck {

namespace {

// Whether the pattern element at `p` ("?", a "[set]" or a character) matches `c`; `next` is
// set to the element after it.
bool ElementMatches(std::string_view pattern, std::size_t p, char c, std::size_t& next) {
  next = p + 1;
  if (pattern[p] == '?')
    return true;
  const std::size_t close = pattern[p] == '[' ? pattern.find(']', p + 1) : std::string_view::npos;
  if (close == std::string_view::npos)
    return LowerAscii(pattern[p]) == LowerAscii(c);
  next = close + 1;
  const std::string_view set = pattern.substr(p + 1, close - p - 1);
  for (std::size_t i = 0; i < set.size(); ++i) {
    const bool range = i + 2 < set.size() && set[i + 1] == '-';
    const char low = LowerAscii(set[i]);
    const char high = range ? LowerAscii(set[i + 2]) : low;
    if (LowerAscii(c) >= low && LowerAscii(c) <= high)
      return true;
    i += range ? 2 : 0;
  }
  return false;
}

} // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  // Iterative matching with one backtrack point, the last "*": linear in practice.
  std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    std::size_t next = 0;
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && ElementMatches(pattern, p, name[n], next)) {
      p = next;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*')
    ++p;
  return p == pattern.size();
}

} // namespace flightdeck
