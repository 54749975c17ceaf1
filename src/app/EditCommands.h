// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include "app/ListController.h"
#include "app/Prompts.h"

#include <functional>
#include <optional>
#include <string>

namespace flightdeck {

// Editing the list: new groups, battles and entries, renaming, moving and removing, each one
// operation of the document written at once as one command, through the list controller and
// the prompts. A new entry is written once the user has given it its label.
class TEditCommands {
  Q_DECLARE_TR_FUNCTIONS(TEditCommands)

public:
  TEditCommands(TListController& list, TPrompts& prompts) : FList(list), FPrompts(prompts) {}

  // The label editor closed, or a label was set: the new entry waiting for its label, else the
  // rename, is written as one command; nothing when neither waits. The label of a rename that
  // could not be written because the list changed on disk, so that it can be offered again.
  std::optional<std::string> LabelDone();
  // The label editor was closed with Escape: a new entry waiting for its label is taken out
  // again, nothing written; a rename was never made.
  void LabelCancelled();

  // The edits of the document wait for a save of it under way; each gives up, changing
  // nothing, when the list had to be read again meanwhile (the nodes it was given are gone).
  // A new group header at the end; null when there is none.
  TMissionNode* AddGroup();
  // A battle file `typed` under the war or collection of `selected`; null, the user told why,
  // when there is none.
  TMissionNode* AddBattle(TMissionNode* selected, const std::string& typed);
  // Whether `label` may title an entry of `kind`; the user is told why not.
  bool LabelAcceptable(TListItemKind kind, const std::string& label);
  // Retitles `node` in the document; written when the label is done.
  void Rename(TMissionNode& node, const std::string& label);
  // The edits written at once; false when the list had to be read again.
  bool Remove(TMissionNode& node);
  bool Move(TMissionNode& node, TMissionNode& target, bool& moved);
  // Moves `node` one place among its siblings, as dropping it on the one above would, or the
  // one below on it, and from the edge of its group into the group next to it; written at
  // once. `past` is that sibling, if there is one.
  enum class TStep { Moved, AtEdge, Refused, ReadAgain };
  TStep MoveOnePlace(TMissionNode& node, bool up, TMissionNode*& past);

private:
  TStep MoveIntoNextGroup(TMissionTree& tree, TMissionNode& node, bool up);

  TListController& FList;
  TPrompts& FPrompts;
  std::string FRenamedFrom; // the label the rename waiting to be written replaced
  std::string FRenamedTo;
  bool FRenamed = false; // a rename waits to be written
};

} // namespace flightdeck
