// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/FilesRead.h"
#include "lists/ListFileItem.h"
#include "lists/MissionTypes.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace flightdeck {

// The titles one list gives its missions, by file name without regard to case; the last
// entry of a name counts, whatever its kind. The list is read on first need, once.
class TMissionTitles {
public:
  TMissionTitles(std::string_view gameDirectory, TMissionType type, TGender side)
      : FGameDirectory(gameDirectory), FType(type), FSide(side) {}

  std::optional<std::string> Find(const std::string& fileName);
  // The label a tree shows for a mission of a battle or tournament: its title, or its file
  // name when it has none; an Operation's title is the one these titles give its file.
  std::string MissionLabel(const TListFileItem& mission);
  // The list, when it was read.
  const TFilesRead& FilesRead() const { return FFilesRead; }

private:
  std::string FGameDirectory;
  TMissionType FType;
  TGender FSide;
  bool FLoaded = false;
  std::unordered_map<std::string, std::string> FTitles;
  TFilesRead FFilesRead;
};

} // namespace flightdeck
