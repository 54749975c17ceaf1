// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/InstalledPackCommands.h"

#include "cli/CommandTable.h"
#include "cli/Complaints.h"
#include "cli/HistoryCommands.h"
#include "cli/JsonText.h"
#include "journal/HistoryRecord.h"
#include "packs/InstalledPacks.h"
#include "packs/PackRemoval.h"

#include <iostream>

namespace flightdeck {

namespace {

const char* StateWord(TPackState state) {
  switch (state) {
  case TPackState::Installed:
    return "installed";
  case TPackState::Changed:
    return "changed";
  case TPackState::PartlyRemoved:
    return "partly-removed";
  case TPackState::Removed:
    return "removed";
  default:
    return "unknown";
  }
}

std::string JsonList(const std::vector<std::string>& texts) {
  std::string list = "[";
  for (const std::string& text : texts)
    list += (list.size() > 1 ? "," : "") + JsonString(text);
  return list + "]";
}

void PrintPack(const TInstalledPack& pack) {
  const THistoryEntry& entry = *pack.Entry;
  // The pack's file name as the host spells it; a pack without a record, as its entry does.
  std::cout << "{\"id\":" << entry.Id << ",\"pack\":"
            << (pack.Record ? JsonStringUtf8(pack.Record->Pack) : JsonString(entry.Subject))
            << ",\"installed\":" << JsonString(LocalTimeOf(entry.Time, "%Y-%m-%d %H:%M"));
  if (pack.Record) {
    std::vector<std::string> sides;
    for (const TMissionListId& list : pack.Record->Lists)
      if (list.Type == pack.Record->Category)
        sides.emplace_back(SideWords()[list.Side - gnNeutral]);
    std::cout << ",\"category\":\"" << CategoryWords()[pack.Record->Category]
              << "\",\"sides\":" << JsonList(sides) << ",\"groups\":" << JsonList(pack.Groups)
              << ",\"missions\":" << pack.Missions;
  }
  std::cout << ",\"state\":\"" << StateWord(pack.State) << "\"";
  if (!pack.Changed.empty())
    std::cout << ",\"changed\":" << JsonList(pack.Changed);
  std::cout << "}\n";
}

const char* ActionWord(TPackRemovalStep::TAction action) {
  switch (action) {
  case TPackRemovalStep::RemoveEntry:
    return "remove-entry";
  case TPackRemovalStep::RemoveFile:
    return "remove-file";
  case TPackRemovalStep::RestoreFile:
    return "restore-file";
  default:
    return "keep-file";
  }
}

} // namespace

void PrintRemovalStep(const TPackRemovalStep& step) {
  std::cout << "{\"action\":\"" << ActionWord(step.Action) << "\"";
  if (step.Action == TPackRemovalStep::RemoveEntry)
    std::cout << ",\"list\":" << JsonStringUtf8(step.List)
              << ",\"kind\":" << JsonString(ListItemKindName(step.Kind))
              << ",\"title\":" << JsonString(step.Title)
              << (step.File.empty() ? "" : ",\"file\":" + JsonString(step.File));
  else
    std::cout << ",\"file\":" << JsonStringUtf8(step.File);
  if (step.Reason)
    std::cout << ",\"reason\":" << JsonString(step.Reason->Text());
  std::cout << "}\n";
}

int PacksCommand(const TInvocation& invocation) {
  const TGameHistory history(invocation.GameDirectory);
  const std::vector<THistoryEntry> entries = history.Entries();
  for (const TInstalledPack& pack : InstalledPacks(history, entries, invocation.GameDirectory))
    PrintPack(pack);
  return 0;
}

int RemovePackCommand(const TInvocation& invocation) {
  const std::string& typed = invocation.Arguments.at(0);
  const std::optional<int> id = TypedEntryId(typed);
  if (!id)
    return Fail("\"" + typed + "\" is not the number of an entry", 2);
  if (invocation.Has("--dry-run")) {
    const TGameHistory history(invocation.GameDirectory);
    TFileTransaction planned; // never committed
    TFilesRead read;
    const TOutcome<TPackRemoval> removal =
        StagePackRemoval(planned, read, history, invocation.GameDirectory, *id);
    if (!removal)
      return Fail(removal.Error());
    for (const TPackRemovalStep& step : removal.Value().Steps)
      PrintRemovalStep(step);
    return 0;
  }
  const TOutcome<TPackRemoval> removal = RemovePack(*invocation.Session, *id);
  if (!removal)
    return Fail(removal.Error());
  for (const TPackRemovalStep& step : removal.Value().Steps)
    if (step.Reason)
      Tell("\"" + step.File + "\" is kept: " + step.Reason->Text());
  invocation.Session->Commit();
  return 0;
}

} // namespace flightdeck
