// SPDX-License-Identifier: GPL-3.0-or-later
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

constexpr char32_t NoCharacter = 0xFFFFFFFF;

void AppendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

// The character of the valid UTF-8 sequence at `at`, advancing past it; NoCharacter, and
// `at` unmoved, when no valid sequence starts there.
char32_t NextCodePoint(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) {
    ++at;
    return lead;
  }
  const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
  if (length == 0 || at + length > text.size())
    return NoCharacter;
  char32_t codePoint = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80)
      return NoCharacter;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  constexpr std::array<char32_t, 5> Shortest = {0, 0, 0x80, 0x800, 0x10000};
  if (codePoint < Shortest[length] || codePoint > 0x10FFFF ||
      (codePoint >= 0xD800 && codePoint <= 0xDFFF))
    return NoCharacter;
  at += length;
  return codePoint;
}

char32_t Windows1252ToUnicode(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value >= 0x80 && value < 0xA0 ? HighControlRange[value - 0x80] : value;
}

// The code page's byte for a character; nothing when it has none.
std::optional<char> UnicodeToWindows1252(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
    return static_cast<char>(codePoint);
  for (std::size_t i = 0; i < HighControlRange.size(); ++i)
    if (HighControlRange[i] == codePoint)
      return static_cast<char>(0x80 + i);
  return std::nullopt;
}

// Each character of `bytes` read the lenient way, handed to `take`.
template <typename TTake>
void ForEachLenientCharacter(std::string_view bytes, TTake take) {
  for (std::size_t at = 0; at < bytes.size();) {
    const char32_t codePoint = NextCodePoint(bytes, at);
    take(codePoint != NoCharacter ? codePoint : Windows1252ToUnicode(bytes[at++]));
  }
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
  for (std::size_t at = 0; at < text.size();) {
    const char32_t codePoint = NextCodePoint(text, at);
    if (codePoint == NoCharacter)
      ++at;
    out += codePoint == NoCharacter ? '?' : UnicodeToWindows1252(codePoint).value_or('?');
  }
  return out;
}

std::optional<std::string> Utf8ToWindows1252Exactly(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const char32_t codePoint = NextCodePoint(text, at);
    const std::optional<char> byte =
        codePoint == NoCharacter ? std::nullopt : UnicodeToWindows1252(codePoint);
    if (!byte)
      return std::nullopt;
    out += *byte;
  }
  return out;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();)
    if (NextCodePoint(text, at) == NoCharacter)
      return false;
  return true;
}

std::string LenientUtf8(std::string_view bytes) {
  if (IsValidUtf8(bytes))
    return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  ForEachLenientCharacter(bytes, [&](char32_t codePoint) { AppendUtf8(out, codePoint); });
  return out;
}

std::u16string LenientUtf8ToUtf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  ForEachLenientCharacter(bytes, [&](char32_t codePoint) {
    if (codePoint < 0x10000) {
      out += static_cast<char16_t>(codePoint);
    } else {
      out += static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
    }
  });
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t codePoint = text[i];
    const bool pair = codePoint >= 0xD800 && codePoint < 0xDC00 && i + 1 < text.size() &&
                      text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
    if (pair)
      codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (text[++i] - 0xDC00);
    else if (codePoint >= 0xD800 && codePoint < 0xE000)
      codePoint = 0xFFFD; // a lone surrogate has no UTF-8 form
    AppendUtf8(out, codePoint);
  }
  return out;
}

char FoldedWindows1252(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
    return static_cast<char>(byte + 0x20);
  switch (byte) {
  case 0x8A: // S, Z and OE with their marks
  case 0x8C:
  case 0x8E:
    return static_cast<char>(byte + 0x10);
  case 0x9F: // Y with diaeresis
    return static_cast<char>(0xFF);
  default:
    return c;
  }
}

} // namespace flightdeck
