#include "lists/MissionTree.h"

#include "lists/MissionTitles.h"
#include "lists/XvTListFile.h"
#include "platform/AsciiCase.h"

namespace flightdeck {

namespace {

// The label of a mission of a battle or tournament, which an Operation also takes as its title.
std::string MissionLabel(TListFileItem& item, TMissionTitles& missionTitles) {
  std::string label = item.Title.empty() ? item.FileName : item.Title;
  if (item.Kind == likOperation) {
    if (const auto title = missionTitles.Find(item.FileName))
      label = *title;
    item.Title = label;
  }
  return label;
}

} // namespace

TMissionTree LoadMissionTree(std::string_view gameDirectory, TMissionType type, TGender gender) {
  TXvTListFile list(gameDirectory, type, gender);
  list.LoadFromFile();
  TMissionTitles missionTitles(gameDirectory, SingleMissionType(type), gnNeutral);

  TMissionTree tree;
  int currentRoot = -1;
  int currentEntry = -1;
  for (std::unique_ptr<TListFileItem>& item : list.Items()) {
    TMissionTreeNode node;
    node.Label = item->Title.empty() ? item->FileName : item->Title;
    const int index = static_cast<int>(tree.Nodes.size());
    if (IsGroupHeader(item->Kind)) {
      currentRoot = index;
    } else if (IsEntry(item->Kind)) {
      node.Parent = currentRoot;
      currentEntry = index;
    } else if (item->Kind == likOperation || item->Kind == likContest) {
      node.Label = MissionLabel(*item, missionTitles);
      node.Parent = currentEntry;
    } else {
      tree.HadCorruptEntry = tree.HadCorruptEntry || item->Kind == likCorruptEntry;
      continue; // no node: the record goes with the list
    }
    node.Level = node.Parent < 0 ? 0 : tree.Nodes[static_cast<std::size_t>(node.Parent)].Level + 1;
    node.Item = std::move(item);
    tree.Nodes.push_back(std::move(node));
  }
  return tree;
}

std::vector<TMissionTreeNode> LoadBattleMissions(std::string_view gameDirectory, TMissionType type,
                                                 TGender gender, std::string_view fileName,
                                                 TListFileItem& parent) {
  TXvTListFile list(gameDirectory, type, gender);
  list.LoadBattleFile(BattleFilePath(list.FileName(), fileName), parent);
  TMissionTitles missionTitles(gameDirectory, SingleMissionType(type), gnNeutral);
  std::vector<TMissionTreeNode> nodes;
  for (std::unique_ptr<TListFileItem>& item : list.Items()) {
    TMissionTreeNode node;
    node.Label = MissionLabel(*item, missionTitles);
    node.Item = std::move(item);
    nodes.push_back(std::move(node));
  }
  return nodes;
}

void SaveMissionTree(std::string_view gameDirectory, TMissionType type, TGender gender,
                     const TListItemRefs& items) {
  TXvTListFile list(gameDirectory, type, gender);
  list.SaveToFile(items);
  if (type != mtBattles)
    return;
  TXvTListFile combat(gameDirectory, SingleMissionType(type), gnNeutral);
  combat.LoadFromFile();
  TXvTListFile::CopyTitles(likEngagement, likOperation, combat.ItemRefs(), items);
  combat.SaveToFile(combat.ItemRefs());
}

} // namespace flightdeck
