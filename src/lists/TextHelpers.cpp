// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/TextHelpers.h"

#include <algorithm>
#include <limits>

namespace flightdeck {

namespace {

bool IsSpaceOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

int DigitValue(char c, int base) {
  int value = base; // not a digit
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value < base ? value : -1;
}

constexpr std::uint64_t Saturated = std::uint64_t{1} << 32;

// Accumulates the leading digits of `text`, stopping to grow past 32 bits, so that a number
// too large for an entry reads as the largest one; `consumed` tells how many characters were
// digits.
std::uint64_t LeadingDigits(std::string_view text, int base, std::size_t& consumed) {
  std::uint64_t value = 0;
  consumed = 0;
  for (; consumed < text.size(); ++consumed) {
    const int digit = DigitValue(text[consumed], base);
    if (digit < 0)
      break;
    value = std::min(Saturated,
                     value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit));
  }
  return value;
}

std::int32_t Clamped(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

std::string TextBefore(std::string_view text, std::string_view delimiter) {
  return std::string(text.substr(0, text.find(delimiter)));
}

std::string TextAfter(std::string_view text, std::string_view delimiter) {
  const std::size_t at = text.find(delimiter);
  return std::string(at == std::string_view::npos ? text : text.substr(at + delimiter.size()));
}

std::string Trim(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsSpaceOrControl(text[first]))
    ++first;
  while (last > first && IsSpaceOrControl(text[last - 1]))
    --last;
  return std::string(text.substr(first, last - first));
}

bool IsBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsSpaceOrControl);
}

std::int32_t ReadListNumber(std::string_view line) {
  return ReadListNumberLine(line).Value;
}

TListNumber ReadListNumberLine(std::string_view line) {
  if (IsWrittenNumber(line)) { // as most lines are: read in one go
    const bool negative = line[0] == '-';
    std::int32_t value = 0;
    for (const char digit : line.substr(negative ? 1 : 0))
      value = value * 10 + (digit - '0');
    return {negative ? -value : value, true};
  }
  std::string_view text = line.substr(std::min(line.find_first_not_of(' '), line.size()));
  std::size_t consumed = 0;
  if (!text.empty() && text[0] == '$')
    return {Clamped(static_cast<std::int64_t>(LeadingDigits(text.substr(1), 16, consumed))), false};

  const bool negative = !text.empty() && text[0] == '-';
  const bool signedText = negative || (!text.empty() && text[0] == '+');
  const std::string_view digits = text.substr(signedText ? 1 : 0);
  const auto magnitude = static_cast<std::int64_t>(LeadingDigits(digits, 10, consumed));
  const bool wholeInteger = consumed > 0 && consumed == digits.size();
  return {Clamped(wholeInteger && negative ? -magnitude : magnitude), false};
}

} // namespace flightdeck
