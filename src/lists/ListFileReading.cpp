#include "lists/TextHelpers.h"
#include "lists/XvTListFile.h"
#include "platform/FileSystem.h"
#include "platform/HostPath.h"
#include "platform/PathNames.h"
#include "platform/TextLines.h"

namespace flightdeck {

namespace {

// The title of a header line: after the first "[" up to the first "]" after it, or to the end.
std::string HeaderTitle(std::string_view line) {
  const std::string_view rest = line.substr(line.find('[') + 1);
  return std::string(rest.substr(0, rest.find(']')));
}

} // namespace

TListItemKind TXvTListFile::ClassifyLine(std::string_view line) const {
  if (line.substr(0, 2) == "//" || Trim(line).empty())
    return likCorruptEntry;
  const bool header = !line.empty() && line[0] == '[' && ExtractFileExt(line).empty();
  return header ? GroupHeaderKind(FMissionType) : EntryKind(FMissionType);
}

void TXvTListFile::LoadFromFile() {
  // Battle files named in another case than on disk are found with one read of their folder.
  const THostLookupScope lookup;
  if (FFileName.empty() || !FileExists(FFileName))
    return;
  LoadFromText(ReadFileBytes(FFileName), [](const std::string& path) -> std::optional<std::string> {
    if (!FileExists(path))
      return std::nullopt;
    return ReadFileBytes(path);
  });
}

void TXvTListFile::LoadFromText(std::string text, const TBattleFileSource& battleFiles) {
  ClearItems();
  TTextLineReader reader(std::move(text));
  while (!reader.Eof()) {
    const std::string line = reader.ReadLine();
    const TListItemKind kind = ClassifyLine(line);
    if (kind == likCorruptEntry)
      continue;
    auto record = std::make_unique<TListFileItem>();
    TListFileItem& item = *record;
    item.Kind = kind;
    FItems.push_back(std::move(record));
    if (IsGroupHeader(kind)) {
      item.Title = HeaderTitle(line);
      continue;
    }
    item.Number = ReadListNumber(line);
    item.FileName = reader.ReadLine();
    item.Title = reader.ReadLine();
    if (!HasBattleFile(kind))
      continue;
    const std::string path = BattleFilePath(FFileName, item.FileName);
    if (path.empty())
      continue;
    if (std::optional<std::string> battleText = battleFiles(path))
      LoadBattleText(std::move(*battleText), item);
  }
}

void TXvTListFile::LoadBattleFile(const std::string& path, TListFileItem& parent) {
  if (!path.empty() && FileExists(path))
    LoadBattleText(ReadFileBytes(path), parent);
}

void TXvTListFile::LoadBattleText(std::string text, TListFileItem& parent) {
  TTextLineReader reader(std::move(text));
  const std::int32_t count = ReadListNumber(reader.ReadLine());
  const TListItemKind missionKind = FMissionType == mtTournaments ? likContest : likOperation;
  const std::size_t first = FItems.size();
  // Past the end every further name would be skipped anyway, so the loop stops there.
  for (std::int32_t k = 0; k < count && !reader.Eof(); ++k) {
    auto mission = std::make_unique<TListFileItem>();
    mission->Kind = missionKind;
    mission->FileName = reader.ReadLine();
    FItems.push_back(std::move(mission));
  }
  parent.Description[0] = reader.ReadLine();
  parent.Description[1] = reader.ReadLine();
  if (FMissionType != mtTournaments)
    return;
  reader.ReadLine(); // "Missions:"
  for (std::size_t k = first; k < FItems.size() && !reader.Eof(); ++k)
    FItems[k]->Title = reader.ReadLine();
}

} // namespace flightdeck
