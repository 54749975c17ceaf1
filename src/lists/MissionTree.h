// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/Session.h"
#include "lists/ListFileItem.h"
#include "lists/MissionTypes.h"
#include "platform/Outcome.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace flightdeck {

// One node of the mission tree: a record of the list, whose title is the label the tree shows
// for it and the title the list is written with.
struct TMissionNode {
  TListFileItem Record;
  TMissionNode* Parent = nullptr;
  std::vector<std::unique_ptr<TMissionNode>> Children;
  std::int32_t Row = 0; // its place among its siblings

  int Level() const;                                        // 0 for a root node
  const std::string& Label() const { return Record.Title; } // Windows-1252, as titles are
};

// Told of each change of a tree's nodes and labels, before and after it, so that a view over
// the tree can follow. Loading tells nothing: a tree is watched only once it is loaded.
class TMissionTreeObserver {
public:
  virtual ~TMissionTreeObserver() = default;
  // A node comes in at `row` of `parent`'s children (null: the top level).
  virtual void NodeInserting(const TMissionNode* parent, int row) = 0;
  virtual void NodeInserted() = 0;
  virtual void NodeRemoving(const TMissionNode& node) = 0;
  virtual void NodeRemoved() = 0;
  // `node` goes before `row` of `parent`'s children as they stand before the move.
  virtual void NodeMoving(const TMissionNode& node, const TMissionNode* parent, int row) = 0;
  virtual void NodeMoved() = 0;
  virtual void NodeRelabelled(const TMissionNode& node) = 0;
};

// A node with its label, as a pack is built from it.
struct TPackNode {
  const TListFileItem* Item;
  std::string Label;
};

// What giving an entry a number means: the number, and the entry that holds it already, if
// any, which would get the next free number.
struct TRenumbering {
  TMissionNode* Entry = nullptr;
  std::int32_t Number = 0;
  TMissionNode* Clash = nullptr;
  std::int32_t Next = 0; // the next free number before the change
};

// The mission tree of one list file: the document that the window shows and the command line
// edits. It holds the list's records as nodes in three levels (group header, entry, mission)
// and is changed only through the operations below; a list is written back only when the tree
// differs from what was last read or written.
class TMissionTree {
public:
  using TNodes = std::vector<std::unique_ptr<TMissionNode>>;

  // An empty tree of the list of `gameDirectory`, `type` and `side`; touches no file.
  TMissionTree(std::string gameDirectory, TMissionType type, TGender side);

  // Reads the list. An Operation shows the title its mission has in the neutral list of the
  // single-mission type (the last entry of that file name), and takes it as its own title.
  void Load();
  // Stages the list in `transaction` when the tree differs from the list as last read or
  // written; true if it did. For Battles the titles of the Operations are then carried into the
  // Engagements of the same file name in the neutral Combat list, where they live.
  bool Save(TFileTransaction& transaction);
  // The same in `session`, which is told that the change was made from the files the tree read.
  bool Save(TSession& session);
  bool Changed() const;
  // The files the tree was read from, as they were read or, after Written, as written.
  const TFilesRead& FilesRead() const { return FFilesRead; }
  // The staged files of a save are now on disk: what the tree was read from is what they hold.
  void Written(const std::vector<TFileTransaction::TStagedFile>& files);

  TMissionType MissionType() const { return FType; }
  TGender Side() const { return FSide; }
  const std::string& GameDirectory() const { return FGameDirectory; }
  bool HadCorruptEntry() const { return FHadCorruptEntry; } // a record that got no node
  std::size_t RecordsRead() const { return FRecordsRead; }  // by the last Load
  const TNodes& Roots() const { return FRoots; }
  // The node `offset` places after `node` among its siblings (before it when negative), if any.
  TMissionNode* Sibling(const TMissionNode& node, int offset) const;
  std::vector<TMissionNode*> Nodes() const; // in tree order, which is the list's order
  // The node after `node` in tree order, the first after the last; the first for null.
  TMissionNode* NextInTreeOrder(const TMissionNode* node) const;
  // The first node after `from` in tree order, round to the top again and ending with `from`
  // itself, whose label or file name holds `text` in any letter case; null for none.
  TMissionNode* FindText(const TMissionNode* from, std::string_view text) const;
  // Tells `observer` (null: no one) of every change from now on.
  void SetObserver(TMissionTreeObserver* observer) { FObserver = observer; }

