// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/FileTransaction.h"
#include "lists/XvTListFile.h"
#include "platform/ContentDigest.h"
#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/Limits.h"
#include "platform/PathNames.h"
#include "platform/TextLines.h"

namespace flightdeck {

namespace {

// The records a list writes, as records of their own.
class TRecordRefs {
public:
  explicit TRecordRefs(const TListItemRefs& items) : FItems(items) {}
  std::size_t Count() const { return FItems.size(); }
  TListItemKind Kind(std::size_t i) const { return FItems[i]->Kind; }
  std::int32_t Number(std::size_t i) const { return FItems[i]->Number; }
  std::string_view FileName(std::size_t i) const { return FItems[i]->FileName; }
  std::string_view Title(std::size_t i) const { return FItems[i]->Title; }
  std::string_view Description(std::size_t i, int line) const {
    return FItems[i]->Description[static_cast<std::size_t>(line)];
  }
  std::string_view Written(std::size_t) const { return {}; }

private:
  const TListItemRefs& FItems;
};

// The same, as a list keeps them after reading.
class TStoredRecords {
public:
  TStoredRecords(const std::vector<TStoredRecord>& records, const std::string& text)
      : FRecords(records), FText(text) {}
  std::size_t Count() const { return FRecords.size(); }
  TListItemKind Kind(std::size_t i) const { return FRecords[i].Kind; }
  std::int32_t Number(std::size_t i) const { return FRecords[i].Number; }
  std::string_view FileName(std::size_t i) const { return FRecords[i].FileName.In(FText); }
  std::string_view Title(std::size_t i) const { return FRecords[i].Title.In(FText); }
  std::string_view Description(std::size_t i, int line) const {
    return FRecords[i].Description[static_cast<std::size_t>(line)].In(FText);
  }
  std::string_view Written(std::size_t i) const { return FRecords[i].Written.In(FText); }

private:
  const std::vector<TStoredRecord>& FRecords;
  const std::string& FText;
};

// A header whose title would give the line an extension would read back as an entry. A
// trailing ":" after the bracket takes the extension away and keeps the title as it was.
std::string HeaderLine(std::string_view title) {
  std::string line = "[" + std::string(title) + "]";
  if (!ExtractFileExt(line).empty())
    line += ':';
  return line;
}

std::string_view DescriptionLine(std::string_view description) {
  return description.empty() ? " " : description;
}

// The battle file of the Battle or Tournament at `index`: its missions are the unbroken run
// of records of the next kind directly behind it.
template <typename TRecords>
std::string BattleFileText(const TRecords& records, std::size_t index) {
  const auto missionKind = static_cast<TListItemKind>(records.Kind(index) + 1);
  std::size_t end = index + 1;
  while (end < records.Count() && records.Kind(end) == missionKind)
    ++end;

  std::string text;
  AppendLine(text, std::to_string(end - index - 1));
  for (std::size_t i = index + 1; i < end; ++i)
    AppendLine(text, records.FileName(i));
  AppendLine(text, DescriptionLine(records.Description(index, 0)));
  AppendLine(text, DescriptionLine(records.Description(index, 1)));
  if (records.Kind(index) == likTournament) {
    AppendLine(text, "Missions:");
    for (std::size_t i = index + 1; i < end; ++i)
      AppendLine(text, records.Title(i));
  }
  return text;
}

const char* const Unwritable =
    TRANSLATABLE("Message", "The list \"%1\" cannot be written: %2. Nothing was changed.");

} // namespace

// Writes a list file and its battle files as one transaction, the records a piece at a time;
// the list is put in place after its battle files.
class TXvTListFile::TWriting {
public:
  TWriting(const std::string& fileName, TFileTransaction& transaction)
      : FFileName(fileName), FTransaction(transaction), FListFile(fileName),
        FLines([this](std::string_view piece) {
          if (FMaking)
            Made(piece);
          else
            FListFile.Write(piece);
        }) {}

  // Makes the list's text of the records, which were read as `asRead`, and tells whether it is
  // that very text. It is held back until Put writes it.
  template <typename TRecords>
  bool Make(const TRecords& records, std::string_view asRead) {
    FAsRead = asRead;
    FMatched = 0;
    FSame = true;
    FMaking = true;
    Write(records);
    FLines.Flush();
    FMaking = false;
    return FSame && FMatched == asRead.size();
  }
  void Put() { FListFile.Write(FSame ? FAsRead.substr(0, FMatched) : std::string_view(FMade)); }
  // The digest of what was written so far.
  const TContentDigest& Written() const { return FListFile.Written(); }

