// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProfileFile.h"

#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/InOutError.h"

#include <charconv>
#include <optional>
#include <vector>

namespace flightdeck {

namespace {

constexpr std::size_t MaxValueLength = 1023;

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos)
      end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimBlanks(line);
  if (line.empty() || line.front() != '[')
    return std::nullopt;
  const std::size_t close = line.find(']');
  return TrimBlanks(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
}

// The key of a "key=value" line.
std::optional<std::string_view> KeyName(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos || SectionName(line))
    return std::nullopt;
  return TrimBlanks(line.substr(0, equals));
}

struct TKeyPosition {
  std::size_t SectionEnd = 0;         // the line after the section's last key, or npos
  std::optional<std::size_t> KeyLine; // the line holding the key
};

TKeyPosition FindKey(const std::vector<std::string>& lines, std::string_view section,
                     std::string_view key) {
  TKeyPosition position{std::string::npos, std::nullopt};
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (const auto name = SectionName(lines[i])) {
      if (inSection)
        break; // only the first section of that name counts
      inSection = SameTextAscii(*name, section);
      if (inSection)
        position.SectionEnd = i + 1;
      continue;
    }
    if (!inSection)
      continue;
    const auto name = KeyName(lines[i]);
    if (!name)
      continue;
    position.SectionEnd = i + 1;
    if (!position.KeyLine && SameTextAscii(*name, key))
      position.KeyLine = i;
  }
  return position;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  try {
    return FileExists(path) ? SplitLines(ReadFileBytes(path)) : std::vector<std::string>();
  } catch (const EInOutError&) {
    return std::nullopt;
  }
}

template <typename T>
bool ParseWhole(std::string_view text, int base, T& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, base);
  return !text.empty() && error == std::errc() && stop == end;
}

} // namespace

std::string TProfileFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const {
  const auto lines = ReadLines(FPath);
  std::string_view value = defaultValue;
  const TKeyPosition position = lines ? FindKey(*lines, section, key) : TKeyPosition{};
  if (position.KeyLine) {
    const std::string& line = (*lines)[*position.KeyLine];
    value = TrimBlanks(std::string_view(line).substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
      value = value.substr(1, value.size() - 2);
  }
  return std::string(value.substr(0, MaxValueLength));
}

std::int32_t TProfileFile::ReadInteger(std::string_view section, std::string_view key,
                                       std::int32_t defaultValue) const {
  const std::string text = ReadString(section, key, "");
  std::string_view digits = text;
  const bool zeroX =
      digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
  if (zeroX || (!digits.empty() && digits[0] == '$')) {
    std::uint32_t value = 0;
    return ParseWhole(digits.substr(zeroX ? 2 : 1), 16, value) ? static_cast<std::int32_t>(value)
                                                               : defaultValue;
  }
  if (digits.size() > 1 && digits[0] == '+' && digits[1] != '-')
    digits.remove_prefix(1);
  std::int32_t value = 0;
  return ParseWhole(digits, 10, value) ? value : defaultValue;
}

bool TProfileFile::CanHold(std::string_view value) {
  return value.size() <= MaxValueLength &&
         value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool TProfileFile::WriteString(std::string_view section, std::string_view key,
                               std::string_view value) const {
  if (!CanHold(value) || !CanHold(key) || !CanHold(section))
    return false;
  auto lines = ReadLines(FPath);
  if (!lines)
    return false;
  const std::string entry = std::string(key) + "=" + std::string(value);
  const TKeyPosition position = FindKey(*lines, section, key);
  if (position.KeyLine) {
    (*lines)[*position.KeyLine] = entry;
  } else if (position.SectionEnd != std::string::npos) {
    lines->insert(lines->begin() + static_cast<std::ptrdiff_t>(position.SectionEnd), entry);
  } else {
    lines->push_back("[" + std::string(section) + "]");
    lines->push_back(entry);
  }
  std::string text;
  for (const std::string& line : *lines)
    text += line + "\r\n";
  try {
    SaveFileAtomically(FPath, text);
    return true;
  } catch (const EInOutError&) {
    return false;
  }
}

bool TProfileFile::WriteInteger(std::string_view section, std::string_view key,
                                std::int32_t value) const {
  return WriteString(section, key, std::to_string(value));
}

} // namespace flightdeck
