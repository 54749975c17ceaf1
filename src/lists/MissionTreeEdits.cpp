// SPDX-License-Identifier: GPL-3.0-or-later
// The edits of the mission tree: new groups, battles and missions, removing, renaming, moving
// and renumbering.

#include "lists/MissionTree.h"

#include "lists/MissionTitles.h"
#include "lists/NextNumber.h"
#include "lists/TextHelpers.h"
#include "lists/TitleRules.h"
#include "lists/XvTListFile.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/PathNames.h"

#include <algorithm>

namespace flightdeck {

namespace {

const char* const CreditLine =
    "  Made with Flightdeck, the mission catalogue editor for X-wing vs. TIE Fighter.";

bool IsWithin(const TMissionNode* node, const TMissionNode& ancestor) {
  for (; node; node = node->Parent)
    if (node == &ancestor)
      return true;
  return false;
}

// The record of a mission installed into a list of `type` from the file `target`: the name in
// lower case and the placeholder number until the next free one is known.
TListFileItem NewMissionRecord(TMissionType type, std::string_view name) {
  TListFileItem record;
  record.Kind = static_cast<TListItemKind>(InstallParentKind(type) + 1);
  record.FileName = LowerCaseAscii(name);
  record.Number = PlaceholderNumber;
  return record;
}

// Gives the nodes from `first` on their places among `siblings` again.
void NumberRows(TMissionTree::TNodes& siblings, int first) {
  for (std::size_t row = static_cast<std::size_t>(first); row < siblings.size(); ++row)
    siblings[row]->Row = static_cast<std::int32_t>(row);
}

} // namespace

TMissionNode& TMissionTree::AddGroup() {
  TListFileItem record;
  record.Kind = GroupHeaderKind(FType);
  std::string label = "A New " + Trim(ListItemKindName(record.Kind));
  return Append(FRoots, nullptr, std::move(record), std::move(label));
}

TMissionNode* TMissionTree::BattleHeaderOf(const TMissionNode* selected) const {
  const TListItemKind headerKind = GroupHeaderKind(FType);
  if (!selected || !HasBattleFile(EntryKind(FType)) || selected->Record.Kind < headerKind)
    return nullptr;
  auto* header = const_cast<TMissionNode*>(selected);
  for (int up = selected->Record.Kind - headerKind; up > 0 && header; --up)
    header = header->Parent;
  return header;
}

TOutcome<TMissionNode*> TMissionTree::AddBattle(TMissionNode& header, std::string_view chosenName) {
  const std::string name = WithListExtension(ExtractFileName(chosenName));
  const std::string lowerName = LowerCaseAscii(name);
  // A battle file named like one of the category's lists would overwrite that list.
  if (std::any_of(ListFileNames.begin(), ListFileNames.end(),
                  [&](std::string_view list) { return SameTextAscii(list, name); }))
    return TOutcome<TMissionNode*>::Failure(
        {TRANSLATABLE("Message", "The List File \"%1\" is one of this category's own mission "
                                 "lists.  Please specify a list file of its own for the "
                                 "battle/tournament."),
         {lowerName}});
  const std::vector<TMissionNode*> nodes = Nodes();
  if (std::any_of(nodes.begin(), nodes.end(), [&](const TMissionNode* node) {
        return SameTextAscii(node->Record.FileName, name);
      }))
    return TOutcome<TMissionNode*>::Failure(
        {TRANSLATABLE("Message", "The List File \"%1\" is presently in use by another "
                                 "battle/tournament.  Please specify a list file that is not "
                                 "already in use."),
         {lowerName}});

  TListFileItem record;
  record.Kind = EntryKind(FType);
  record.Number = PlaceholderNumber;
  record.FileName = name;
  const std::string kindName(ListItemKindName(record.Kind));
  record.Description = {"  This " + LowerCaseAscii(kindName) +
                            " was created with the X-wing vs. TIE Fighter Forgeworks.",
                        CreditLine};
  TMissionNode& entry = Append(header.Children, &header, std::move(record), "A New " + kindName);
  entry.Record.Number = NextNumber(entry.Record.Kind);
  NumbersChanged();

  TXvTListFile list(FGameDirectory, FType, FSide);
  const std::string battleFile = BattleFilePath(list.FileName(), name);
  if (battleFile.empty() || !FileExists(battleFile))
    return &entry;
  list.LoadBattleFile(battleFile, entry.Record);
  FFilesRead.insert(FFilesRead.end(), list.FilesRead().begin(), list.FilesRead().end());
  TMissionTitles missionTitles(FGameDirectory, SingleMissionType(FType), gnNeutral);
  for (std::unique_ptr<TListFileItem>& item : list.TakeItems()) {
    std::string label = missionTitles.MissionLabel(*item);
    Append(entry.Children, &entry, std::move(*item), std::move(label));
  }
  return &entry;
}

TMissionNode* TMissionTree::MissionParentOf(const TMissionNode* node) const {
  if (!node)
    return nullptr;
  const TListItemKind parentKind = InstallParentKind(FType);
  if (node->Record.Kind == parentKind + 1)
    return node->Parent;
  return node->Record.Kind == parentKind ? const_cast<TMissionNode*>(node) : nullptr;
}

TMissionNode& TMissionTree::AddMission(TMissionNode& parent, std::string_view name) {
  TMissionNode& mission = Append(parent.Children, &parent, NewMissionRecord(FType, name),
                                 "A New X-wing vs. TIE Fighter Mission");
  mission.Record.Number = mission.Record.Kind == likEngagement ? NextNumber(likEngagement) : 0;
  NumbersChanged();
  return mission;
}

void TMissionTree::Remove(TMissionNode& node) {
  TNodes& siblings = SiblingsOf(node);
  const int row = node.Row;
  if (FObserver)
    FObserver->NodeRemoving(node);
  siblings.erase(siblings.begin() + row);
  NumberRows(siblings, row);
  NumbersChanged();
  if (FObserver)
    FObserver->NodeRemoved();
}

TOutcome<> TMissionTree::Rename(TMissionNode& node, std::string_view label) {
  const std::string title = label.empty() ? std::string(" ") : std::string(label);
  TMessage refusal = TitleRefusal(node.Record.Kind, title);
  if (!refusal.Empty())
    return TOutcome<>::Failure(std::move(refusal));
  node.Record.Title = title;
  if (FObserver)
    FObserver->NodeRelabelled(node);
  return TDone{};
}

TMissionNode* TMissionTree::Sibling(const TMissionNode& node, int offset) const {
  const TNodes& siblings = node.Parent ? node.Parent->Children : FRoots;
  const std::int64_t row = std::int64_t{node.Row} + offset;
  return row >= 0 && row < static_cast<std::int64_t>(siblings.size())
             ? siblings[static_cast<std::size_t>(row)].get()
             : nullptr;
}

bool TMissionTree::Move(TMissionNode& source, const TMissionNode& target) {
  const int sourceKind = source.Record.Kind;
  const int targetKind = target.Record.Kind;
  const TMissionNode* anchor = nullptr; // the node to land before, or in as first child
  bool asFirstChild = false;
  if (targetKind == sourceKind) {
    anchor = &target;
  } else if (targetKind == sourceKind - 1) {
    anchor = &target;
    asFirstChild = true;
  } else if (targetKind == sourceKind + 1) {
    anchor = target.Parent;
  } else if (targetKind == sourceKind + 2) {
    anchor = target.Parent ? target.Parent->Parent : nullptr;
  }
  if (!anchor || IsWithin(anchor, source))
    return false;

  TMissionNode* parent = asFirstChild ? const_cast<TMissionNode*>(anchor) : anchor->Parent;
  const int before = asFirstChild ? 0 : anchor->Row; // among the children as they stand now
  if (FObserver)
    FObserver->NodeMoving(source, parent, before);
  TNodes& from = SiblingsOf(source);
  const int row = source.Row;
  std::unique_ptr<TMissionNode> moving = std::move(from[static_cast<std::size_t>(row)]);
  from.erase(from.begin() + row);
  NumberRows(from, row);
  TNodes& into = parent ? parent->Children : FRoots;
  const int at = &into == &from && row < before ? before - 1 : before;
  moving->Parent = parent;
  into.insert(into.begin() + at, std::move(moving));
  NumberRows(into, at);
  if (FObserver)
    FObserver->NodeMoved();
  return true;
}

TRenumbering TMissionTree::PlanRenumbering(TMissionNode& entry, std::int32_t number) const {
  TRenumbering renumbering{&entry, number, nullptr, NextNumber(entry.Record.Kind)};
  for (TMissionNode* other : Nodes())
    if (other != &entry && other->Record.Kind == entry.Record.Kind &&
        other->Record.Number == number)
      renumbering.Clash = other; // the last in tree order
  return renumbering;
}

void TMissionTree::Renumber(const TRenumbering& renumbering) {
  renumbering.Entry->Record.Number = renumbering.Number;
  if (renumbering.Clash)
    renumbering.Clash->Record.Number = renumbering.Next;
  NumbersChanged();
}

} // namespace flightdeck