  template <typename TRecords>
  void Write(const TRecords& records) {
    std::string_view run; // entries as they were read, one right after the other: copied at once
    const auto endRun = [&] {
      FLines.Bytes(run);
      run = {};
    };
    for (std::size_t i = 0; i < records.Count(); ++i) {
      const TListItemKind kind = records.Kind(i);
      if (IsGroupHeader(kind)) {
        endRun();
        FLines.Line("//");
        FLines.Line(HeaderLine(records.Title(i)));
        FLines.Line("//");
      } else if (IsEntry(kind)) {
        const std::string_view written = records.Written(i);
        if (written.empty()) {
          endRun();
          FLines.Line(records.Number(i));
          FLines.Line(records.FileName(i));
          FLines.Line(records.Title(i));
        } else if (!run.empty() && run.data() + run.size() == written.data()) {
          run = {run.data(), run.size() + written.size()};
        } else {
          endRun();
          run = written;
        }
        // A battle file name that is not a plain name would be written outside the category's
        // directory, or over the directory itself, and one named like this list would replace
        // the list: such a battle gets no battle file.
        const std::string battleFile =
            HasBattleFile(kind) ? BattleFilePath(FFileName, records.FileName(i)) : std::string();
        if (!battleFile.empty())
          FTransaction.Stage(battleFile, BattleFileText(records, i));
      }
    }
    endRun();
  }

  void Finish() {
    FLines.Flush();
    // A list is never written larger than it may be read.
    if (FListFile.Written().Size() > MaxListSize)
      throw EInOutError(TooLargeError(), {},
                        "it would hold more than " + SizeInWords(MaxListSize) +
                            ", the most this program reads of it");
    FListFile.Finish();
    FTransaction.StageWritten(FFileName, std::move(FListFile));
  }

private:
  // While what is made is what was read, nothing is copied: only how far it matches is kept.
  void Made(std::string_view piece) {
    // A run of entries kept as they were read is those very bytes: nothing to compare.
    const bool asRead =
        piece.data() == FAsRead.data() + FMatched && piece.size() <= FAsRead.size() - FMatched;
    if (FSame && (asRead || FAsRead.substr(FMatched, piece.size()) == piece)) {
      FMatched += piece.size();
      return;
    }
    if (FSame)
      FMade.assign(FAsRead.substr(0, FMatched));
    FSame = false;
    FMade.append(piece);
  }

  const std::string& FFileName;
  TFileTransaction& FTransaction;
  TReplacementFile FListFile;
  bool FMaking = false;
  std::string_view FAsRead;
  std::size_t FMatched = 0;
  bool FSame = true;
  std::string FMade;
  TLineWriter FLines;
};

template <typename TRecords>
void TXvTListFile::WriteFiles(const TRecords& records, TFileTransaction& transaction) const {
  if (FFileName.empty())
    return;
  try {
    TWriting writing(FFileName, transaction);
    writing.Write(records);
    writing.Finish();
  } catch (const EInOutError& error) {
    RaiseAsList(error, Unwritable);
  }
}

void TXvTListFile::SaveToFile(const TListItemRefs& items, TFileTransaction& transaction) const {
  WriteFiles(TRecordRefs(items), transaction);
}

void TXvTListFile::Save(TFileTransaction& transaction) const {
  if (FItems.empty())
    WriteFiles(TStoredRecords(FStored, FText), transaction);
  else
    SaveToFile(ItemRefs(), transaction);
}

void TXvTListFile::Resave(TFileTransaction& transaction, std::size_t pieceSize) {
  // Battle files named in another case than on disk are found with one read of their folder.
  const THostLookupScope lookup;
  ClearItems();
  if (FFileName.empty())
    return;
  FFilesRead.clear();
  TWriting writing(FFileName, transaction);
  // The digest of the file as it was, so that the history need not read it again. While what
  // is written is what was read, it is the digest of what was written; from the first piece
  // that differs on, it is taken of its own.
  TContentDigest readDigest;
  bool differs = false;
  const auto read = [&](std::string_view bytes) {
    if (!differs)
      readDigest = writing.Written();
    differs = true;
    readDigest.Add(bytes);
  };
  const bool exists = ReadPieces(
      pieceSize, MaxListSize, // written back a piece at a time, bounded as any reading is
      TStoring::WrittenRuns,
      [&](std::string_view asRead) {
        if (!writing.Make(TStoredRecords(FStored, FText), asRead) || differs)
          read(asRead);
        writing.Put();
      },
      read);
  if (!differs)
    readDigest = writing.Written();
  FFilesRead.insert(FFilesRead.begin(),
                    exists ? FileRead(FFileName, readDigest) : FileNotFound(FFileName));
  try {
    writing.Finish();
  } catch (const EInOutError& error) {
    RaiseAsList(error, Unwritable);
  }
  ClearItems();
}

} // namespace flightdeck
