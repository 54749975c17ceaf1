// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EditCommands.h"

#include "app/Application.h"
#include "app/CoreText.h"
#include "app/ListText.h"
#include "journal/CommandNames.h"
#include "lists/TitleRules.h"

#include <utility>

namespace flightdeck {

std::optional<std::string> TEditCommands::LabelDone() {
  // The editor's commit and its closing both end one edit: the first writes it. A new entry
  // is written with its label.
  const bool renamed = std::exchange(FRenamed, false);
  if (FList.WriteAwaited() || !renamed || FList.CommitEdit(CommandNames::Rename, FRenamedFrom))
    return std::nullopt;
  return FRenamedTo;
}

void TEditCommands::LabelCancelled() {
  if (!FList.DropAwaited()) {
    (void)LabelDone();
    return;
  }
  FRenamed = false;
}

TMissionNode* TEditCommands::AddGroup() {
  TMissionTree* tree = FList.DocumentToEdit();
  return tree ? &tree->AddGroup() : nullptr;
}

TMissionNode* TEditCommands::AddBattle(TMissionNode* selected, const std::string& typed) {
  TMissionTree* tree = FList.DocumentToEdit();
  TMissionNode* header = tree ? tree->BattleHeaderOf(selected) : nullptr;
  if (typed.empty() || !header)
    return nullptr;
  const TOutcome<TMissionNode*> added = tree->AddBattle(*header, typed);
  if (!added)
    FPrompts.Tell(MessageText(added.ErrorMessage(), FromList));
  return added ? added.Value() : nullptr;
}

bool TEditCommands::LabelAcceptable(TListItemKind kind, const std::string& label) {
  const TMessage refusal = TitleRefusal(kind, label);
  if (!refusal.Empty())
    FPrompts.Tell(MessageText(refusal, FromList));
  return refusal.Empty();
}

void TEditCommands::Rename(TMissionNode& node, const std::string& label) {
  TMissionTree* tree = FList.DocumentToEdit();
  if (!tree)
    return;
  if (!FRenamed)
    FRenamedFrom = node.Label();
  FRenamed = tree->Rename(node, label).Ok() || FRenamed;
  FRenamedTo = label;
}

bool TEditCommands::Remove(TMissionNode& node) {
  TMissionTree* tree = FList.DocumentToEdit();
  if (!tree)
    return false;
  const std::string label = node.Label();
  tree->Remove(node);
  return FList.CommitEdit(CommandNames::Remove, label);
}

bool TEditCommands::Move(TMissionNode& node, TMissionNode& target, bool& moved) {
  TMissionTree* tree = FList.DocumentToEdit();
  moved = tree && tree->Move(node, target);
  return tree && (!moved || FList.CommitEdit(CommandNames::Move, node.Label()));
}

TEditCommands::TStep TEditCommands::MoveOnePlace(TMissionNode& node, bool up, TMissionNode*& past) {
  TMissionTree* document = FList.DocumentToEdit();
  if (!document)
    return TStep::ReadAgain;
  TMissionTree& tree = *document;
  past = tree.Sibling(node, up ? -1 : 1);
  if (!past)
    return MoveIntoNextGroup(tree, node, up);
  if (!(up ? tree.Move(node, *past) : tree.Move(*past, node)))
    return TStep::Refused;
  return FList.CommitEdit(CommandNames::Move, node.Label()) ? TStep::Moved : TStep::ReadAgain;
}

TEditCommands::TStep TEditCommands::MoveIntoNextGroup(TMissionTree& tree, TMissionNode& node,
                                                      bool up) {
  // At the edge of its group an entry goes on into the group before (as its last entry) or
  // after (as its first), as dropping it there would.
  TMissionNode* group = node.Parent ? tree.Sibling(*node.Parent, up ? -1 : 1) : nullptr;
  if (!group || group->Record.Kind != node.Parent->Record.Kind)
    return TStep::AtEdge;
  TMissionNode* last = up && !group->Children.empty() ? group->Children.back().get() : nullptr;
  if (!(last ? tree.Move(node, *last) && tree.Move(*last, node) : tree.Move(node, *group)))
    return TStep::AtEdge;
  return FList.CommitEdit(CommandNames::Move, node.Label()) ? TStep::Moved : TStep::ReadAgain;
}

} // namespace flightdeck
