#pragma once

#include "lists/ListFileItem.h"
#include "lists/MissionTypes.h"

#include <string>
#include <string_view>

namespace flightdeck {

// The number a new entry holds until the next free one is known: the largest the number box
// can show, so that it blocks no low number while the numbers in use are gathered.
constexpr std::int32_t PlaceholderNumber = 9999;

// What installing a mission file needs before an entry can be added for it.
enum class TCopyQuestion {
  None,      // the file already lies in the mission directory
  Replace,   // another file of that name is there: replace it?
  PlaceCopy, // none is there yet: place a copy?
};

struct TMissionCopy {
  std::string Source; // the chosen file, as chosen
  std::string Target; // the mission directory + its name in lower case
  TCopyQuestion Question = TCopyQuestion::None;
};

// How the mission file at `chosenPath` reaches the mission directory of `type`.
TMissionCopy PlanMissionCopy(std::string_view gameDirectory, TMissionType type,
                             std::string_view chosenPath);

// The kind a mission is installed under in a list of `type` (Battle, Tournament or Campaign);
// the mission itself is of the kind after it.
TListItemKind InstallParentKind(TMissionType type);

// The record of a mission installed into a list of `type` from the file `target`: the name in
// lower case and the placeholder number 9999 until the next free one is known.
TListFileItem NewMissionRecord(TMissionType type, std::string_view target);

// Enters `record` in the three Combat lists as an Engagement under the Campaign titled
// `groupTitle`, as is done for every mission installed in Battles or Combat.
void AddMissionToCombatLists(std::string_view gameDirectory, const TListFileItem& record,
                             std::string_view groupTitle);

enum class TInstallOutcome { Installed, MissionFileMissing, NoSuchGroup };

// Installs the mission file at `chosenPath` into the list of `type` and `gender` the way the
// window does when the user agrees to every copy: under the first node in tree order of the
// install parent kind whose label is `parentLabel`, as its last child, with the title `title`.
// The list is then saved as after the entry's label was edited.
TInstallOutcome InstallMissionUnder(std::string_view gameDirectory, TMissionType type,
                                    TGender gender, std::string_view chosenPath,
                                    std::string_view parentLabel, std::string_view title);

// A battle file name as typed into the new-battle dialog, with its extension forced to ".lst".
std::string WithListExtension(std::string_view name);

} // namespace flightdeck
