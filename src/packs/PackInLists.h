// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/XvTListFile.h"
#include "packs/PackRecord.h"

#include <memory>
#include <string>
#include <vector>

namespace flightdeck {

// A list a pack extended, as it is now, with the pack's entries found again in it: a mission by
// its mission file, a battle or tournament by its battle file (as many of each as the pack
// added, the first ones), and a group by the missions under it (the group of the list's kind
// that holds the most of those the pack put under it), whatever the player renamed or moved.
struct TPackList {
  std::unique_ptr<TXvTListFile> List; // loaded
  TListItemRefs Items;
  std::vector<bool> Pack; // for each of Items: the pack's
  // What stays once the pack goes: all but its missions, and its groups, battles and tournaments
  // that nothing is left under (a group the player added to stays, without the pack's).
  std::vector<bool> Stays;
};

// The lists of `record`, in its order, read from the game and searched for the pack.
std::vector<TPackList> FindPackInLists(const std::string& gameDirectory, const TPackRecord& record);

} // namespace flightdeck
