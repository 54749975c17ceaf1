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

} // namespace flightdeck
