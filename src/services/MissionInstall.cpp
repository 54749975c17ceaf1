#include "services/MissionInstall.h"

#include "lists/MissionTree.h"
#include "lists/XvTListFile.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/FileTransaction.h"
#include "platform/PathNames.h"

#include <algorithm>

namespace flightdeck {

TMissionCopy PlanMissionCopy(std::string_view gameDirectory, TMissionType type,
                             std::string_view chosenPath) {
  TMissionCopy copy;
  copy.Source = std::string(chosenPath);
  copy.Target = MissionFilePath(gameDirectory, type, LowerCaseAscii(ExtractFileName(chosenPath)));
  if (!IsSameFile(copy.Source, copy.Target))
    copy.Question = FileExists(copy.Target) ? TCopyQuestion::Replace : TCopyQuestion::PlaceCopy;
  return copy;
}

void AddMissionToCombatLists(std::string_view gameDirectory, const TListFileItem& record,
                             std::string_view groupTitle) {
  for (const TGender gender : {gnNeutral, gnRebel, gnImperial}) {
    TXvTListFile list(gameDirectory, mtCombat, gender);
    list.LoadFromFile();
    list.AddMission(record, groupTitle);
    list.Save();
  }
}

TMissionNode& AddInstalledMission(TMissionTree& tree, TMissionNode& parent,
                                  std::string_view target) {
  TMissionNode& mission = tree.AddMission(parent, target);
  if (tree.MissionType() == mtBattles || tree.MissionType() == mtCombat)
    AddMissionToCombatLists(tree.GameDirectory(), mission.Record, parent.Label);
  return mission;
}

TOutcome<> InstallMissionUnder(TMissionTree& tree, std::string_view chosenPath,
                               std::string_view parentLabel, std::string_view title) {
  const TListItemKind parentKind = InstallParentKind(tree.MissionType());
  const std::vector<TMissionNode*> nodes = tree.Nodes();
  const auto parent = std::find_if(nodes.begin(), nodes.end(), [&](const TMissionNode* node) {
    return node->Record.Kind == parentKind && node->Label == parentLabel;
  });
  if (parent == nodes.end())
    return TOutcome<>::Failure("the list has no " + std::string(ListItemKindName(parentKind)) +
                               " labelled \"" + std::string(parentLabel) + "\"");

  // The copy and every list the install changes are put in place together.
  TFileTransaction transaction;
  const TMissionCopy copy = PlanMissionCopy(tree.GameDirectory(), tree.MissionType(), chosenPath);
  if (copy.Question != TCopyQuestion::None && FileExists(copy.Source))
    CopyFileReplacing(copy.Source, copy.Target);
  if (!FileExists(copy.Target))
    return TOutcome<>::Failure("the mission file \"" + std::string(chosenPath) +
                               "\" does not exist");
  TMissionNode& mission = AddInstalledMission(tree, **parent, copy.Target);
  const TOutcome<> renamed = tree.Rename(mission, title);
  if (!renamed)
    return renamed;
  tree.Save();
  transaction.Commit();
  return TDone{};
}

} // namespace flightdeck
