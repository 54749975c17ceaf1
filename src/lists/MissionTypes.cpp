// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/MissionTypes.h"

#include "lists/TextHelpers.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/HostNames.h"
#include "platform/PathNames.h"
#include "platform/Translatable.h"

#include <algorithm>
#include <stdexcept>

namespace flightdeck {

const std::array<std::string_view, 5> MissionTypeDirs = {"battle\\", "combat\\", "melee\\",
                                                         "tourn\\", "train\\"};
const std::array<std::string_view, 3> ListFileNames = {"mission.lst", "rebel.lst", "imperial.lst"};

bool IsListFileName(std::string_view name) {
  return std::any_of(ListFileNames.begin(), ListFileNames.end(),
                     [&](std::string_view list) { return SameTextAscii(name, list); });
}
const std::array<std::string_view, 9> ListItemKindNames = {
    TRANSLATABLE("Message", "Campaign"),     TRANSLATABLE("Message", "Engagement"),
    TRANSLATABLE("Message", "War"),          TRANSLATABLE("Message", "Battle"),
    TRANSLATABLE("Message", "Operation"),    TRANSLATABLE("Message", "Tournament Series"),
    TRANSLATABLE("Message", "Tournament"),   TRANSLATABLE("Message", "Contest"),
    TRANSLATABLE("Message", "Corrupt Entry")};

TMissionType CheckedMissionType(int code) {
  if (code < 0 || code >= MissionTypeCount)
    throw std::invalid_argument("Unknown mission type " + std::to_string(code));
  return static_cast<TMissionType>(code);
}

TGender CheckedSide(int code) {
  if (code < gnNeutral || code > gnImperial)
    throw std::invalid_argument("Unknown side " + std::to_string(code));
  return static_cast<TGender>(code);
}

std::string_view MissionTypeDir(TMissionType type) {
  return MissionTypeDirs[CheckedMissionType(type)];
}

std::string_view ListFileName(TGender side) {
  return ListFileNames[CheckedSide(side) - 1];
}

std::string_view ListItemKindName(TListItemKind kind) {
  if (kind >= ListItemKindNames.size())
    throw std::invalid_argument("Unknown list item kind " + std::to_string(kind));
  return ListItemKindNames[kind];
}

namespace {

// The kinds a list of each type is made of, and where its mission files lie.
struct TTypeTraits {
  TListItemKind GroupHeader;
  TListItemKind Entry;
  TMissionType SingleMissions;
  bool NeutralOnly;
};

constexpr TTypeTraits TypeTraits[MissionTypeCount] = {
    {likWar, likBattle, mtCombat, true},
    {likCampaign, likEngagement, mtCombat, false},
    {likCampaign, likEngagement, mtMelee, true},
    {likTournamentSeries, likTournament, mtMelee, true},
    {likCampaign, likEngagement, mtTraining, false},
};

} // namespace

TListItemKind GroupHeaderKind(TMissionType type) {
  return TypeTraits[CheckedMissionType(type)].GroupHeader;
}

bool IsNeutralOnly(TMissionType type) {
  return TypeTraits[CheckedMissionType(type)].NeutralOnly;
}

TListItemKind EntryKind(TMissionType type) {
  return TypeTraits[CheckedMissionType(type)].Entry;
}

TMissionType SingleMissionType(TMissionType type) {
  return TypeTraits[CheckedMissionType(type)].SingleMissions;
}

std::string ListFilePath(std::string_view gameDirectory, TMissionType type, TGender side) {
  std::string path(gameDirectory);
  path += MissionTypeDir(type);
  path += ListFileName(side);
  return path;
}

std::string ListFileDirectory(std::string_view listFilePath) {
  return ExtractFilePath(listFilePath);
}

std::string BattleFilePath(std::string_view listFilePath, std::string_view battleFileName) {
  const std::string directory = ListFileDirectory(listFilePath);
  const std::string name = Trim(battleFileName);
  if (!IsBareFileName(name) || SameTextAscii(name, listFilePath.substr(directory.size())))
    return {};
  return directory + HostFileName(name);
}

std::string MissionFilePath(std::string_view gameDirectory, TMissionType type,
                            std::string_view missionFileName) {
  return std::string(gameDirectory) + std::string(MissionTypeDir(SingleMissionType(type))) +
         HostFileName(missionFileName);
}

std::string MissionDirectory(std::string_view gameDirectory, TMissionType type) {
  std::string path = MissionFilePath(gameDirectory, type, "");
  path.pop_back();
  return path;
}

bool IsXvTDirectory(std::string_view gameDirectory) {
  return std::all_of(MissionTypeDirs.begin(), MissionTypeDirs.end(), [&](std::string_view dir) {
    return DirectoryExists(std::string(gameDirectory) + std::string(dir));
  });
}

TListItemKind InstallParentKind(TMissionType type) {
  // Missions of battles and tournaments go under their entry; single missions under a group.
  return type == mtBattles || type == mtTournaments ? EntryKind(type) : GroupHeaderKind(type);
}

std::string WithListExtension(std::string_view name) {
  const std::string extension = ExtractFileExt(name);
  if (SameTextAscii(extension, ".lst"))
    return std::string(name);
  if (extension.empty())
    return std::string(name) + ".lst";
  return TextBefore(name, extension) + ".lst";
}

} // namespace flightdeck
