// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/XvTListFile.h"
#include "packs/PackRecord.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace flightdeck {

// The lists of a game, each read once as it is first asked for, with what packs were found to
// hold in them.
class TGameLists {
public:
  explicit TGameLists(std::string gameDirectory) : FGame(std::move(gameDirectory)) {}

  struct TList {
    std::unique_ptr<TXvTListFile> File;
    TListItemRefs Items;
    std::vector<bool> Claimed; // for each of Items: a pack's, found already
  };
  TList& Of(const TMissionListId& id);

private:
  std::string FGame;
  std::map<std::pair<TMissionType, TGender>, TList> FLists;
};

// A list a pack extended, as it is now, with the pack's entries found again in it: a mission by
// its mission file, a battle or tournament by its battle file (as many of each as the pack
// added, the last ones no other pack holds), and a group by the missions under it (the group of
// the list's kind that holds the most of those the pack put under it), whatever the player
// renamed or moved.
struct TPackList {
  TGameLists::TList* List = nullptr;
  std::vector<bool> Pack; // for each of the list's items: the pack's
  // What stays once the pack goes: all but its missions, and its groups, battles and tournaments
  // that nothing is left under (a group the player added to stays, without the pack's).
  std::vector<bool> Stays;
};

// The lists of `record`, in its order, searched for the pack among the entries of `lists` that
// no pack claimed; what is found is claimed for it. Packs installed later are searched first:
// where two packs added an entry of the same file, the later one holds the later entry.
std::vector<TPackList> FindPackInLists(TGameLists& lists, const TPackRecord& record);

} // namespace flightdeck
