// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/Session.h"
#include "lists/ListFileItem.h"
#include "lists/MissionTree.h"
#include "lists/MissionTypes.h"
#include "platform/Outcome.h"

#include <string>
#include <string_view>

namespace flightdeck {

// What installing a mission file needs before an entry can be added for it.
enum class TCopyQuestion {
  None,      // the file already lies in the mission directory
  Replace,   // another file of that name is there: replace it?
  PlaceCopy, // none is there yet: place a copy?
};

struct TMissionCopy {
  std::string Source; // the chosen file, as chosen
  std::string Name;   // its name as the lists give it: Windows-1252, in lower case
  std::string Target; // the mission directory + that name in the host's spelling
  // Why no list can name the file, when none can: nothing else of the plan holds then.
  TMessage Refusal;
  TCopyQuestion Question = TCopyQuestion::None;
};

// How the mission file at `chosenPath` reaches the mission directory of `type`.
TMissionCopy PlanMissionCopy(std::string_view gameDirectory, TMissionType type,
                             std::string_view chosenPath);

// Enters `record` in the three Combat lists as an Engagement under the Campaign titled
// `groupTitle`, as is done for every mission installed in Battles or Combat; staged in
// `session`. Each is titled as `record` is, or by its file when it has no title; a side list
// that names the mission already keeps the title it gives it.
void AddMissionToCombatLists(TSession& session, const TListFileItem& record,
                             std::string_view groupTitle);

// The title the Combat lists give the mission file `target` (the neutral list first), if any:
// a mission installed again keeps it.
std::optional<std::string> CombatTitleOf(std::string_view gameDirectory, std::string_view target);

// A new mission entry of the file `target` under `parent`, titled `title` (else as new missions
// are), entered in the three
// Combat lists too when the tree is of Battles or Combat, as every installed mission is. The
// lists and the tree's list are staged in `session`.
TOutcome<TMissionNode*> AddInstalledMission(TSession& session, TMissionTree& tree,
                                            TMissionNode& parent, std::string_view name,
                                            const std::optional<std::string>& title);

// Installs the mission file at `chosenPath` into `tree` the way the window does when the user
// agrees to every copy: under the first node in tree order of the install parent kind whose
// label is `parentLabel`, as its last child, titled `title`. Staged in `session`.
TOutcome<> InstallMissionUnder(TSession& session, TMissionTree& tree, std::string_view chosenPath,
                               std::string_view parentLabel, std::string_view title);
// The same under `parent`, a node of the install parent kind.
TOutcome<> InstallMissionUnder(TSession& session, TMissionTree& tree, std::string_view chosenPath,
                               TMissionNode& parent, std::string_view title);

} // namespace flightdeck
