// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EditCommands.h"

#include "app/Application.h"
#include "app/CoreText.h"
#include "app/ListText.h"
#include "lists/TitleRules.h"

namespace flightdeck {

void TEditCommands::LabelDone() {
  if (!FAwaiting) {
    FList.CommitEdit("rename", FRenamedFrom);
    return;
  }
  const TNewEntry entry = std::move(*FAwaiting);
  FAwaiting.reset();
  FList.Run(entry.Command, entry.NamedByFile ? entry.Node->Record.FileName : entry.Node->Label(),
            [&](TSession& session) {
              if (entry.Stage)
                entry.Stage(session);
              FList.Document()->Save(session);
              return true;
            });
}

TMissionNode* TEditCommands::AddBattle(TMissionNode* selected, const std::string& typed) {
  TMissionNode* header = FList.Document()->BattleHeaderOf(selected);
  if (typed.empty() || !header)
    return nullptr;
  const TOutcome<TMissionNode*> added = FList.Document()->AddBattle(*header, typed);
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
  FRenamedFrom = node.Label();
  (void)FList.Document()->Rename(node, label);
}

bool TEditCommands::Remove(TMissionNode& node) {
  const std::string label = node.Label();
  FList.Document()->Remove(node);
  return FList.CommitEdit("remove", label);
}

bool TEditCommands::Move(TMissionNode& node, TMissionNode& target, bool& moved) {
  moved = FList.Document()->Move(node, target);
  return !moved || FList.CommitEdit("move", node.Label());
}

TEditCommands::TStep TEditCommands::MoveOnePlace(TMissionNode& node, bool up, TMissionNode*& past) {
  TMissionTree& tree = *FList.Document();
  past = tree.Sibling(node, up ? -1 : 1);
  if (!past)
    return TStep::AtEdge;
  if (!(up ? tree.Move(node, *past) : tree.Move(*past, node)))
    return TStep::Refused;
  return FList.CommitEdit("move", node.Label()) ? TStep::Moved : TStep::ReadAgain;
}

} // namespace flightdeck
