// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/HistoryRecord.h"

#include "journal/RecordText.h"
#include "platform/CalendarTime.h"
#include "platform/ContentDigest.h"
#include "platform/Limits.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>

namespace flightdeck {

namespace {

// An entry may only name files below its game: a record that names another place, damaged or
// not ours, is not read, so that no undo can write or delete outside the game.
bool IsPathBelowGame(const std::string& path) {
  if (path.empty() || path.front() == '/' || path.find('\0') != std::string::npos)
    return false;
  for (std::size_t start = 0; start <= path.size();) {
    const std::size_t slash = std::min(path.find('/', start), path.size());
    const std::string_view part(path.data() + start, slash - start);
    if (part.empty() || part == "." || part == "..")
      return false;
    start = slash + 1;
  }
  return true;
}

// The words of a line, split at single blanks; the last takes the rest of the line.
std::vector<std::string_view> Words(std::string_view line, std::size_t count) {
  std::vector<std::string_view> words;
  while (words.size() + 1 < count) {
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos)
      break;
    words.push_back(line.substr(0, blank));
    line.remove_prefix(blank + 1);
  }
  words.push_back(line);
  return words;
}

bool IsDigestText(std::string_view text) {
  return !text.empty() && text.find(' ') == std::string_view::npos;
}

// "file EXISTED BEFORE AFTER FOLDER PATH"; the first version had no BEFORE, the second no
// FOLDER.
bool ParseFile(std::string_view value, int version, THistoryFile& file) {
  const std::size_t count = static_cast<std::size_t>(std::min(version, 3) + 2);
  const std::vector<std::string_view> words = Words(value, count);
  if (words.size() != count || (words[0] != "0" && words[0] != "1"))
    return false;
  file.Existed = words[0] == "1";
  file.Before = version == 1 ? (file.Existed ? "" : "-") : std::string(words[1]);
  file.After = std::string(words[version == 1 ? 1 : 2]);
  file.Folder = version >= 3 ? std::string(words[3]) : std::string();
  file.Path = RecordUnescaped(words.back());
  return IsDigestText(file.After) && (version == 1 || IsDigestText(file.Before)) &&
         (version < 3 || IsDigestText(file.Folder)) && IsPathBelowGame(file.Path);
}

// A whole number that fills `text`, into `value`; false for anything else.
template <typename TNumber>
bool ParseNumber(std::string_view text, TNumber& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

// The fields of a record that are a text alone.
constexpr std::pair<std::string_view, std::string THistoryEntry::*> TextFields[] = {
    {"time", &THistoryEntry::Time},
    {"command", &THistoryEntry::Command},
    {"subject", &THistoryEntry::Subject},
    {"game", &THistoryEntry::Game}};

// Takes the line `key value` of a record of `version` into `entry` (the count of files into
// `files`); false when it is damaged. Lines of a key not known are passed over.
bool TakeRecordLine(std::string_view key, std::string_view value, int version, THistoryEntry& entry,
                    std::optional<std::size_t>& files) {
  for (const auto& [name, field] : TextFields)
    if (key == name) {
      entry.*field = RecordUnescaped(value);
      return true;
    }
  if (key == "undoes") {
    const std::optional<int> undoes = SmallRecordNumber(value);
    entry.Undoes = undoes.value_or(0);
    return undoes.has_value();
  }
  if (key == "file") {
    THistoryFile file;
    if (!ParseFile(value, version, file))
      return false;
    entry.Files.push_back(std::move(file));
  } else if (key == "files" && version >= 3) {
    const std::optional<int> count = SmallRecordNumber(value);
    if (!count || files)
      return false;
    files = static_cast<std::size_t>(*count);
  }
  return true;
}

} // namespace

std::string HistoryRecordText(const THistoryEntry& entry) {
  std::string text = "flightdeck-history 3\ntime " + RecordEscaped(entry.Time) + "\ncommand " +
                     RecordEscaped(entry.Command) + "\nsubject " + RecordEscaped(entry.Subject) +
                     "\nundoes " + std::to_string(entry.Undoes) + "\ngame " +
                     RecordEscaped(entry.Game) + "\n";
  for (const THistoryFile& file : entry.Files)
    text += "file " + std::string(file.Existed ? "1 " : "0 ") + file.Before + " " + file.After +
            " " + file.Folder + " " + RecordEscaped(file.Path) + "\n";
  text += "files " + std::to_string(entry.Files.size()) + "\n";
  return SealedRecord(std::move(text));
}

bool ParseHistoryRecord(std::string_view text, THistoryEntry& entry) {
  const bool checked = text.starts_with("flightdeck-history 3\n");
  if (checked) {
    const std::optional<std::string_view> body = CheckedRecordBody(text);
    if (!body)
      return false;
    text = *body;
  }
  int version = 0;
  std::optional<std::size_t> files;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::vector<std::string_view> words = Words(text.substr(0, end), 2);
    text.remove_prefix(std::min(end + 1, text.size()));
    const std::string_view key = words[0];
    const std::string_view value = words.size() > 1 ? words[1] : std::string_view();
    if (key == "flightdeck-history" && version == 0 && (value == "1" || value == "2" || checked)) {
      version = value[0] - '0';
    } else if (version == 0 || !TakeRecordLine(key, value, version, entry, files)) {
      return false; // not a record of ours, or a damaged one
    }
  }
  // The third version counts its files, in case lines went missing before the digest was made.
  return version != 0 && (version < 3 || files == entry.Files.size());
}

