// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace flightdeck {

// The text before, resp. after, the first occurrence of `delimiter` (case-sensitive), or
// the whole text when it does not occur.
std::string TextBefore(std::string_view text, std::string_view delimiter);
std::string TextAfter(std::string_view text, std::string_view delimiter);

// `text` without leading and trailing spaces and control characters.
std::string Trim(std::string_view text);
// Whether `text` holds nothing but spaces and control characters.
bool IsBlank(std::string_view text);

// The number of a list entry's first line: a signed decimal integer after leading spaces;
// failing that, the unsigned decimal digits it begins with after spaces and sign, or 0;
// "$" starts hexadecimal digits. Never fails.
std::int32_t ReadListNumber(std::string_view line);
// The same, and whether the line is the number as the lists are written: decimal digits, "-"
// before a negative one, no leading zero, at most nine digits.
struct TListNumber {
  std::int32_t Value = 0;
  bool Written = false;
};
TListNumber ReadListNumberLine(std::string_view line);
// Whether `line` is a number as the lists are written: "-" when it is negative, then one to
// nine decimal digits, without a leading zero.
inline bool IsWrittenNumber(std::string_view line) {
  const std::size_t sign = !line.empty() && line[0] == '-' ? 1 : 0;
  const std::size_t length = line.size() - sign;
  if (length == 0 || length > 9 || (line[sign] == '0' && line.size() != 1))
    return false;
  for (std::size_t i = sign; i < line.size(); ++i)
    if (static_cast<unsigned>(line[i] - '0') > 9u)
      return false;
  return true;
}

} // namespace flightdeck
