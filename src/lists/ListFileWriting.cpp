#include "lists/XvTListFile.h"
#include "platform/FileTransaction.h"
#include "platform/PathNames.h"
#include "platform/TextLines.h"

namespace flightdeck {

namespace {

// A header whose title would give the line an extension would read back as an entry. A
// trailing ":" after the bracket takes the extension away and keeps the title as it was.
std::string HeaderLine(const std::string& title) {
  std::string line = "[" + title + "]";
  if (!ExtractFileExt(line).empty())
    line += ':';
  return line;
}

std::string DescriptionLine(const std::string& description) {
  return description.empty() ? " " : description;
}

// The battle file of the Battle or Tournament at `index`: its missions are the unbroken run
// of records of the next kind directly behind it.
std::string BattleFileText(const TListItemRefs& items, std::size_t index) {
  const TListFileItem& parent = *items[index];
  const auto missionKind = static_cast<TListItemKind>(parent.Kind + 1);
  std::size_t end = index + 1;
  while (end < items.size() && items[end]->Kind == missionKind)
    ++end;

  std::string text;
  AppendLine(text, std::to_string(end - index - 1));
  for (std::size_t i = index + 1; i < end; ++i)
    AppendLine(text, items[i]->FileName);
  AppendLine(text, DescriptionLine(parent.Description[0]));
  AppendLine(text, DescriptionLine(parent.Description[1]));
  if (parent.Kind == likTournament) {
    AppendLine(text, "Missions:");
    for (std::size_t i = index + 1; i < end; ++i)
      AppendLine(text, items[i]->Title);
  }
  return text;
}

} // namespace

void TXvTListFile::SaveToFile(const TListItemRefs& items) const {
  if (FFileName.empty())
    return;
  // The list and all its battle files are replaced together or not at all.
  TFileTransaction transaction;
  std::string listText;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const TListFileItem& item = *items[i];
    if (IsGroupHeader(item.Kind)) {
      AppendLine(listText, "//");
      AppendLine(listText, HeaderLine(item.Title));
      AppendLine(listText, "//");
    } else if (IsEntry(item.Kind)) {
      AppendLine(listText, std::to_string(item.Number));
      AppendLine(listText, item.FileName);
      AppendLine(listText, item.Title);
      // A battle file name that is not a plain name would be written outside the category's
      // directory, or over the directory itself, and one named like this list would replace
      // the list: such a battle gets no battle file.
      const std::string battleFile =
          HasBattleFile(item.Kind) ? BattleFilePath(FFileName, item.FileName) : std::string();
      if (!battleFile.empty())
        transaction.Stage(battleFile, BattleFileText(items, i));
    }
  }
  transaction.Stage(FFileName, listText);
  transaction.Commit();
}

} // namespace flightdeck
