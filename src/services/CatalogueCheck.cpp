// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a game's catalogue: every list, its battle files and the mission folders.

#include "services/CatalogueCheck.h"

#include "lists/MissionTitles.h"
#include "lists/TextHelpers.h"
#include "lists/TitleRules.h"
#include "lists/XvTListFile.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/HostNames.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/Limits.h"
#include "platform/PathNames.h"
#include "platform/ReplacementFile.h"
#include "platform/TextLines.h"
#include "platform/Translatable.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <thread>
#include <unordered_map>
#include <unordered_set>

namespace flightdeck {

namespace {

struct TProblemTraits {
  std::string_view Name;
  TSeverity Severity;
  std::string_view Text; // "{file}" and "{detail}" stand for the finding's
};

constexpr std::array<TProblemTraits, 18> ProblemTraits = {{
    {"missing-mission-file", TSeverity::Error,
     TRANSLATABLE("Finding", "The mission file {file} is not in the mission folder.")},
    {"missing-battle-file", TSeverity::Error,
     TRANSLATABLE("Finding", "The battle file {file} is missing.")},
    {"unreadable-battle-file", TSeverity::Error,
     TRANSLATABLE("Finding", "The battle file {file} cannot be read: {detail}")},
    {"unreadable-list", TSeverity::Error,
     TRANSLATABLE("Finding", "The list file cannot be read: {detail}")},
    {"lf-line-ends", TSeverity::Error,
     TRANSLATABLE("Finding",
                  "{file} has lines ended by a line feed alone; the game reads them as one line.")},
    {"ctrl-z-before-end", TSeverity::Error,
     TRANSLATABLE("Finding",
                  "{file} holds a Ctrl-Z before its end; the game stops reading there.")},
    {"not-a-mission", TSeverity::Error,
     TRANSLATABLE("Finding", "The file {file} is no mission of this game: {detail}.")},
    {"duplicate-mission", TSeverity::Warning,
     TRANSLATABLE("Finding", "The mission file {file} is listed twice.")},
    {"duplicate-number", TSeverity::Warning,
     TRANSLATABLE("Finding", "The number {detail} is used twice in this list.")},
    {"untitled-mission", TSeverity::Warning,
     TRANSLATABLE("Finding", "The mission {file} has no title in the neutral Combat list.")},
    {"empty-title", TSeverity::Warning, TRANSLATABLE("Finding", "The title is empty.")},
    {"unwritable-title", TSeverity::Warning,
     TRANSLATABLE("Finding",
                  "The title holds a line break or Ctrl-Z; it cannot be written back unchanged.")},
    {"unwritable-name", TSeverity::Warning,
     TRANSLATABLE("Finding", "The file name {file} holds a line break or Ctrl-Z; it cannot be "
                             "written back unchanged.")},
    {"battle-count-mismatch", TSeverity::Warning,
     TRANSLATABLE("Finding", "The battle file {file} names {detail} than its first line counts.")},
    {"unlisted-mission-file", TSeverity::Note,
     TRANSLATABLE("Finding", "No list names the mission file {file}.")},
    {"unlistable-name", TSeverity::Note,
     TRANSLATABLE(
         "Finding",
         "No list can name the file {file}: its name has characters outside Windows-1252.")},
    {"left-over-file", TSeverity::Note,
     TRANSLATABLE("Finding", "{file} was left by a save that was cut short; the next command "
                             "that changes the game removes it.")},
    {"mission-type", TSeverity::Note,
     TRANSLATABLE("Finding", "The mission {file} is a {detail} mission, which the game does not "
                             "play in this category.")},
}};

const TProblemTraits& TraitsOf(TProblem problem) {
  return ProblemTraits[static_cast<std::size_t>(problem)];
}

constexpr char CtrlZ = 26;

// The threads that read a list's missions at most: each read waits mostly on the system.
constexpr std::size_t MaxMissionReaders = 8;

// What keeps the game from reading all of a file's text: a line feed without a carriage
// return before it (the game reads on to the next carriage return), or a Ctrl-Z with more
// than blanks after it.
std::optional<TProblem> TextProblem(std::string_view text) {
  const std::size_t mark = text.find(CtrlZ);
  const std::string_view read = text.substr(0, mark);
  for (std::size_t at = read.find('\n'); at != std::string_view::npos; at = read.find('\n', at + 1))
    if (at == 0 || read[at - 1] != '\r')
      return TProblem::LfLineEnds;
  if (mark != std::string_view::npos &&
      text.find_first_not_of(std::string_view("\x1a\r\n \t", 5), mark) != std::string_view::npos)
    return TProblem::CtrlZBeforeEnd;
  return std::nullopt;
}

bool IsMissionFileName(std::string_view line) {
  return SameTextAscii(ExtractFileExt(line), ".tie");
}

// How many mission files a battle file names, against its count line: the mission names are
// the ".tie" lines after the count. "" when they agree.
std::string CountMismatch(const std::string& text) {
  TLineScanner lines(text, 0, text.size());
  const std::int32_t count = ReadListNumber(lines.Next().In(text));
  std::int32_t named = 0;
  while (!lines.Eof() && IsMissionFileName(lines.Next().In(text)))
    ++named;
  if (named == count)
    return {};
  return std::to_string(named) + (named > count ? " missions, more" : " missions, fewer");
}

bool HasLineBreak(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\x1a", 3)) != std::string_view::npos;
}

// Mission names as the game compares them, in any ASCII letter case.
using TNames = std::unordered_set<std::string_view, TAsciiCaseHash, TAsciiCaseEqual>;

// What the check keeps of a file read as a mission: how it is played, or why it is none.
struct TMissionVerdict {
  std::optional<TMissionPlay> Play;
  std::string Reason;
};

// A file of a mission folder: its own name, whether a list names it, and what it is as a
// mission, once read.
struct TFolderEntry {
  std::string HostName;
  bool Named = false;
  std::optional<TMissionVerdict> Verdict;
};
// A mission folder's files by the name a list gives them.
using TFolder = std::unordered_map<std::string, TFolderEntry, TAsciiCaseHash, TAsciiCaseEqual>;
// The file in its folder of each entry of a list, by the entry's index; none for an entry that
// names no mission or a file the folder does not hold.
using TEntryFiles = std::vector<TFolderEntry*>;

// A battle file as the check read it: its text, or why it has none.
struct TBattleRead {
  bool Exists = false;
  std::optional<std::string> Text;
  std::string Error;
};

class TCatalogueCheck {
public:
  TCatalogueCheck(const std::string& gameDirectory, const TCheckScope& scope,
                  const std::function<void(const TFinding&)>& found)
      : FGame(gameDirectory), FScope(scope), FFound(found) {}

