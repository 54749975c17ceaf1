#include "zip/ZipNames.h"

#include "platform/Windows1252.h"

#include <algorithm>

namespace flightdeck {

std::string EntryPath(std::string_view path, bool& escaped) {
  escaped = false;
  if (path.size() >= 2 && path[1] == ':') {
    escaped = true;
    path.remove_prefix(2);
  }
  std::string entry;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find_first_of("/\\", start);
    if (end == std::string_view::npos)
      end = path.size();
    const std::string_view part = path.substr(start, end - start);
    if (part == ".." || (part.empty() && start == 0 && end < path.size()))
      escaped = true;
    else if (!part.empty() && part != ".")
      entry += (entry.empty() ? "" : "/") + std::string(part);
    start = end + 1;
  }
  return entry;
}

std::string ZipLiteralPattern(std::string_view name) {
  std::string pattern;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    const bool special =
        c == '*' || c == '?' || c == '[' || (i == 0 && (c == '-' || c == '<' || c == '>'));
    if (special)
      pattern += std::string("[") + c + "]";
    else
      pattern += c;
  }
  return pattern;
}

std::optional<std::string> LiteralOfPattern(std::string_view pattern) {
  std::string literal;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '*' || pattern[i] == '?')
      return std::nullopt;
    if (pattern[i] == '[') {
      if (i + 2 >= pattern.size() || pattern[i + 2] != ']')
        return std::nullopt;
      literal += pattern[i + 1];
      i += 2;
    } else {
      literal += pattern[i];
    }
  }
  return literal;
}

std::string ZipPathArgument(const std::string& path) {
  const bool marked =
      !path.empty() && (path.front() == '-' || path.front() == '<' || path.front() == '>');
  return marked ? "./" + path : path;
}

namespace {

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// True when every character of the UTF-8 text `text` has a place in Windows-1252 and the text
// is valid UTF-8: the round trip through the code page gives it back.
bool FitsWindows1252(std::string_view utf8) {
  return Windows1252ToUtf8(Utf8ToWindows1252(utf8)) == utf8;
}

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80         ? 1
                               : (lead >> 5) == 6  ? 2
                               : (lead >> 4) == 14 ? 3
                               : (lead >> 3) == 30 ? 4
                                                   : 0;
    if (length == 0 || i + length > text.size())
      return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
        return false;
    i += length;
  }
  return true;
}

} // namespace

std::string StoredEntryName(std::string_view name) {
  return IsValidUtf8(name) ? std::string(name) : Windows1252ToUtf8(name);
}

std::string EntryName(zip_t* archive, zip_uint64_t index) {
  const char* raw = zip_get_name(archive, index, ZIP_FL_ENC_RAW);
  if (!raw)
    return {};
  const std::string_view rawName = raw;
  if (IsAscii(rawName))
    return std::string(rawName);
  // Read strictly, a name without the UTF-8 flag is converted from code page 437: only a
  // flagged name comes back unchanged.
  const char* strict = zip_get_name(archive, index, ZIP_FL_ENC_STRICT);
  if (strict && rawName == strict && FitsWindows1252(rawName))
    return Utf8ToWindows1252(rawName);
  const char* guessed = zip_get_name(archive, index, 0);
  return guessed ? guessed : std::string(rawName);
}

} // namespace flightdeck
