// SPDX-License-Identifier: GPL-3.0-or-later
#include "packs/InstallScript.h"

#include "lists/TextHelpers.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "platform/InOutError.h"
#include "platform/Limits.h"
#include "platform/TextLines.h"

namespace flightdeck {

namespace {

struct TScriptKinds {
  bool ReadsSeries;
  TListItemKind Series, Group, Mission;
};

TScriptKinds KindsFor(TMissionType type) {
  switch (CheckedMissionType(type)) {
  case mtBattles:
    return {true, likWar, likBattle, likOperation};
  case mtTournaments:
    return {true, likTournamentSeries, likTournament, likContest};
  default:
    return {false, likCorruptEntry, likCampaign, likEngagement};
  }
}

std::string ScriptTooLarge() {
  return "it is larger than " + SizeInWords(MaxScriptSize) +
         ", the most an installation script may be";
}

std::string LineTooLong() {
  return "a line of it is longer than " + SizeInWords(MaxLineLength) + ", the most a line may be";
}

} // namespace

std::string TooManyMissions() {
  return "it names more than " + std::to_string(MaxPackMissions) +
         " missions, the most a pack may hold";
}

void WriteInstallScript(std::string_view fileName, const std::vector<TPackageItem>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const TPackageItem& item = items[i];
    switch (PackClassOf(item.Kind)) {
    case TPackClass::Series:
      AppendLine(text, "Series=" + item.NeutralTitle);
      break;
    case TPackClass::Group:
      AppendLine(text, "Collection");
      for (const std::string* line : {&item.FileName, &item.NeutralTitle, &item.RebelTitle,
                                      &item.ImperialTitle, &item.Description})
        AppendLine(text, *line);
      break;
    case TPackClass::Mission:
      AppendLine(text, "Missions");
      for (; i < items.size() && items[i].Kind == item.Kind; ++i)
        for (const std::string* line : {&items[i].FileName, &items[i].NeutralTitle,
                                        &items[i].RebelTitle, &items[i].ImperialTitle})
          AppendLine(text, *line);
      AppendLine(text, "");
      --i; // the loop steps past the run's last entry
      break;
    case TPackClass::None:
      break;
    }
  }
  // What a pack may not hold is not written, since no install would take it.
  if (text.size() > MaxScriptSize)
    throw EInOutError(TooLargeError(), std::string(fileName), ScriptTooLarge());
  if (TTextLineReader(text).LongestLine() > MaxLineLength)
    throw EInOutError(TooLargeError(), std::string(fileName), LineTooLong());
  SaveFileAtomically(fileName, text);
}

std::vector<TPackageItem> ReadInstallScript(std::string_view fileName, TMissionType missionType,
                                            std::vector<std::string>& filesToProcess) {
  const TScriptKinds kinds = KindsFor(missionType);
  std::vector<TPackageItem> items;
  if (!FileExists(fileName))
    return items;
  std::string text;
  try {
    text = ReadFileBytes(fileName, MaxScriptSize);
  } catch (const EInOutError& error) {
    if (error.ErrorCode() != TooLargeError())
      throw;
    throw EInOutError(error.ErrorCode(), error.Path(), ScriptTooLarge());
  }
  TTextLineReader reader(std::move(text));
  if (reader.LongestLine() > MaxLineLength)
    throw EInOutError(TooLargeError(), std::string(fileName), LineTooLong());
  std::string line = " ";
  std::size_t missions = 0;
  while (!reader.Eof() && !line.empty()) {
    line = reader.ReadLine();
    if (LowerCaseAscii(TextBefore(line, "=")) == "series") {
      if (kinds.ReadsSeries)
        items.push_back({kinds.Series, {}, TextAfter(line, "="), {}, {}, {}});
    } else if (LowerCaseAscii(line) == "collection") {
      TPackageItem group{kinds.Group, LowerCaseAscii(reader.ReadLine()), {}, {}, {}, {}};
      group.NeutralTitle = reader.ReadLine();
      group.RebelTitle = reader.ReadLine();
      group.ImperialTitle = reader.ReadLine();
      group.Description = reader.ReadLine();
      items.push_back(std::move(group));
    } else if (LowerCaseAscii(line) == "missions") {
      for (std::string candidate = reader.ReadLine(); !reader.Eof() && !candidate.empty();
           candidate = reader.ReadLine()) {
        if (++missions > MaxPackMissions)
          throw EInOutError(TooLargeError(), std::string(fileName), TooManyMissions());
        TPackageItem mission{kinds.Mission, candidate, {}, {}, {}, {}};
        filesToProcess.push_back(candidate);
        mission.NeutralTitle = reader.ReadLine();
        mission.RebelTitle = reader.ReadLine();
        mission.ImperialTitle = reader.ReadLine();
        items.push_back(std::move(mission));
      }
    }
  }
  return items;
}

void FreePackageItems(std::vector<TPackageItem>& items) {
  items.clear();
  items.shrink_to_fit();
}

} // namespace flightdeck