  void Run();

private:
  bool Reported(TMissionType type, TGender side) const {
    return (!FScope.Type || *FScope.Type == type) && (!FScope.Side || *FScope.Side == side);
  }
  // Whether the files of a mission folder that no list names are noted.
  bool NotesFolder(TMissionType folder) const {
    return !FScope.Side && (!FScope.Type || SingleMissionType(*FScope.Type) == folder);
  }
  void CheckList(TMissionType type, TGender side, bool report);
  // The files of a mission folder that no list names, or none can, and leftovers.
  void CheckFolder(TMissionType folder);
  // Reads a list from `text`, its battle files from disk, each into `battles`.
  static void LoadList(TXvTListFile& list, std::string text,
                       std::unordered_map<std::string, TBattleRead>& battles);
  void CheckRecords(const TXvTListFile& list,
                    const std::unordered_map<std::string, TBattleRead>& battles);
  // The titles of a battle's missions, unless their list cannot be read (a finding of its own).
  std::optional<TMissionTitles> MissionTitlesOf(TMissionType type) const;
  void CheckBattleFile(const TListFileItem& battle, const TBattleRead* read);
  // The file of a mission entry is in the folder, and is named once among `named`.
  void CheckMission(const TListFileItem& item, TFolderEntry* file, TNames& named,
                    TMissionType category);
  // The file of a mission entry of a list of `category` is a mission the game plays there.
  void CheckMissionFile(const TListFileItem& item, TFolderEntry& file, TMissionType category);
  static TEntryFiles EntryFiles(const TXvTListFile& list, TFolder& onDisk);
  // Reads, on as many threads as the machine runs, the files of `files` not read yet: each
  // read waits mostly on the system.
  void ReadMissions(const TEntryFiles& files, const THostPath& folder);
  void CheckTitle(const TListFileItem& item, std::optional<TMissionTitles>& titles);
  // A finding of the list, or of its record looked at (FItem), labelled as the tree labels it.
  void Add(TProblem problem, std::string file = {}, std::string detail = {});
  std::string OnDiskName(const std::string& path) const;
  // A mission folder's entries, by the name a list gives them; read once.
  TFolder& FolderOf(TMissionType folder);