std::string FilesLeftText(const std::vector<THistoryFileLeft>& files) {
  std::string text = "flightdeck-left 1\n";
  text.reserve(text.size() + files.size() * 80); // a line's most, of numbers of common sizes
  for (const auto& [file, state] : files)
    text += std::to_string(file) + " " + std::to_string(state.Volume) + " " +
            std::to_string(state.Index) + " " + std::to_string(state.Size) + " " +
            std::to_string(state.Modified) + " " + std::to_string(state.Changed) + " " +
            std::to_string(state.Permissions) + "\n";
  return text;
}

std::vector<THistoryFileLeft> ParseFilesLeft(std::string_view text, std::size_t fileCount) {
  std::vector<THistoryFileLeft> files;
  const std::string_view header = "flightdeck-left 1\n";
  if (text.substr(0, header.size()) != header)
    return files;
  text.remove_prefix(header.size());
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::vector<std::string_view> words = Words(text.substr(0, end), 8);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    THistoryFileLeft left;
    left.State.Regular = true;
    THostFileState& state = left.State;
    if (end != std::string_view::npos && words.size() == 7 && ParseNumber(words[0], left.File) &&
        left.File < fileCount && ParseNumber(words[1], state.Volume) &&
        ParseNumber(words[2], state.Index) && ParseNumber(words[3], state.Size) &&
        ParseNumber(words[4], state.Modified) && ParseNumber(words[5], state.Changed) &&
        ParseNumber(words[6], state.Permissions))
      files.push_back(left);
  }
  return files;
}

std::string LocalTimeOf(const std::string& utc, const char* format) {
  std::tm time{};
  if (std::sscanf(utc.c_str(), "%4d-%2d-%2dT%2d:%2d:%2dZ", &time.tm_year, &time.tm_mon,
                  &time.tm_mday, &time.tm_hour, &time.tm_min, &time.tm_sec) != 6)
    return utc;
  time.tm_year -= 1900;
  time.tm_mon -= 1;
  const std::time_t seconds = SecondsOfUtc(time);
  char text[64];
  const std::optional<std::tm> local = LocalCalendarTime(seconds);
  if (seconds == -1 || !local || !std::strftime(text, sizeof text, format, &*local))
    return utc;
  return text;
}

std::string HistoryFolderName(int id) {
  char name[16];
  std::snprintf(name, sizeof name, "%08d", id);
  return name;
}

std::optional<int> HistoryIdOf(std::string_view folderName) {
  if (folderName.size() != 8)
    return std::nullopt;
  const std::optional<int> id = SmallRecordNumber(folderName);
  return id && *id > 0 && *id <= LastHistoryId ? id : std::nullopt;
}

} // namespace flightdeck
