#pragma once

#include "lists/ListFileItem.h"
#include "lists/MissionTypes.h"
#include "lists/PackageItem.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace flightdeck {

// One list file of the game in memory: its records in file order, for one mission type and
// gender. Lives for one command: constructed, loaded or filled, saved, destroyed.
class TXvTListFile {
public:
  using TItems = std::vector<std::unique_ptr<TListFileItem>>;

  // Composes the list file's path; touches no file. Raises std::invalid_argument for a
  // mission type or gender outside the tables.
  TXvTListFile(std::string_view gameDirectory, TMissionType missionType, TGender gender);
  TXvTListFile(const TXvTListFile&) = delete;
  TXvTListFile& operator=(const TXvTListFile&) = delete;

  const std::string& FileName() const { return FFileName; }
  TItems& Items() { return FItems; }
  const TItems& Items() const { return FItems; }
  TListItemRefs ItemRefs() const;
  TMissionType MissionType() const { return FMissionType; }
  TGender Gender() const { return FGender; }
  // Hands the records over to the caller; the list is empty afterwards.
  TItems TakeItems() { return std::exchange(FItems, {}); }

  void ClearItems();

  // Where the battle files of a list come from: the bytes of the file at a path, or nothing
  // for one that is not there.
  using TBattleFileSource = std::function<std::optional<std::string>(const std::string& path)>;

  // Reading and writing the game's files.
  void LoadFromFile();
  void LoadBattleFile(const std::string& path, TListFileItem& parent);
  // Reads the bytes of a list file into Items, replacing what it held, and its battle files
  // from `battleFiles`.
  void LoadFromText(std::string text, const TBattleFileSource& battleFiles);
  void SaveToFile(const TListItemRefs& items) const;
  TListItemKind ClassifyLine(std::string_view line) const;

  // Adds a copy of `record` as an Engagement under the last Campaign titled `groupTitle`
  // (without regard to case), or under a new Campaign of that title at the end.
  void AddMission(const TListFileItem& record, std::string_view groupTitle);
  // Appends the records a mission pack brings to a list of this type and gender.
  void AddPackageItems(const std::vector<TPackageItem>& packageItems);

  // Gives each destination record of `destinationKind` the title of the last source record of
  // `sourceKind` with the same file name, compared without regard to case.
  static void CopyTitles(TListItemKind destinationKind, TListItemKind sourceKind,
                         const TListItemRefs& destination, const TListItemRefs& source);

private:
  void LoadBattleText(std::string text, TListFileItem& parent);

  std::string FFileName;
  TItems FItems;
  TMissionType FMissionType;
  TGender FGender;
};

} // namespace flightdeck
