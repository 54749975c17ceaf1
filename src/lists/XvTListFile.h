// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/FileTransaction.h"
#include "journal/FilesRead.h"
#include "lists/ListFileItem.h"
#include "lists/MissionTypes.h"
#include "lists/PackageItem.h"
#include "platform/InOutError.h"
#include "platform/TextLines.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace flightdeck {

// A record as a list keeps it after reading: its texts as spans of the bytes read.
struct TStoredRecord {
  TListItemKind Kind = likCampaign;
  std::int32_t Number = 0;
  TTextSpan FileName;
  TTextSpan Title;
  std::array<TTextSpan, 2> Description;
  // An entry's lines as they stand, when they are already in the form the list is written in
  // (its number in the shortest decimal form, each line ended with CR LF); empty otherwise.
  TTextSpan Written;
};

// One list file of the game in memory: its records in file order, for one mission type and
// side. Lives for one command: constructed, loaded or filled, saved, destroyed.
//
// What it reads it keeps compact, the bytes of the list and its battle files in one buffer
// and each record as spans of them, and makes records of their own only when they are asked
// for (Items, ItemRefs, TakeItems, any change): a list that is read and written back as it is
// (Save) never holds one allocation per line.
class TXvTListFile {
public:
  using TItems = std::vector<std::unique_ptr<TListFileItem>>;

  // Composes the list file's path; touches no file. Raises std::invalid_argument for a
  // mission type or side outside the tables.
  TXvTListFile(std::string_view gameDirectory, TMissionType missionType, TGender side);
  TXvTListFile(const TXvTListFile&) = delete;
  TXvTListFile& operator=(const TXvTListFile&) = delete;

  const std::string& FileName() const { return FFileName; }
  TItems& Items();
  const TItems& Items() const;
  TListItemRefs ItemRefs() const;
  TMissionType MissionType() const { return FMissionType; }
  TGender Gender() const { return FGender; }
  // Hands the records over to the caller; the list is empty afterwards.
  TItems TakeItems();

  void ClearItems();

  // Where the battle files of a list come from: the bytes of the file at a path, or nothing
  // for one that is not there.
  using TBattleFileSource = std::function<std::optional<std::string>(const std::string& path)>;

  // Reading and writing the game's files. What is written is staged in `transaction`.
  // Reads the list and its battle files as they are on disk.
  void LoadFromFile();
  // Reads the list and its battle files as they are once `transaction` commits.
  void LoadStaged(const TFileTransaction& transaction);
  // The files the last LoadFromFile or Resave read, the list first, and those LoadBattleFile
  // read since.
  const TFilesRead& FilesRead() const { return FFilesRead; }
  void LoadBattleFile(const std::string& path, TListFileItem& parent);
  // Reads the bytes of a list file into Items, replacing what it held, and its battle files
  // from `battleFiles`.
  void LoadFromText(std::string text, const TBattleFileSource& battleFiles);
  void SaveToFile(const TListItemRefs& items, TFileTransaction& transaction) const;
  // Writes the list's own records as SaveToFile does.
  void Save(TFileTransaction& transaction) const;
  // Reads the list and writes it back, as LoadFromFile and Save would, a piece of about
  // `pieceSize` bytes at a time: its memory does not grow with the list. The list is empty
  // afterwards.
  void Resave(TFileTransaction& transaction, std::size_t pieceSize = 1 << 16);
  // Reads the list as LoadFromFile does, a piece at a time as Resave does, and hands each
  // record to `visit` as it is read. The record is valid for that call only; the list stays
  // empty.
  void ReadEach(const std::function<void(const TListFileItem&)>& visit);
  TListItemKind ClassifyLine(std::string_view line) const;

  // Adds a copy of `record` as an Engagement under the last Campaign titled `groupTitle`
  // (without regard to case), or under a new Campaign of that title at the end.
  void AddMission(const TListFileItem& record, std::string_view groupTitle);
  // Appends the records a mission pack brings to a list of this type and side.
  void AddPackageItems(const std::vector<TPackageItem>& packageItems);

  // Gives each destination record of `destinationKind` the title of the last source record of
  // `sourceKind` with the same file name, compared without regard to case.
  static void CopyTitles(TListItemKind destinationKind, TListItemKind sourceKind,
                         const TListItemRefs& destination, const TListItemRefs& source);

private:
  class TWriting;

  // The battle files of a list as they are on disk, each noted as read.
  TBattleFileSource BattleFilesOnDisk();
  // Reads the list file a piece of about `pieceSize` bytes at a time, with its battle files:
  // `piece` is given the bytes whose records are stored meanwhile, and `afterEnd` the bytes
  // after a Ctrl-Z. A list larger than `limit` is refused. False when there is no list file.
  // How StoreItems keeps entries: each as a record of its own, or, for a list that is only
  // written back, each run of entries standing as they are written as one record.
  enum class TStoring { Records, WrittenRuns };
  bool ReadPieces(std::size_t pieceSize, std::uint64_t limit, TStoring storing,
                  const std::function<void(std::string_view)>& piece,
                  const std::function<void(std::string_view)>& afterEnd);
  // Raises `error`, met reading or writing the list, in `words` that name this list ("%1", with the
  // reason as "%2"), unless the error names a file of its own (a battle file).
  [[noreturn]] void RaiseAsList(const EInOutError& error, const char* words) const;

  // Stores the items of the list's bytes in FText from `begin` on; short of the end of the
  // list, it stops before an item whose lines are not all there yet. Returns where the bytes
  // not stored begin.
  std::size_t StoreItems(std::size_t begin, bool listEnds, const TBattleFileSource& battleFiles,
                         TStoring storing = TStoring::Records);
  // Appends `text` to the bytes kept and the missions of that battle file to the stored
  // records; returns its two description lines.
  std::array<TTextSpan, 2> StoreBattleText(std::string_view text);
  // Turns the stored records into records of their own, behind those in FItems.
  void Materialize() const;
  template <typename TRecords>
  void WriteFiles(const TRecords& records, TFileTransaction& transaction) const;

  std::string FFileName;
  mutable TItems FItems;
  mutable std::string FText; // the bytes read, while records are stored as spans of them
  mutable std::vector<TStoredRecord> FStored;
  TMissionType FMissionType;
  TGender FGender;
  TFilesRead FFilesRead;
};

} // namespace flightdeck
