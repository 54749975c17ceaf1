// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/MissionInstall.h"

#include "lists/MissionTitles.h"
#include "lists/MissionTree.h"
#include "lists/TextHelpers.h"
#include "lists/XvTListFile.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/HostNames.h"
#include "platform/PathNames.h"
#include "platform/Windows1252.h"

#include <algorithm>

namespace flightdeck {

TMissionCopy PlanMissionCopy(std::string_view gameDirectory, TMissionType type,
                             std::string_view chosenPath) {
  TMissionCopy copy;
  copy.Source = std::string(chosenPath);
  const std::optional<std::string> name = GameFileName(ExtractFileName(chosenPath));
  if (!name) {
    copy.Refusal = {TRANSLATABLE("Message", "The mission file \"%1\" cannot be installed: %2."),
                    {LenientUtf8(chosenPath), UnlistableNameReason()}};
    return copy;
  }
  copy.Name = LowerCaseAscii(*name);
  copy.Target = MissionFilePath(gameDirectory, type, copy.Name);
  if (!IsSameFile(copy.Source, copy.Target))
    copy.Question = FileExists(copy.Target) ? TCopyQuestion::Replace : TCopyQuestion::PlaceCopy;
  return copy;
}

void AddMissionToCombatLists(TSession& session, const TListFileItem& record,
                             std::string_view groupTitle) {
  // Every side titles the mission as the entry installed does, by its file when that has no
  // title: the game shows an untitled entry as a blank line.
  TListFileItem titled = record;
  if (titled.Title.find_first_not_of(' ') == std::string::npos)
    titled.Title = record.FileName;
  for (const TGender side : {gnNeutral, gnRebel, gnImperial}) {
    TXvTListFile list(session.GameDirectory(), mtCombat, side);
    list.LoadFromFile();
    session.Expect(list.FilesRead());
    // A side that titles the mission already keeps its own title.
    TListFileItem entry = titled;
    if (side != gnNeutral)
      for (const auto& item : list.Items())
        if (SameTextAscii(item->FileName, record.FileName))
          entry.Title = item->Title;
    list.AddMission(entry, groupTitle);
    list.Save(session.Files());
  }
}

std::optional<std::string> CombatTitleOf(std::string_view gameDirectory, std::string_view name) {
  return TMissionTitles(gameDirectory, mtCombat, gnNeutral).Find(std::string(name));
}

TOutcome<TMissionNode*> AddInstalledMission(TSession& session, TMissionTree& tree,
                                            TMissionNode& parent, std::string_view name,
                                            const std::optional<std::string>& title) {
  TMissionNode& mission = tree.AddMission(parent, name);
  const TOutcome<> renamed = title ? tree.Rename(mission, *title) : TOutcome<>(TDone{});
  if (!renamed) {
    tree.Remove(mission);
    return TOutcome<TMissionNode*>::Failure(renamed.Error());
  }
  if (tree.MissionType() == mtBattles || tree.MissionType() == mtCombat)
    AddMissionToCombatLists(session, mission.Record, parent.Label());
  tree.Save(session);
  return &mission;
}

TOutcome<> InstallMissionUnder(TSession& session, TMissionTree& tree, std::string_view chosenPath,
                               std::string_view parentLabel, std::string_view title) {
  const TListItemKind parentKind = InstallParentKind(tree.MissionType());
  const std::vector<TMissionNode*> nodes = tree.Nodes();
  const auto parent = std::find_if(nodes.begin(), nodes.end(), [&](const TMissionNode* node) {
    return node->Record.Kind == parentKind && node->Label() == parentLabel;
  });
  if (parent == nodes.end())
    return TOutcome<>::Failure(
        {TRANSLATABLE("Message", "the list has no %1 labelled \"%2\""),
         {TMessage::Own(ListItemKindName(parentKind).data()), std::string(parentLabel)}});
  return InstallMissionUnder(session, tree, chosenPath, **parent, title);
}

TOutcome<> InstallMissionUnder(TSession& session, TMissionTree& tree, std::string_view chosenPath,
                               TMissionNode& parent, std::string_view title) {
  // The copy and every list the install changes are put in place together.
  const TMissionCopy copy = PlanMissionCopy(tree.GameDirectory(), tree.MissionType(), chosenPath);
  if (!copy.Refusal.Empty())
    return TOutcome<>::Failure(copy.Refusal);
  if (copy.Question != TCopyQuestion::None && FileExists(copy.Source))
    session.Files().StageCopy(copy.Source, copy.Target);
  if (!session.Files().FileExists(copy.Target))
    return TOutcome<>::Failure({TRANSLATABLE("Message", "the mission file \"%1\" does not exist"),
                                {std::string(chosenPath)}});
  const TOutcome<TMissionNode*> added =
      AddInstalledMission(session, tree, parent, copy.Name, std::string(title));
  return added ? TOutcome<>(TDone{}) : TOutcome<>::Failure(added.ErrorMessage());
}

} // namespace flightdeck
