// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace flightdeck {

// Mission type (category): the index of the window's category tab.
enum TMissionType : std::uint8_t {
  mtBattles = 0,
  mtCombat = 1,
  mtMelee = 2,
  mtTournaments = 3,
  mtTraining = 4,
};
constexpr int MissionTypeCount = 5;

// Gender (side); the first one is 1.
enum TGender : std::uint8_t {
  gnNeutral = 1,
  gnRebel = 2,
  gnImperial = 3,
};

// Kind of a list record.
enum TListItemKind : std::uint8_t {
  likCampaign = 0,
  likEngagement = 1,
  likWar = 2,
  likBattle = 3,
  likOperation = 4,
  likTournamentSeries = 5,
  likTournament = 6,
  likContest = 7,
  likCorruptEntry = 8,
};

extern const std::array<std::string_view, 5> MissionTypeDirs;   // "battle\" ... "train\"
extern const std::array<std::string_view, 3> ListFileNames;     // by side - 1
extern const std::array<std::string_view, 9> ListItemKindNames; // by kind
// True for the name of a list file ("Mission.LST"), in any letter case.
bool IsListFileName(std::string_view name);

// Checked access to the tables: a code outside a table's range raises std::invalid_argument.
TMissionType CheckedMissionType(int code);
TGender CheckedSide(int code);
std::string_view MissionTypeDir(TMissionType type);
std::string_view ListFileName(TGender side);
std::string_view ListItemKindName(TListItemKind kind);

// The kinds a list of each mission type consists of.
TListItemKind GroupHeaderKind(TMissionType type); // War, Tournament Series or Campaign
TListItemKind EntryKind(TMissionType type);       // Battle, Tournament or Engagement
// Battles, Melee and Tournaments: the game reads only their Neutral list.
bool IsNeutralOnly(TMissionType type);
inline bool IsGroupHeader(TListItemKind kind) {
  return kind == likCampaign || kind == likWar || kind == likTournamentSeries;
}
inline bool IsEntry(TListItemKind kind) {
  return kind == likEngagement || kind == likBattle || kind == likTournament;
}
// Battle and Tournament; their missions are kind + 1.
inline bool HasBattleFile(TListItemKind kind) {
  return kind == likBattle || kind == likTournament;
}
// Engagement, Operation, Contest: a mission file.
inline bool IsMission(TListItemKind kind) {
  return kind == likEngagement || kind == likOperation || kind == likContest;
}
// The kind a mission is installed under in a list of `type` (Battle, Tournament or Campaign);
// the mission itself is of the kind after it.
TListItemKind InstallParentKind(TMissionType type);

// The type whose directory holds the mission files of `type`: Battles use Combat,
// Tournaments use Melee, the others themselves.
TMissionType SingleMissionType(TMissionType type);

// Paths, composed by plain concatenation onto a game directory that ends with a separator. The
// game directory is kept as the user chose it; the names below it are the game's own, in
// lower case, and the file system's lookup finds them in any case. A battle or mission file
// name from a list is given its host spelling (see HostFileName).
std::string ListFilePath(std::string_view gameDirectory, TMissionType type, TGender side);
std::string ListFileDirectory(std::string_view listFilePath);
// The battle file of an entry of the list `listFilePath`: the entry's file name without
// surrounding blanks, in the list's directory. "" when that name would lead out of the
// directory (not a plain file name) or names the list itself: such an entry has no battle
// file, neither read nor written.
std::string BattleFilePath(std::string_view listFilePath, std::string_view battleFileName);
// A battle file name as typed into the new-battle dialog, with its extension forced to ".lst".
std::string WithListExtension(std::string_view name);
std::string MissionFilePath(std::string_view gameDirectory, TMissionType type,
                            std::string_view missionFileName);
// The directory of a type's mission files without its trailing separator.
std::string MissionDirectory(std::string_view gameDirectory, TMissionType type);

// True when all five category sub-directories exist below `gameDirectory`.
bool IsXvTDirectory(std::string_view gameDirectory);

} // namespace flightdeck
