// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/Session.h"
#include "lists/MissionTypes.h"
#include "lists/PackageItem.h"
#include "packs/PackMissions.h"
#include "packs/PackRecord.h"
#include "packs/PackRemoval.h"
#include "platform/Outcome.h"
#include "platform/TemporaryFolder.h"
#include "zip/ZipArchiver.h"

#include <optional>
#include <string>
#include <vector>

namespace flightdeck {

// The script of a pack: the first entry, in listing order, whose name after its first "." is
// "mcl"; failing that, the first whose last extension is ".mcl" (a pack named with more dots);
// empty when there is none. `listing` holds the entry names as the archive lists them.
std::string FindInstallScript(const std::vector<std::string>& listing);

// The entries of a pack to add to the lists, or why the pack cannot go in; its notes say what
// was left out or changed on the way.
using TPackFiles = TOutcome<std::vector<TPackageItem>>;

inline const char* const NoInstallScriptMessage = TRANSLATABLE(
    "Message", "Flightdeck was unable to locate the installation script for this package!");

// Why a script that names no entry is refused: empty, not a script, or its lines not ended as
// a script's are.
inline const char* const EmptyScriptReason =
    TRANSLATABLE("Message", "it names nothing to install (a script names its entries in lines "
                            "ended by CR LF)");
// Where the script `script` of a pack is once extracted into `folder`.
std::string ExtractedScriptPath(const TTemporaryFolder& folder, const std::string& script);

// Reads the script of a listed pack for a list of `type`, from a private folder: the entries
// it names, or why it cannot be read (a script that names nothing cannot); titles the lists could
// not hold unchanged are mended, and names that are not plain file names left out, each with a
// note.
TPackFiles ReadPackScript(TZipArchiver& zipManager, const std::vector<std::string>& listing,
                          TMissionType type);

// The text file of a listed pack that describes it: "readme.txt" (any letter case), else its
// first file ending in ".txt"; empty when it has none. It is never installed.
std::string FindPackReadme(const std::vector<std::string>& listing);
// That description, as UTF-8 (a text not in UTF-8 is read as Windows-1252); none when the pack
// has none, or it cannot be read or is larger than MaxPackReadmeSize.
std::optional<std::string> ReadPackReadme(TZipArchiver& zipManager,
                                          const std::vector<std::string>& listing);

// The category a listed pack suits, with `shown` the category on view: a pack of battles or
// tournaments (its groups name battle files) goes to Battles, or to Tournaments while those are
// shown; a collection of campaigns goes to the category shown, unless that is Battles or
// Tournaments, which would take its missions into their last battle: then to Combat.
TMissionType SuitedCategory(TZipArchiver& zipManager, const std::vector<std::string>& listing,
                            TMissionType shown);

// Takes a listed pack apart: extracts its script into a private folder, reads it for a list of
// `type`, and stages the missions it names for the mission directory of `type`, each once. A
// name that is not a plain file name, or that is the name of a list file, is left out with a
// note, and titles the lists could not hold unchanged are mended with a note. Nothing of the
// game changes: the missions are staged in `staging`, and only when every one came out.
TPackFiles ExtractPackFiles(TFileTransaction& staging, TZipArchiver& zipManager,
                            const std::vector<std::string>& listing,
                            const std::string& gameDirectory, TMissionType type);

// The lists a pack installed into the list of `type` and `side` extends: that list (unless
// `type` is Combat) and, for Battles and Combat, the three Combat lists.
std::vector<TMissionListId> ListsAPackExtends(TMissionType type, TGender side);

// Adds the entries of a pack to the lists they belong in, those of ListsAPackExtends. A battle or
// tournament whose battle file name is taken in its folder (or twice in the pack) gets a free
// name of its own; the notes say which. The lists are staged in `staging`; `read` receives the
// files they were made from, and `record` the lists and the entries each received.
std::vector<TMessage> AddPackToLists(TFileTransaction& staging, TFilesRead& read,
                                     const std::string& gameDirectory, TMissionType type,
                                     TGender side, std::vector<TPackageItem> items,
                                     TPackRecord& record);

// What the status line says after a pack went in: "5 missions added to Dark Times".
TMessage PackInstallSummary(const std::vector<TPackageItem>& items, TGender side);

// The titles, for `side`, of the pack's groups and series.
std::vector<std::string> PackGroupTitles(const std::vector<TPackageItem>& items, TGender side);

// What installing a pack would do: the entries each list receives (its title there), and the
// files it adds or replaces, named below the game directory.
struct TPlannedEntry {
  std::string List;
  TListItemKind Kind;
  std::string Title;
  std::string File;   // its mission or battle file, if any
  std::string Battle; // for a mission of a battle or tournament: that one's title
};
struct TPlannedFile {
  std::string File;
  bool Replaces;
};
struct TPackPlan {
  std::vector<TPlannedEntry> Entries;
  std::vector<TPlannedFile> Files;
  std::vector<TPackageItem> Items; // what the lists receive
  std::vector<TMessage> Notes;     // what was left out or changed on the way
  // The pack's missions that are no missions of this game, each with why: the install takes
  // them all the same, once the user agrees.
  std::vector<TNonMission> NonMissions;
  TPackRecord Record;                   // kept with the install's entry of the history
  std::optional<TPackRemoval> Replaced; // the pack it takes out first, if any
};

// An installed pack an install takes out first, in the same command, putting its own entries
// where that one's were: the entry `Id` of `History` that installed it; none for Id 0.
struct TPackReplacing {
  const TGameHistory* History = nullptr;
  int Id = 0;
};

// The plan of installing a listed pack, found by staging the install and dropping it: nothing
// of the game changes. A file the install would write again as it is is no part of it.
TOutcome<TPackPlan> PlanPackInstall(TZipArchiver& zipManager,
                                    const std::vector<std::string>& listing,
                                    const std::string& gameDirectory, TMissionType type,
                                    TGender side, const TPackReplacing& replacing = {});
// The same, keeping the install staged in `staging`, and in `read` the files it was made from,
// so that InstallPlannedPack can put it in place without taking the pack apart again.
TOutcome<TPackPlan> PlanPackInstall(TFileTransaction& staging, TFilesRead& read,
                                    TZipArchiver& zipManager,
                                    const std::vector<std::string>& listing,
                                    const std::string& gameDirectory, TMissionType type,
                                    TGender side, const TPackReplacing& replacing = {});
// Hands an install planned that way to `session`, which puts it in place when it commits,
// unless one of the files it was made from changed since (EChangedOnDisk, nothing written).
void InstallPlannedPack(TSession& session, TFileTransaction& staging, const TFilesRead& read,
                        const TPackPlan& plan);

// Stages the install of a listed pack whole in `session`: when it commits, the pack's missions
// and every list and battle file it changes are put in place together, or none is. A mission
// that is no mission of this game refuses the pack, or goes in with a note, as `nonMissions`
// says. The pack installed by entry `replacing` of the game's history (none for 0) goes first.
TOutcome<> InstallPack(TSession& session, TZipArchiver& zipManager,
                       const std::vector<std::string>& listing, TMissionType type, TGender side,
                       TNonMissions nonMissions, int replacing = 0);

} // namespace flightdeck
