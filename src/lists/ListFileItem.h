// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/MissionTypes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace flightdeck {

// One record of a list: a group header, an entry, or a mission of a battle or tournament.
struct TListFileItem {
  TListItemKind Kind = likCampaign;
  // Number of an Engagement, Battle or Tournament; 0 for everything else.
  std::int32_t Number = 0;
  // Mission file of an Engagement, Operation or Contest; battle file of a Battle or Tournament.
  std::string FileName;
  std::string Title;
  // The two description lines of a Battle or Tournament, kept in its battle file.
  std::array<std::string, 2> Description;

  bool operator==(const TListFileItem&) const = default;
};

// A list of records in list order, owned elsewhere.
using TListItemRefs = std::vector<TListFileItem*>;

} // namespace flightdeck
