// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/TextHelpers.h"
#include "lists/XvTListFile.h"
#include "platform/ContentDigest.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/Limits.h"
#include "platform/PathNames.h"

namespace flightdeck {

namespace {

// The title of a header line: after the first "[" up to the first "]" after it, or to the end.
TTextSpan HeaderTitle(TTextSpan line, std::string_view text) {
  const std::size_t open = text.find('[');
  const std::string_view rest = text.substr(open + 1);
  return {static_cast<std::uint32_t>(line.At + open + 1),
          static_cast<std::uint32_t>(std::min(rest.find(']'), rest.size()))};
}

// The lines of the entry from its number line up to `next` as they stand, when writing the
// entry back would give the very same bytes.
TTextSpan EntryAsWritten(const TStoredRecord& record, TTextSpan number, bool writtenNumber,
                         std::size_t next) {
  // Lines follow each other with two bytes between them only when they end with CR LF.
  const bool asWritten = writtenNumber && record.FileName.At == number.At + number.Size + 2 &&
                         record.Title.At == record.FileName.At + record.FileName.Size + 2 &&
                         next == record.Title.At + record.Title.Size + 2;
  return asWritten ? TTextSpan{number.At, static_cast<std::uint32_t>(next - number.At)}
                   : TTextSpan{};
}

// The end of the run of entries from `at` on, before `end`, that stand exactly as they are
// written: a number in its shortest decimal form of at most nine digits, a file name and a
// title, each line ended with CR LF and no longer than a line may be. `at` when there is none.
std::size_t WrittenEntriesEnd(std::string_view text, std::size_t at, std::size_t end) {
  TCarriageReturns crs(text, at, end);
  // Where the line from `line` on ends with CR LF, past them; 0 when it ends otherwise.
  const auto lineEnd = [&](std::size_t line) -> std::size_t {
    const std::size_t cr = crs.Next();
    return cr + 1 < end && text[cr + 1] == '\n' && cr - line <= MaxLineLength ? cr + 2 : 0;
  };
  for (std::size_t entry = at;;) {
    const std::size_t name = lineEnd(entry);
    const bool written = name && IsWrittenNumber(text.substr(entry, name - 2 - entry));
    const std::size_t title = written ? lineEnd(name) : 0;
    const std::size_t next = title ? lineEnd(title) : 0;
    if (next == 0)
      return entry;
    entry = next;
  }
}

const char* const Unreadable = TRANSLATABLE("Message", "The list \"%1\" cannot be read: %2");

// `error`, met reading the text of a list or a battle file it names, as that text's.
EInOutError InListText(const EInOutError& error) {
  if (!error.Path().empty())
    return error; // a battle file that could not be read names itself
  return EInOutError(error.ErrorCode(), {},
                     {TRANSLATABLE("Message", "%1 (in it, or in a battle file it names)"),
                      {error.ReasonMessage()}});
}

} // namespace

TListItemKind TXvTListFile::ClassifyLine(std::string_view line) const {
  if (line.substr(0, 2) == "//" || IsBlank(line))
    return likCorruptEntry;
  const bool header = line[0] == '[' && ExtractFileExt(line).empty();
  return header ? GroupHeaderKind(FMissionType) : EntryKind(FMissionType);
}

void TXvTListFile::LoadFromFile() {
  // Battle files named in another case than on disk are found with one read of their folder.
  const THostLookupScope lookup;
  FFilesRead.clear();
  if (FFileName.empty())
    return;
  if (!EntryExists(FFileName)) { // a folder or a pipe in its place fails to be read
    FFilesRead.push_back(FileNotFound(FFileName));
    return;
  }
  std::string text = ReadFileBytes(FFileName, MaxListSize);
  FFilesRead.push_back(FileRead(FFileName, text));
  try {
    LoadFromText(std::move(text), BattleFilesOnDisk());
  } catch (const EInOutError& error) {
    RaiseAsList(error, Unreadable);
  }
}

void TXvTListFile::RaiseAsList(const EInOutError& error, const char* words) const {
  if (!error.Path().empty())
    throw error; // a battle file names itself
  const std::string host = HostPath(FFileName).Native();
  throw EInOutError(error.ErrorCode(), host, {words, {host, error.ReasonMessage()}});
}

bool TXvTListFile::ReadPieces(std::size_t pieceSize, std::uint64_t limit, TStoring storing,
                              const std::function<void(std::string_view)>& piece,
                              const std::function<void(std::string_view)>& afterEnd) {
  const TBattleFileSource battleFiles = BattleFilesOnDisk();
  // Stores the complete items read so far, hands them over and keeps the rest.
  const auto storePiece = [&](bool listEnds) {
    const std::size_t size = FText.size();
    const std::size_t stored = StoreItems(0, listEnds, battleFiles, storing);
    piece(std::string_view(FText.data(), stored));
    FStored.clear();
    FText.erase(0, stored).resize(size - stored);
  };
  bool ended = false;                         // at a Ctrl-Z, where the game stops reading
  const bool exists = EntryExists(FFileName); // a folder in its place fails to be read
  if (exists)
    ReadFilePieces(
        FFileName,
        [&](std::string_view bytes) {
          if (ended) {
            afterEnd(bytes);
            return;
          }
          const std::size_t mark = bytes.find('\x1a');
          for (std::string_view rest = bytes.substr(0, mark); !rest.empty();
               rest.remove_prefix(std::min(rest.size(), pieceSize))) {
            FText.append(rest.substr(0, pieceSize));
            if (FText.size() >= pieceSize)
              storePiece(false);
          }
          if (mark != std::string_view::npos) {
            storePiece(true);
            ended = true;
            afterEnd(bytes.substr(mark));
          }
        },
        limit);
  if (!ended)
    storePiece(true);
  return exists;
}

void TXvTListFile::ReadEach(const std::function<void(const TListFileItem&)>& visit) {
  // Battle files named in another case than on disk are found with one read of their folder.
  const THostLookupScope lookup;
  ClearItems();
  FFilesRead.clear();
  if (FFileName.empty())
    return;
  TContentDigest digest;
  TListFileItem item; // one for all: its texts keep their room from record to record
  const auto read = [&](std::string_view bytes) { digest.Add(bytes); };
  bool exists = false;
  try {
    exists = ReadPieces(
        1 << 16, MaxListSize, TStoring::Records,
        [&](std::string_view asRead) {
          read(asRead);
          for (const TStoredRecord& stored : FStored) {
            item.Kind = stored.Kind;
            item.Number = stored.Number;
            item.FileName = stored.FileName.In(FText);
            item.Title = stored.Title.In(FText);
            item.Description = {std::string(stored.Description[0].In(FText)),
                                std::string(stored.Description[1].In(FText))};
            visit(item);
          }
        },
        read);
  } catch (const EInOutError& error) {
    RaiseAsList(InListText(error), Unreadable);
  }
  FFilesRead.insert(FFilesRead.begin(),
                    exists ? FileRead(FFileName, digest) : FileNotFound(FFileName));
  ClearItems();
}

void TXvTListFile::LoadStaged(const TFileTransaction& transaction) {
  const THostLookupScope lookup;
  FFilesRead.clear();
  if (const std::optional<std::string> text = transaction.ReadFile(FFileName))
    LoadFromText(*text, [&](const std::string& path) { return transaction.ReadFile(path); });
}

TXvTListFile::TBattleFileSource TXvTListFile::BattleFilesOnDisk() {
  return [this](const std::string& path) -> std::optional<std::string> {
    if (!FileExists(path)) {
      FFilesRead.push_back(FileNotFound(path));
      return std::nullopt;
    }
    std::string bytes = ReadFileBytes(path, MaxListSize);
    FFilesRead.push_back(FileRead(path, bytes));
    return bytes;
  };
}

void TXvTListFile::LoadFromText(std::string text, const TBattleFileSource& battleFiles) {
  ClearItems();
  FText = std::move(text);
  // About nine lines an entry: room for all without growing, and not much more.
  FStored.reserve(FText.size() / 64 + 1);
  try {
    StoreItems(0, true, battleFiles);
  } catch (const EInOutError& error) {
    throw InListText(error);
  }
}

std::size_t TXvTListFile::StoreItems(std::size_t begin, bool listEnds,
                                     const TBattleFileSource& battleFiles, TStoring storing) {
  std::size_t end = FText.size();
  if (!listEnds) {
    // Only lines whose end is known: a CR with a byte after it, which may be its LF.
    const std::size_t lastCr = std::string_view(FText).substr(0, end - 1).rfind('\r', end);
    if (lastCr == std::string::npos || lastCr < begin)
      return begin;
    end = lastCr + (FText[lastCr + 1] == '\n' ? 2 : 1);
  }
  TLineScanner lines(FText, begin, end, MaxLineLength);
  const bool runs = storing == TStoring::WrittenRuns && !HasBattleFile(EntryKind(FMissionType));
  while (!lines.Eof()) {
    const std::size_t item = lines.Position();
    const std::size_t run = runs ? WrittenEntriesEnd(FText, item, lines.End()) : item;
    if (run > item) {
      TStoredRecord record;
      record.Kind = EntryKind(FMissionType);
      record.Written = {static_cast<std::uint32_t>(item), static_cast<std::uint32_t>(run - item)};
      FStored.push_back(record);
      lines.Rewind(run);
      continue;
    }
    const TTextSpan line = lines.Next();
    const std::string_view lineText = line.In(FText);
    const TListItemKind kind = ClassifyLine(lineText);
    if (kind == likCorruptEntry)
      continue;
    TStoredRecord record;
    record.Kind = kind;
    if (IsGroupHeader(kind)) {
      record.Title = HeaderTitle(line, lineText);
      FStored.push_back(record);
      continue;
    }
    const TListNumber number = ReadListNumberLine(lineText);
    record.Number = number.Value;
    record.FileName = lines.Next();
    record.Title = lines.Next();
    if (lines.Overran() && !listEnds) {
      lines.Rewind(item); // the rest of the entry is still to come
      return item;
    }
    record.Written = EntryAsWritten(record, line, number.Written, lines.Position());
    FStored.push_back(record);
    if (!HasBattleFile(kind))
      continue;
    const std::size_t parent = FStored.size() - 1;
    const std::string path = BattleFilePath(FFileName, record.FileName.In(FText));
    if (path.empty())
      continue;
    if (const std::optional<std::string> battleText = battleFiles(path))
      FStored[parent].Description = StoreBattleText(*battleText);
  }
  return end;
}

void TXvTListFile::LoadBattleFile(const std::string& path, TListFileItem& parent) {
  if (path.empty() || !FileExists(path))
    return;
  Materialize();
  const std::string bytes = ReadFileBytes(path, MaxListSize);
  FFilesRead.push_back(FileRead(path, bytes));
  const std::array<TTextSpan, 2> description = StoreBattleText(bytes);
  parent.Description = {std::string(description[0].In(FText)),
                        std::string(description[1].In(FText))};
  Materialize();
}

std::array<TTextSpan, 2> TXvTListFile::StoreBattleText(std::string_view text) {
  const std::size_t begin = FText.size();
  FText.append(text);
  TLineScanner lines(FText, begin, FText.size(), MaxLineLength);
  const std::int32_t count = ReadListNumber(lines.Next().In(FText));
  const TListItemKind missionKind = FMissionType == mtTournaments ? likContest : likOperation;
  const std::size_t first = FStored.size();
  // Past the end every further name would be skipped anyway, so the loop stops there.
  for (std::int32_t k = 0; k < count && !lines.Eof(); ++k) {
    TStoredRecord mission;
    mission.Kind = missionKind;
    mission.FileName = lines.Next();
    FStored.push_back(mission);
  }
  const std::array<TTextSpan, 2> description = {lines.Next(), lines.Next()};
  if (FMissionType == mtTournaments) {
    lines.Next(); // "Missions:"
    for (std::size_t k = first; k < FStored.size() && !lines.Eof(); ++k)
      FStored[k].Title = lines.Next();
  }
  return description;
}

} // namespace flightdeck