  const std::string& FGame;
  TCheckScope FScope;
  const std::function<void(const TFinding&)>& FFound;
  std::map<TMissionType, TFolder> FFolders;
  std::map<TMissionType, THostPath> FFolderPaths;
  std::map<TMissionType, std::vector<std::string>> FUnlistable; // host names no list can hold
  std::map<TMissionType, std::vector<std::string>> FLeftOver;   // of saves cut short
  // The list being checked, and its record being looked at with the titles of its missions.
  TFinding FAt;
  const TListFileItem* FItem = nullptr;
  std::optional<TMissionTitles>* FTitles = nullptr;
  bool FReport = false;
};

void TCatalogueCheck::Run() {
  const THostLookupScope lookup;
  for (int code = 0; code < MissionTypeCount; ++code) {
    const TMissionType type = CheckedMissionType(code);
    for (const TGender side : {gnNeutral, gnRebel, gnImperial}) {
      if (side != gnNeutral && IsNeutralOnly(type) && !(FScope.Side && *FScope.Side == side))
        continue;
      const bool report = Reported(type, side);
      if (report || NotesFolder(SingleMissionType(type)))
        CheckList(type, side, report);
    }
  }
  for (const TMissionType folder : {mtCombat, mtMelee, mtTraining})
    if (NotesFolder(folder))
      CheckFolder(folder);
}

void TCatalogueCheck::CheckFolder(TMissionType folder) {
  std::vector<std::string> unlisted;
  for (const auto& [name, file] : FolderOf(folder))
    if (IsMissionFileName(name) && !file.Named)
      unlisted.push_back(name);
  std::sort(unlisted.begin(), unlisted.end());
  FAt = TFinding{};
  FAt.Type = folder;
  FAt.List = OnDiskName(MissionDirectory(FGame, folder));
  FReport = true;
  for (std::string& name : unlisted)
    Add(TProblem::UnlistedMissionFile, std::move(name));
  std::sort(FUnlistable[folder].begin(), FUnlistable[folder].end());
  for (const std::string& name : FUnlistable[folder]) {
    FAt.HostName = name;
    Add(TProblem::UnlistableName, Utf8ToWindows1252(name));
  }
  FAt.HostName.clear();
  std::sort(FLeftOver[folder].begin(), FLeftOver[folder].end());
  for (std::string& name : FLeftOver[folder])
    Add(TProblem::LeftOverFile, std::move(name));
}

std::string TCatalogueCheck::OnDiskName(const std::string& path) const {
  const std::string name = ExtractFileName(HostPath(path).Native());
  return GameFileName(name).value_or(Utf8ToWindows1252(name));
}

TFolder& TCatalogueCheck::FolderOf(TMissionType folder) {
  const auto [found, added] = FFolders.try_emplace(folder);
  if (!added)
    return found->second;
  const THostPath& path = FFolderPaths[folder] = HostPath(MissionDirectory(FGame, folder));
  std::vector<std::string> names = HostFolderNames(path);
  found->second.reserve(names.size());
  for (std::string& name : names) {
    if (IsLeftOverSave(name)) {
      FLeftOver[folder].push_back(std::move(name));
    } else if (std::optional<std::string> listed = GameFileName(name)) {
      found->second.emplace(std::move(*listed), TFolderEntry{std::move(name), false, {}});
    } else if (IsMissionFileName(name))
      FUnlistable[folder].push_back(std::move(name));
  }
  return found->second;
}

void TCatalogueCheck::Add(TProblem problem, std::string file, std::string detail) {
  if (!FReport)
    return;
  TFinding finding = FAt;
  if (FItem)
    finding.Label = *FTitles               ? (*FTitles)->MissionLabel(*FItem)
                    : FItem->Title.empty() ? FItem->FileName
                                           : FItem->Title;
  finding.Problem = problem;
  finding.File = std::move(file);
  finding.Detail = std::move(detail);
  FFound(finding);
}

void TCatalogueCheck::CheckList(TMissionType type, TGender side, bool report) {
  const std::string path = ListFilePath(FGame, type, side);
  if (!EntryExists(path))
    return; // the game takes a missing list for an empty one
  FReport = report;
  FAt = TFinding{};
  FAt.Type = type;
  FAt.Side = side;
  const std::string_view folder = MissionTypeDir(type);
  FAt.List =
      OnDiskName(FGame + std::string(folder.substr(0, folder.size() - 1))) + "/" + OnDiskName(path);
  std::string text;
  try {
    text = ReadFileBytes(path, MaxListSize);
  } catch (const EInOutError& error) {
    Add(TProblem::UnreadableList, {}, error.Reason());
    return;
  }
  if (const std::optional<TProblem> problem = TextProblem(text))
    Add(*problem, OnDiskName(path));

  std::unordered_map<std::string, TBattleRead> battles;
  TXvTListFile list(FGame, type, side);
  try {
    LoadList(list, std::move(text), battles);
  } catch (const EInOutError& error) {
    Add(TProblem::UnreadableList, {}, error.Reason());
    return;
  }
  CheckRecords(list, battles);
}

void TCatalogueCheck::LoadList(TXvTListFile& list, std::string text,
                               std::unordered_map<std::string, TBattleRead>& battles) {
  list.LoadFromText(std::move(text), [&](const std::string& battlePath) {
    TBattleRead& read = battles[battlePath];
    read.Exists = FileExists(battlePath);
    try {
      if (read.Exists)
        read.Text = ReadFileBytes(battlePath, MaxListSize);
    } catch (const EInOutError& error) {
      read.Error = error.Reason();
    }
    return read.Text;
  });
}

void TCatalogueCheck::CheckRecords(const TXvTListFile& list,
                                   const std::unordered_map<std::string, TBattleRead>& battles) {
  const TMissionType folder = SingleMissionType(list.MissionType());
  const TEntryFiles files = EntryFiles(list, FolderOf(folder));
  if (FReport)
    ReadMissions(files, FFolderPaths[folder]);
  std::optional<TMissionTitles> titles = MissionTitlesOf(list.MissionType());
  // Sized for the whole list at once: never grown on the way.
  const std::size_t count = list.Items().size();
  std::unordered_set<std::int32_t> numbers(count);
  TNames listMissions(count); // the list's own entries
  TNames battleMissions;      // those of the battle being looked at
  FTitles = &titles;
  for (std::size_t index = 0; index < list.Items().size(); ++index) {
    const TListFileItem& item = *list.Items()[index];
    FAt.Entry = static_cast<int>(index);
    FItem = &item;
    if (IsEntry(item.Kind) && !numbers.insert(item.Number).second)
      Add(TProblem::DuplicateNumber, {}, std::to_string(item.Number));
    if (HasBattleFile(item.Kind)) {
      battleMissions.clear();
      const std::string path = BattleFilePath(list.FileName(), item.FileName);
      const auto read = battles.find(path);
      CheckBattleFile(item, path.empty() || read == battles.end() ? nullptr : &read->second);
    }
    if (HasLineBreak(item.FileName))
      Add(TProblem::UnwritableName, item.FileName);
    CheckTitle(item, titles);
    if (IsMission(item.Kind))
      CheckMission(item, files[index], item.Kind == likEngagement ? listMissions : battleMissions,
                   list.MissionType());
  }
  FItem = nullptr;
}

std::optional<TMissionTitles> TCatalogueCheck::MissionTitlesOf(TMissionType type) const {
  if (type != mtBattles)
    return std::nullopt;
  const TMissionType folder = SingleMissionType(type);
  try {
    if (const std::string combat = ListFilePath(FGame, folder, gnNeutral); FileExists(combat))
      CheckFileReadable(combat);
    return TMissionTitles(FGame, folder, gnNeutral);
  } catch (const EInOutError&) {
    return std::nullopt;
  }
}

void TCatalogueCheck::CheckMission(const TListFileItem& item, TFolderEntry* file, TNames& named,
                                   TMissionType category) {
  if (file)
    file->Named = true;
  if (!file || !IsBareFileName(item.FileName))
    Add(TProblem::MissingMissionFile, item.FileName);
  else if (FReport)
    CheckMissionFile(item, *file, category);
  if (!named.insert(item.FileName).second)
    Add(TProblem::DuplicateMission, item.FileName);
}

TEntryFiles TCatalogueCheck::EntryFiles(const TXvTListFile& list, TFolder& onDisk) {
  TEntryFiles files(list.Items().size());
  for (std::size_t index = 0; index < files.size(); ++index)
    if (const TListFileItem& item = *list.Items()[index]; IsMission(item.Kind))
      if (const auto file = onDisk.find(std::string_view(item.FileName)); file != onDisk.end())
        files[index] = &file->second;
  return files;
}

void TCatalogueCheck::ReadMissions(const TEntryFiles& files, const THostPath& folder) {
  std::vector<TFolderEntry*> unread;
  for (TFolderEntry* file : files)
    if (file && !file->Verdict)
      unread.push_back(file);
  std::sort(unread.begin(), unread.end()); // each once, though listed twice
  unread.erase(std::unique(unread.begin(), unread.end()), unread.end());
  // Read once, whichever lists name it: its header and sizes only.
  const auto read = [&](std::size_t first, std::size_t step) {
    for (std::size_t at = first; at < unread.size(); at += step) {
      TFolderEntry& file = *unread[at];
      TMissionReading reading =
          ReadMissionHostFileOrReason(folder / file.HostName, TMissionDepth::Sizes);
      file.Verdict = reading.Mission ? TMissionVerdict{reading.Mission->Play, {}}
                                     : TMissionVerdict{std::nullopt, reading.Reason.Text()};
    }
  };
  const std::size_t threads =
      std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, MaxMissionReaders);
  std::vector<std::thread> helpers;
  for (std::size_t first = 1; first < threads && first < unread.size(); ++first)
    helpers.emplace_back(read, first, threads);
  read(0, threads);
  for (std::thread& helper : helpers)
    helper.join();
}

void TCatalogueCheck::CheckMissionFile(const TListFileItem& item, TFolderEntry& file,
                                       TMissionType category) {
  if (!file.Verdict) // not read for another reason
    return;
  if (!file.Verdict->Play)
    Add(TProblem::NotAMission, item.FileName, file.Verdict->Reason);
  else if (!PlayFitsCategory(*file.Verdict->Play, category))
    Add(TProblem::MissionType, item.FileName, std::string(PlayWord(*file.Verdict->Play)));
}

void TCatalogueCheck::CheckBattleFile(const TListFileItem& battle, const TBattleRead* read) {
  if (!read) {
    Add(TProblem::UnreadableBattleFile, battle.FileName, "its name is not a plain file name.");
  } else if (!read->Exists) {
    Add(TProblem::MissingBattleFile, battle.FileName);
  } else if (!read->Text) {
    Add(TProblem::UnreadableBattleFile, battle.FileName, read->Error);
  } else if (const std::optional<TProblem> problem = TextProblem(*read->Text)) {
    Add(*problem, Trim(battle.FileName)); // its count means nothing then
  } else if (std::string mismatch = CountMismatch(*read->Text); !mismatch.empty()) {
    Add(TProblem::BattleCountMismatch, battle.FileName, std::move(mismatch));
  }
}

void TCatalogueCheck::CheckTitle(const TListFileItem& item, std::optional<TMissionTitles>& titles) {
  std::optional<std::string> title = item.Title;
  if (item.Kind == likOperation) {
    if (!titles)
      return;
    title = titles->Find(item.FileName); // its title lives in the neutral Combat list
    if (!title) {
      Add(TProblem::UntitledMission, item.FileName);
      return;
    }
  }
  if (const std::optional<TProblem> problem = TitleProblem(item.Kind, *title))
    Add(*problem);
}

} // namespace