  // The records of nodes `first` to `last` (indexes in tree order), titled with their labels.
  std::vector<TListFileItem> CollectTreeItems(int first, int last) const;
  // The smallest number no entry of `kind` uses; kept from one change of numbers to the next.
  std::int32_t NextNumber(TListItemKind kind) const;

  // Finding nodes: the first of a label in tree order, or the node the labels lead to from the
  // top, one level each.
  TMissionNode* FindLabel(std::string_view label) const;
  TMissionNode* FindPath(const std::vector<std::string>& labels) const;

  // A new group header, "A New War" and the like, at the end of the top level.
  TMissionNode& AddGroup();
  // The group header a new Battle or Tournament goes under when `selected` is selected: the
  // War or Tournament Series holding it; null for none or in a list without battle files.
  TMissionNode* BattleHeaderOf(const TMissionNode* selected) const;
  // A new Battle or Tournament with the battle file `chosenName` (its extension made ".lst")
  // as the last child of `header`, with the next free number. When that file exists, its
  // missions come as children. Fails for a name the list already uses or one of the
  // category's list file names.
  TOutcome<TMissionNode*> AddBattle(TMissionNode& header, std::string_view chosenName);
  // The node a mission goes under when `node` is selected: a Campaign, Battle or Tournament
  // itself, the parent of one of their missions; else null.
  TMissionNode* MissionParentOf(const TMissionNode* node) const;
  // A new mission of the file the list names `name` (in lower case) as the last child of
  // `parent`, with the next free Engagement number (0 for an Operation or Contest).
  TMissionNode& AddMission(TMissionNode& parent, std::string_view name);
  // Takes `node` and everything under it out of the tree.
  void Remove(TMissionNode& node);
  // Gives `node` the label `label` (" " for an empty one). Fails for a title that would not
  // read back from the list.
  TOutcome<> Rename(TMissionNode& node, std::string_view label);
  // Moves `source` as it is dropped on `target`: before a node of its own kind, as the first
  // child of a node one level up, before the parent or grandparent of a node one or two levels
  // down. False when that is no move (other kinds, no such node, into itself).
  bool Move(TMissionNode& source, const TMissionNode& target);
  // What giving `entry` the number `number` would do; Renumber carries it out, clash and all.
  TRenumbering PlanRenumbering(TMissionNode& entry, std::int32_t number) const;
  void Renumber(const TRenumbering& renumbering);
  // The nodes a pack is built from when `node` is chosen: it and everything under it.
  std::vector<TPackNode> PackBranch(const TMissionNode& node) const;

private:
  TNodes& SiblingsOf(const TMissionNode& node);
  TMissionNode& Append(TNodes& siblings, TMissionNode* parent, TListFileItem record,
                       std::string label);
  void NumbersChanged() { FNextNumbers.fill(-1); }
  std::string RecordsDigest() const; // of the records as the list would be written now

  TMissionTreeObserver* FObserver = nullptr;
  mutable std::array<std::int32_t, likCorruptEntry> FNextNumbers; // by kind; -1: not known

  std::string FGameDirectory;
  TMissionType FType;
  TGender FSide;
  TNodes FRoots;
  bool FHadCorruptEntry = false;
  std::size_t FRecordsRead = 0;
  std::string FStoredDigest; // of the list as last read or written
  TFilesRead FFilesRead;
};

} // namespace flightdeck
