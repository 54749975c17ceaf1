// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/MissionTypes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flightdeck {

// One list of a game.
struct TMissionListId {
  TMissionType Type;
  TGender Side;
  bool operator==(const TMissionListId&) const = default;
};

// An entry a pack added to a list: a series or campaign header, a battle or tournament (named by
// its battle file), or a mission (named by its mission file).
struct TPackRecordEntry {
  std::size_t List = 0; // of the record's Lists
  TListItemKind Kind = likCampaign;
  std::string File; // empty for a series or campaign header
  std::string Title;
  bool operator==(const TPackRecordEntry&) const = default;
};

// What an install of a pack added to the game, kept with its entry of the history, so that the
// pack can be listed and taken out whatever came after it. The files it wrote, and whether each
// was new, the history entry itself tells.
struct TPackRecord {
  std::string Pack;   // the pack's file name
  std::string Digest; // of the pack's file
  TMissionType Category = mtCombat;
  TGender Side = gnNeutral;
  std::vector<TMissionListId> Lists;     // the lists it extended
  std::vector<TPackRecordEntry> Entries; // list by list, each list's in its order
  int Replaces = 0;                      // the entry of the install of the pack it took out, if any
  std::string Readme;                    // what the pack says about itself (UTF-8), if anything
  bool operator==(const TPackRecord&) const = default;
};

// The name the record goes by among what an entry of the history keeps; and the name of what
// remove-pack keeps with its own entry: the number of the install it took out.
inline constexpr const char* PackRecordName = "pack";
inline constexpr const char* PackRemovedName = "removes";

std::string PackRecordText(const TPackRecord& record);
// A record of PackRecordText; none for anything else, cut short or changed.
std::optional<TPackRecord> ParsePackRecord(std::string_view text);

} // namespace flightdeck
