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

void TXvTListFile::AddPackageItems(const std::vector<TPackageItem>& packageItems) {
  const bool battleType = FMissionType == mtBattles || FMissionType == mtTournaments;
  const TListItemKind entryKind = EntryKind(FMissionType);
  TFreeNumbers numbers(entryKind, ItemRefs()); // made records of their own

  for (const TPackageItem& entry : packageItems) {
    auto record = std::make_unique<TListFileItem>();
    record->Title = FGender == gnNeutral ? entry.NeutralTitle
                    : FGender == gnRebel ? entry.RebelTitle
                                         : entry.ImperialTitle;
    switch (entry.Kind) {
    case likWar:
    case likTournamentSeries:
      if (!battleType)
        continue;
      record->Kind = GroupHeaderKind(FMissionType);
      break;
    case likCampaign:
    case likBattle:
    case likTournament:
      if (battleType) {
        if (entry.FileName.empty())
          continue;
        record->Kind = entryKind;
        record->FileName = entry.FileName;
        record->Number = numbers.Take();
      } else {
        if (record->Title.empty())
          continue;
        record->Kind = likCampaign;
      }
      break;
    case likEngagement:
    case likOperation:
    case likContest:
      if (record->Title.empty())
        continue;
      record->FileName = entry.FileName;
      if (battleType) {
        record->Kind = static_cast<TListItemKind>(entryKind + 1);
      } else {
        record->Kind = likEngagement;
        record->Number = numbers.Take();
      }
      break;
    default:
      continue;
    }
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
