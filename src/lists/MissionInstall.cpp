#include "lists/MissionInstall.h"

#include "lists/MissionTree.h"
#include "lists/NextNumber.h"
#include "lists/TextHelpers.h"
#include "lists/XvTListFile.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/FileTransaction.h"

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

TListItemKind InstallParentKind(TMissionType type) {
  // Missions of battles and tournaments go under their entry; single missions under a group.
  return type == mtBattles || type == mtTournaments ? EntryKind(type) : GroupHeaderKind(type);
}

TListFileItem NewMissionRecord(TMissionType type, std::string_view target) {
  TListFileItem record;
  record.Kind = static_cast<TListItemKind>(InstallParentKind(type) + 1);
  record.FileName = LowerCaseAscii(ExtractFileName(target));
  record.Number = PlaceholderNumber;
  return record;
}

void AddMissionToCombatLists(std::string_view gameDirectory, const TListFileItem& record,
                             std::string_view groupTitle) {
  for (const TGender gender : {gnNeutral, gnRebel, gnImperial}) {
    TXvTListFile list(gameDirectory, mtCombat, gender);
    list.LoadFromFile();
    list.AddMission(record, groupTitle);
    list.SaveToFile(list.ItemRefs());
  }
}

TInstallOutcome InstallMissionUnder(std::string_view gameDirectory, TMissionType type,
                                    TGender gender, std::string_view chosenPath,
                                    std::string_view parentLabel, std::string_view title) {
  // The copy and every list the install changes are put in place together.
  TFileTransaction transaction;
  const TMissionCopy copy = PlanMissionCopy(gameDirectory, type, chosenPath);
  if (copy.Question != TCopyQuestion::None && FileExists(copy.Source))
    CopyFileReplacing(copy.Source, copy.Target);
  if (!FileExists(copy.Target))
    return TInstallOutcome::MissionFileMissing;

  TMissionTree tree = LoadMissionTree(gameDirectory, type, gender);
  std::vector<TMissionTreeNode>& nodes = tree.Nodes;
  const TListItemKind parentKind = InstallParentKind(type);
  const auto parent = std::find_if(nodes.begin(), nodes.end(), [&](const TMissionTreeNode& node) {
    return node.Item->Kind == parentKind && node.Label == parentLabel;
  });
  if (parent == nodes.end())
    return TInstallOutcome::NoSuchGroup;

  // The new node comes after everything below its parent.
  auto end = parent + 1;
  while (end != nodes.end() && end->Level > parent->Level)
    ++end;
  TMissionTreeNode added;
  added.Item = std::make_unique<TListFileItem>(NewMissionRecord(type, copy.Target));
  added.Parent = static_cast<int>(parent - nodes.begin());
  added.Level = parent->Level + 1;
  const std::string groupTitle = parent->Label;
  TListFileItem& record = *nodes.insert(end, std::move(added))->Item;

  TListItemRefs items;
  for (TMissionTreeNode& node : nodes) {
    if (node.Item.get() != &record)
      node.Item->Title = node.Label;
    items.push_back(node.Item.get());
  }
  record.Number = record.Kind == likEngagement ? NextNumber(likEngagement, items) : 0;
  if (type == mtBattles || type == mtCombat)
    AddMissionToCombatLists(gameDirectory, record, groupTitle);
  record.Title = title;
  SaveMissionTree(gameDirectory, type, gender, items);
  transaction.Commit();
  return TInstallOutcome::Installed;
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
