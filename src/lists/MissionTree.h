#pragma once

#include "lists/ListFileItem.h"
#include "lists/MissionTypes.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace flightdeck {

// One node of the mission tree as the window shows it. Nodes come in tree order, which is the
// order of the list; a node owns the record it was made from.
struct TMissionTreeNode {
  std::unique_ptr<TListFileItem> Item;
  std::string Label; // Windows-1252, as the record's title is
  int Parent = -1;   // index of the parent node; -1 for a root node
  int Level = 0;     // 0 to 2
};

struct TMissionTree {
  std::vector<TMissionTreeNode> Nodes;
  bool HadCorruptEntry = false; // a record of kind Corrupt Entry got no node
};

// The tree of the list file of `gameDirectory`, `type` and `gender`. An Operation shows the
// title its mission has in the neutral list of the single-mission type (the last entry of
// that file name), and takes it as its own title.
TMissionTree LoadMissionTree(std::string_view gameDirectory, TMissionType type, TGender gender);

// The missions of the existing battle file `fileName` in the directory of the list of `type`,
// for a new Battle or Tournament `parent` (whose description lines the file's replace): one
// node each, labelled as a tree shows them, with Parent -1 and Level 0.
std::vector<TMissionTreeNode> LoadBattleMissions(std::string_view gameDirectory, TMissionType type,
                                                 TGender gender, std::string_view fileName,
                                                 TListFileItem& parent);

// Writes the records of a tree, in tree order, to the list file of `gameDirectory`, `type`
// and `gender`. For Battles the titles of the Operations are then carried into the
// Engagements of the same file name in the neutral Combat list, where they live.
void SaveMissionTree(std::string_view gameDirectory, TMissionType type, TGender gender,
                     const TListItemRefs& items);

} // namespace flightdeck
