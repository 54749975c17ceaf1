// SPDX-License-Identifier: GPL-3.0-or-later
#include "packs/PackRecord.h"

#include "journal/RecordText.h"
#include "platform/Limits.h"

#include <tuple>
#include <utility>

namespace flightdeck {

namespace {

constexpr std::string_view Heading = "flightdeck-pack 1\n";

// The fields of a line, apart at tabs (which a field's text never holds: it is escaped).
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t tab; (tab = line.find('\t')) != std::string_view::npos;) {
    fields.push_back(line.substr(0, tab));
    line.remove_prefix(tab + 1);
  }
  fields.push_back(line);
  return fields;
}

// A number of the record below `end`.
std::optional<int> NumberBelow(std::string_view text, int end) {
  const std::optional<int> number = SmallRecordNumber(text);
  return number && *number < end ? number : std::nullopt;
}

// A file an entry names: a plain name, as the game's lists hold them.
bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name.size() <= MaxLineLength &&
         name.find_first_of("/\\:") == std::string::npos && name != "." && name != "..";
}

// A list, or the category and side a pack went into: "TYPE\tSIDE".
std::optional<TMissionListId> ListIdOf(std::string_view type, std::string_view side) {
  const std::optional<int> typeNumber = NumberBelow(type, MissionTypeCount);
  const std::optional<int> sideNumber = NumberBelow(side, gnImperial + 1);
  if (!typeNumber || !sideNumber || *sideNumber < gnNeutral)
    return std::nullopt;
  return TMissionListId{static_cast<TMissionType>(*typeNumber), static_cast<TGender>(*sideNumber)};
}

bool TakeEntry(const std::vector<std::string_view>& fields, TPackRecord& record) {
  const std::optional<int> list = NumberBelow(fields[1], static_cast<int>(record.Lists.size()));
  const std::optional<int> kind = NumberBelow(fields[2], likCorruptEntry);
  if (!list || !kind)
    return false;
  TPackRecordEntry entry{static_cast<std::size_t>(*list), static_cast<TListItemKind>(*kind),
                         RecordUnescaped(fields[3]), RecordUnescaped(fields[4])};
  if ((IsGroupHeader(entry.Kind) && !entry.File.empty()) ||
      (!IsGroupHeader(entry.Kind) && !IsPlainFileName(entry.File)))
    return false;
  record.Entries.push_back(std::move(entry));
  return true;
}

// Takes one line of a record; false when it is damaged.
bool TakeLine(std::string_view line, TPackRecord& record) {
  const std::vector<std::string_view> fields = Fields(line);
  const std::string_view key = fields[0];
  if (key == "pack" && fields.size() == 3) {
    record.Pack = RecordUnescaped(fields[1]);
    record.Digest = RecordUnescaped(fields[2]);
    return true;
  }
  if ((key == "into" || key == "list") && fields.size() == 3) {
    const std::optional<TMissionListId> list = ListIdOf(fields[1], fields[2]);
    if (list && key == "list")
      record.Lists.push_back(*list);
    else if (list)
      std::tie(record.Category, record.Side) = std::pair(list->Type, list->Side);
    return list.has_value();
  }
  if (key == "entry" && fields.size() == 5)
    return TakeEntry(fields, record);
  if (key == "readme" && fields.size() == 2) {
    record.Readme = RecordUnescaped(fields[1]);
    return true;
  }
  if (key == "replaces" && fields.size() == 2) {
    const std::optional<int> id = SmallRecordNumber(fields[1]);
    record.Replaces = id.value_or(0);
    return id.has_value();
  }
  return false;
}

} // namespace

std::string PackRecordText(const TPackRecord& record) {
  std::string text(Heading);
  text += "pack\t" + RecordEscaped(record.Pack) + "\t" + RecordEscaped(record.Digest) + "\n";
  text += "into\t" + std::to_string(record.Category) + "\t" + std::to_string(record.Side) + "\n";
  for (const TMissionListId& list : record.Lists)
    text += "list\t" + std::to_string(list.Type) + "\t" + std::to_string(list.Side) + "\n";
  for (const TPackRecordEntry& entry : record.Entries)
    text += "entry\t" + std::to_string(entry.List) + "\t" + std::to_string(entry.Kind) + "\t" +
            RecordEscaped(entry.File) + "\t" + RecordEscaped(entry.Title) + "\n";
  if (!record.Readme.empty())
    text += "readme\t" + RecordEscaped(record.Readme) + "\n";
  if (record.Replaces != 0)
    text += "replaces\t" + std::to_string(record.Replaces) + "\n";
  return SealedRecord(std::move(text));
}

std::optional<TPackRecord> ParsePackRecord(std::string_view text) {
  const std::optional<std::string_view> checked = CheckedRecordBody(text);
  if (!checked || !checked->starts_with(Heading))
    return std::nullopt;
  std::string_view body = checked->substr(Heading.size());
  TPackRecord record;
  while (!body.empty()) {
    const std::size_t end = body.find('\n');
    if (!TakeLine(body.substr(0, end), record))
      return std::nullopt;
    body.remove_prefix(end + 1);
  }
  if (record.Pack.empty() || record.Lists.empty())
    return std::nullopt;
  return record;
}

} // namespace flightdeck
