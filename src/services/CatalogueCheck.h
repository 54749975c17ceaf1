// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/MissionTypes.h"
#include "missions/MissionFile.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flightdeck {

enum class TSeverity : std::uint8_t { Error, Warning, Note };

// What can be wrong with a game's catalogue.
enum class TProblem : std::uint8_t {
  // Errors: the game shows a broken entry, or less than the file holds.
  MissingMissionFile,
  MissingBattleFile,
  UnreadableBattleFile,
  UnreadableList,
  LfLineEnds,     // a line feed without a carriage return: the game reads one long line
  CtrlZBeforeEnd, // the game stops reading at the Ctrl-Z
  NotAMission,    // a listed file that is no mission of this game
  // Warnings.
  DuplicateMission,
  DuplicateNumber,
  UntitledMission, // a battle's mission without an entry in the neutral Combat list
  EmptyTitle,
  UnwritableTitle,
  UnwritableName,
  BattleCountMismatch,
  // Notes.
  UnlistedMissionFile,
  UnlistableName, // a file whose name no list can hold: it has characters outside Windows-1252
  LeftOverFile,   // what a save cut short left, until the next command that changes the game
  MissionType,    // a mission of a type the game does not play in the category it is listed in
};

// One problem found. List findings name the list and the record (by its place among the list's
// records, which is its place in the tree); a note names the mission folder. Texts are
// Windows-1252, as the game's are; names on disk are given as a list would name them.
struct TFinding {
  TProblem Problem = TProblem::MissingMissionFile;
  TMissionType Type = mtBattles;
  TGender Side = gnNeutral;
  std::string List;   // "COMBAT/REBEL.LST", below the game as spelled on disk; for a note "COMBAT"
  int Entry = -1;     // the record's index in list order; -1 for the list itself
  std::string Label;  // the entry as the tree labels it
  std::string File;   // the mission or battle file it is about, as the list names it
  std::string Detail; // why a file cannot be read
  // An unlistable name as the host spells it (UTF-8); `File` holds "?" for what the code page
  // lacks.
  std::string HostName;

  bool operator==(const TFinding&) const = default;
};

TSeverity SeverityOf(TProblem problem);
// What is wrong with `title` as the title of an entry of `kind`: empty, or not to be written
// back as it is; nothing when it is sound.
std::optional<TProblem> TitleProblem(TListItemKind kind, const std::string& title);
// Whether `problem` is one of an entry's title, which a rename may mend or make.
inline bool IsTitleProblem(TProblem problem) {
  return problem == TProblem::EmptyTitle || problem == TProblem::UnwritableTitle ||
         problem == TProblem::UntitledMission;
}
std::string_view SeverityName(TSeverity severity); // "error", "warning", "note"
std::string_view ProblemName(TProblem problem);    // "missing-mission-file" and the like
// The finding in words: "The mission file patrol1.tie is missing."
std::string FindingText(const TFinding& finding);
// Its words with "{file}" and "{detail}" standing for the finding's.
std::string_view FindingTemplate(TProblem problem);

// What to check: the whole game, a category, or one list. A check of a game or a category
// also notes the files in its mission folders that no list names.
// Whether the game plays a mission of `play` in `category`: a melee or combat mission is not one
// for Training, nor a training mission one for Melee.
bool PlayFitsCategory(TMissionPlay play, TMissionType category);

struct TCheckScope {
  std::optional<TMissionType> Type;
  std::optional<TGender> Side; // only with a type
};

// Checks the lists of the game (every side a category uses, or the one asked for), their
// battle files and the mission folders, comparing names without regard to case as the game
// does. Changes nothing. Findings come in list order, categories and sides in order, notes
// last, each handed to `found` as it is found. Raises EInOutError only when a folder of the
// game cannot be read at all.
void CheckCatalogue(const std::string& gameDirectory, const TCheckScope& scope,
                    const std::function<void(const TFinding&)>& found);
// The same, kept: the first MaxFindingsKept findings, and how many more there were in
// `unkept`.
std::vector<TFinding> CheckCatalogue(const std::string& gameDirectory,
                                     const TCheckScope& scope = {}, std::size_t* unkept = nullptr);

} // namespace flightdeck
