#include "lists/XvTListFile.h"
#include "platform/FileTransaction.h"
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

} // namespace

template <typename TRecords>
void TXvTListFile::WriteFiles(const TRecords& records) const {
  if (FFileName.empty())
    return;
  // The list and all its battle files are replaced together or not at all.
  TFileTransaction transaction;
  TReplacementFile listFile(FFileName);
  TLineWriter list([&](std::string_view piece) { listFile.Write(piece); });
  for (std::size_t i = 0; i < records.Count(); ++i) {
    const TListItemKind kind = records.Kind(i);
    if (IsGroupHeader(kind)) {
      list.Line("//");
      list.Line(HeaderLine(records.Title(i)));
      list.Line("//");
    } else if (IsEntry(kind)) {
      list.Line(records.Number(i));
      list.Line(records.FileName(i));
      list.Line(records.Title(i));
      // A battle file name that is not a plain name would be written outside the category's
      // directory, or over the directory itself, and one named like this list would replace
      // the list: such a battle gets no battle file.
      const std::string battleFile =
          HasBattleFile(kind) ? BattleFilePath(FFileName, records.FileName(i)) : std::string();
      if (!battleFile.empty())
        transaction.Stage(battleFile, BattleFileText(records, i));
    }
  }
  list.Flush();
  listFile.Finish();
  transaction.StageWritten(FFileName, std::move(listFile));
  transaction.Commit();
}

void TXvTListFile::SaveToFile(const TListItemRefs& items) const {
  WriteFiles(TRecordRefs(items));
}

void TXvTListFile::Save() const {
  if (FItems.empty())
    WriteFiles(TStoredRecords(FStored, FText));
  else
    SaveToFile(ItemRefs());
}

} // namespace flightdeck
