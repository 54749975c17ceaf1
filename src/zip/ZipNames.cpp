// SPDX-License-Identifier: GPL-3.0-or-later
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

std::string UnmarkedZipPath(const std::string& path) {
  const bool marked = !path.empty() && (path.front() == '<' || path.front() == '>');
  return marked ? "./" + path : path;
}

std::string StoredEntryName(std::string_view name) {
  return LenientUtf8(name);
}

std::string EntryName(zip_t* archive, zip_uint64_t index) {
  const char* raw = zip_get_name(archive, index, ZIP_FL_ENC_RAW);
  if (!raw)
    return {};
  // Read strictly, a name without the UTF-8 flag is converted from code page 437: only a
  // flagged name (or a plain ASCII one) comes back unchanged. An unflagged name is read as
  // UTF-8 when it is valid UTF-8 (as tools on Linux write), else as Windows-1252, the code page
  // the old Windows tools wrote the game's names in.
  const char* strict = zip_get_name(archive, index, ZIP_FL_ENC_STRICT);
  if (strict && std::string_view(raw) == strict)
    return LenientUtf8(raw);
  return IsValidUtf8(raw) ? std::string(raw) : Windows1252ToUtf8(raw);
}

} // namespace flightdeck
