// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/MissionTypes.h"

#include <string>

namespace flightdeck {

// One entry of a mission pack's contents, with its title for each side.
struct TPackageItem {
  TListItemKind Kind = likCampaign;
  std::string FileName;
  std::string NeutralTitle;
  std::string RebelTitle;
  std::string ImperialTitle;
  std::string Description;

  bool operator==(const TPackageItem&) const = default;
};

// How an entry of a pack is written in its script: a series line, a collection block, or a
// line of a missions block; other kinds are not written.
enum class TPackClass { Series, Group, Mission, None };

inline TPackClass PackClassOf(TListItemKind kind) {
  if (kind == likWar || kind == likTournamentSeries)
    return TPackClass::Series;
  if (kind == likCampaign || kind == likBattle || kind == likTournament)
    return TPackClass::Group;
  return IsMission(kind) ? TPackClass::Mission : TPackClass::None;
}

} // namespace flightdeck
