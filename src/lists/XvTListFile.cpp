// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/XvTListFile.h"

#include "lists/NextNumber.h"
#include "lists/TitleRules.h"
#include "platform/AsciiCase.h"

#include <unordered_map>

namespace flightdeck {

TXvTListFile::TXvTListFile(std::string_view gameDirectory, TMissionType missionType, TGender side)
    : FFileName(ListFilePath(gameDirectory, missionType, side)), FMissionType(missionType),
      FGender(side) {}

void TXvTListFile::Materialize() const {
  if (FStored.empty())
    return;
  FItems.reserve(FItems.size() + FStored.size());
  for (const TStoredRecord& stored : FStored) {
    auto record = std::make_unique<TListFileItem>();
    record->Kind = stored.Kind;
    record->Number = stored.Number;
    record->FileName = stored.FileName.In(FText);
    record->Title = stored.Title.In(FText);
    record->Description = {std::string(stored.Description[0].In(FText)),
                           std::string(stored.Description[1].In(FText))};
    FItems.push_back(std::move(record));
  }
  FStored = {};
  FText = {};
}

TXvTListFile::TItems& TXvTListFile::Items() {
  Materialize();
  return FItems;
}

const TXvTListFile::TItems& TXvTListFile::Items() const {
  Materialize();
  return FItems;
}

TXvTListFile::TItems TXvTListFile::TakeItems() {
  Materialize();
  return std::exchange(FItems, {});
}

TListItemRefs TXvTListFile::ItemRefs() const {
  Materialize();
  TListItemRefs refs;
  refs.reserve(FItems.size());
  for (const std::unique_ptr<TListFileItem>& item : FItems)
    refs.push_back(item.get());
  return refs;
}

void TXvTListFile::ClearItems() {
  FItems.clear();
  FStored = {};
  FText = {};
}

void TXvTListFile::AddMission(const TListFileItem& record, std::string_view groupTitle) {
  Materialize();
  // A battle's title becomes a header here, which cannot hold everything a battle's title can.
  const std::string headerTitle = WritableTitle(likCampaign, groupTitle);
  std::size_t header = FItems.size();
  for (std::size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i]->Kind == likCampaign && SameTextAscii(FItems[i]->Title, headerTitle))
      header = i;

  auto mission = std::make_unique<TListFileItem>(record);
  mission->Kind = likEngagement;
  mission->Number = NextNumber(likEngagement, ItemRefs());

  if (header == FItems.size()) {
    auto campaign = std::make_unique<TListFileItem>();
    campaign->Kind = likCampaign;
    campaign->Title = headerTitle;
    FItems.push_back(std::move(campaign));
    FItems.push_back(std::move(mission));
    return;
  }
  std::size_t at = header + 1;
  while (at < FItems.size() && FItems[at]->Kind == likEngagement)
    ++at;
  FItems.insert(FItems.begin() + static_cast<std::ptrdiff_t>(at), std::move(mission));
}

namespace {

// The record the pack's item `entry` makes, titled `title`, in a list of `type`; null for an
// item such a list does not take.
std::unique_ptr<TListFileItem> PackageRecord(const TPackageItem& entry, std::string title,
                                             TMissionType type, TFreeNumbers& numbers) {
  const bool battleType = type == mtBattles || type == mtTournaments;
  const TListItemKind entryKind = EntryKind(type);
  auto record = std::make_unique<TListFileItem>();
  record->Title = std::move(title);
  switch (entry.Kind) {
  case likWar:
  case likTournamentSeries:
    if (!battleType)
      return nullptr;
    record->Kind = GroupHeaderKind(type);
    return record;
  case likCampaign:
  case likBattle:
  case likTournament:
    if (battleType ? entry.FileName.empty() : record->Title.empty())
      return nullptr;
    record->Kind = battleType ? entryKind : likCampaign;
    if (battleType) {
      record->FileName = entry.FileName;
      record->Number = numbers.Take();
    }
    return record;
  case likEngagement:
  case likOperation:
  case likContest:
    if (record->Title.empty())
      return nullptr;
    record->FileName = entry.FileName;
    record->Kind = battleType ? static_cast<TListItemKind>(entryKind + 1) : likEngagement;
    if (!battleType)
      record->Number = numbers.Take();
    return record;
  default:
    return nullptr;
  }
}

} // namespace

void TXvTListFile::AddPackageItems(const std::vector<TPackageItem>& packageItems) {
  TFreeNumbers numbers(EntryKind(FMissionType), ItemRefs()); // made records of their own
  for (const TPackageItem& entry : packageItems) {
    std::string title = FGender == gnNeutral ? entry.NeutralTitle
                        : FGender == gnRebel ? entry.RebelTitle
                                             : entry.ImperialTitle;
    if (std::unique_ptr<TListFileItem> record =
            PackageRecord(entry, std::move(title), FMissionType, numbers))
      FItems.push_back(std::move(record));
  }
}

void TXvTListFile::CopyTitles(TListItemKind destinationKind, TListItemKind sourceKind,
                              const TListItemRefs& destination, const TListItemRefs& source) {
  std::unordered_map<std::string, std::string> titles;
  for (const TListFileItem* item : source)
    if (item->Kind == sourceKind)
      titles[LowerCaseAscii(item->FileName)] = item->Title;
  for (TListFileItem* item : destination) {
    if (item->Kind != destinationKind)
      continue;
    const auto found = titles.find(LowerCaseAscii(item->FileName));
    if (found != titles.end())
      item->Title = found->second;
  }
}

} // namespace flightdeck
