// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/MissionTitles.h"

#include "lists/XvTListFile.h"
#include "platform/AsciiCase.h"

namespace flightdeck {

std::optional<std::string> TMissionTitles::Find(const std::string& fileName) {
  if (!FLoaded) {
    TXvTListFile list(FGameDirectory, FType, FSide);
    list.ReadEach(
        [&](const TListFileItem& item) { FTitles[LowerCaseAscii(item.FileName)] = item.Title; });
    FFilesRead = list.FilesRead();
    FLoaded = true;
  }
  const auto found = FTitles.find(LowerCaseAscii(fileName));
  return found == FTitles.end() ? std::nullopt : std::optional(found->second);
}

std::string TMissionTitles::MissionLabel(const TListFileItem& mission) {
  if (mission.Kind == likOperation)
    if (const std::optional<std::string> title = Find(mission.FileName))
      return *title;
  return mission.Title.empty() ? mission.FileName : mission.Title;
}

} // namespace flightdeck