bool PlayFitsCategory(TMissionPlay play, TMissionType category) {
  const bool training = play == TMissionPlay::Training || play == TMissionPlay::MultiplayerTraining;
  const bool fighting = play == TMissionPlay::Melee || play == TMissionPlay::MultiplayerCombat;
  return !(category == mtTraining && fighting) && !(category == mtMelee && training);
}

std::optional<TProblem> TitleProblem(TListItemKind kind, const std::string& title) {
  if (Trim(title).empty())
    return TProblem::EmptyTitle;
  if (!TitleRefusal(kind, title).Empty())
    return TProblem::UnwritableTitle;
  return std::nullopt;
}

TSeverity SeverityOf(TProblem problem) {
  return TraitsOf(problem).Severity;
}

std::string_view SeverityName(TSeverity severity) {
  constexpr std::array<std::string_view, 3> names = {"error", "warning", "note"};
  return names[static_cast<std::size_t>(severity)];
}

std::string_view ProblemName(TProblem problem) {
  return TraitsOf(problem).Name;
}

std::string_view FindingTemplate(TProblem problem) {
  return TraitsOf(problem).Text;
}

std::string FindingText(const TFinding& finding) {
  std::string text(FindingTemplate(finding.Problem));
  for (const auto& [field, value] :
       {std::pair<std::string_view, const std::string&>{"{file}", finding.File},
        {"{detail}", finding.Detail}})
    if (const std::size_t at = text.find(field); at != std::string::npos)
      text.replace(at, field.size(), value);
  return text;
}

void CheckCatalogue(const std::string& gameDirectory, const TCheckScope& scope,
                    const std::function<void(const TFinding&)>& found) {
  TCatalogueCheck(gameDirectory, scope, found).Run();
}

std::vector<TFinding> CheckCatalogue(const std::string& gameDirectory, const TCheckScope& scope,
                                     std::size_t* unkept) {
  std::vector<TFinding> findings;
  std::size_t over = 0;
  CheckCatalogue(gameDirectory, scope, [&](const TFinding& finding) {
    if (findings.size() < MaxFindingsKept)
      findings.push_back(finding);
    else
      ++over;
  });
  if (unkept)
    *unkept = over;
  return findings;
}

} // namespace flightdeck
