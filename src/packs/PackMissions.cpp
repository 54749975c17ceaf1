// SPDX-License-Identifier: GPL-3.0-or-later
#include "packs/PackMissions.h"

#include "missions/MissionFile.h"
#include "platform/AsciiCase.h"
#include "platform/HostNames.h"
#include "platform/Limits.h"

#include <algorithm>
#include <unordered_set>

namespace flightdeck {

std::vector<std::string> MissionNames(const std::vector<TPackageItem>& items) {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
  for (const TPackageItem& item : items)
    if (IsMission(item.Kind) && seen.insert(LowerCaseAscii(item.FileName)).second)
      names.push_back(item.FileName);
  return names;
}

std::vector<TNonMission> PackNonMissions(const TFileTransaction& staging,
                                         const std::vector<TPackageItem>& items,
                                         const std::string& gameDirectory, TMissionType type) {
  const std::string folder = MissionFilePath(gameDirectory, type, "");
  std::vector<TNonMission> others;
  for (const std::string& name : MissionNames(items)) {
    const TMissionReading reading = ReadMissionHostFileOrReason(
        staging.HostPathToRead(folder + HostFileName(name)), TMissionDepth::Sizes);
    if (!reading.IsMission())
      others.push_back({name, reading.Reason});
  }
  return others;
}

TMessage NonMissionsList(const std::vector<TNonMission>& nonMissions) {
  const std::size_t named = std::min(nonMissions.size(), MaxFilesNamed);
  std::vector<TMessage> items;
  items.reserve(named + 1);
  for (std::size_t i = 0; i < named; ++i)
    items.push_back(
        {TRANSLATABLE("Message", "\"%1\" (%2)"), {nonMissions[i].Name, nonMissions[i].Reason}});
  if (named < nonMissions.size())
    items.push_back({TRANSLATABLE("Message", "and %1 more files"),
                     {std::to_string(nonMissions.size() - named)}});
  return ListOf(items);
}

} // namespace flightdeck
