#include "platform/Windows1252.h"

#include <array>
#include <cstdint>

namespace flightdeck {

namespace {

// Code points of bytes 0x80 to 0x9F.
constexpr std::array<std::uint16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, std::uint32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

// Decodes one UTF-8 sequence at `at`, advancing it; 0xFFFD for a malformed one.
std::uint32_t NextCodePoint(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80)
    return lead;
  const int length = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (length < 0)
    return 0xFFFD;
  std::uint32_t codePoint = lead & (0x3F >> length);
  for (int i = 0; i < length; ++i) {
    if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80)
      return 0xFFFD;
    codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
  }
  return codePoint;
}

char32_t Windows1252ToUnicode(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value >= 0x80 && value < 0xA0 ? HighControlRange[value - 0x80] : value;
}

char UnicodeToWindows1252(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
    return static_cast<char>(codePoint);
  for (std::size_t i = 0; i < HighControlRange.size(); ++i)
    if (HighControlRange[i] == codePoint)
      return static_cast<char>(0x80 + i);
  return '?';
}

} // namespace

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text)
    AppendUtf8(out, Windows1252ToUnicode(c));
  return out;
}

std::string Utf8ToWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();)
    out += UnicodeToWindows1252(NextCodePoint(text, at));
  return out;
}

std::u16string Windows1252ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (const char c : text)
    out += static_cast<char16_t>(Windows1252ToUnicode(c));
  return out;
}

std::string Utf16ToWindows1252(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char16_t c : text)
    out += UnicodeToWindows1252(c);
  return out;
}

} // namespace flightdeck
