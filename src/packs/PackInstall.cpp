// SPDX-License-Identifier: GPL-3.0-or-later
#include "packs/PackInstall.h"

#include "journal/FileTransaction.h"
#include "journal/History.h"
#include "lists/TextHelpers.h"
#include "lists/TitleRules.h"
#include "lists/XvTListFile.h"
#include "packs/InstallScript.h"
#include "packs/PackRemoval.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "platform/HostNames.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/Limits.h"
#include "platform/PathNames.h"
#include "platform/TemporaryFolder.h"
#include "platform/Windows1252.h"
#include "zip/ZipNames.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace flightdeck {

namespace {

TMessage SkipReason(std::uint8_t reason) {
  switch (reason) {
  case zsrUnsafeName:
    return TMessage::Own(TRANSLATABLE("Message", "its name would lead out of the folder"));
  case zsrTooLarge:
    return {TRANSLATABLE("Message", "it is larger than %1, the most a file of a pack may be"),
            {SizeInWords(MaxMissionSize)}};
  case zsrSymbolicLink:
    return TMessage::Own(TRANSLATABLE("Message", "it is a link"));
  case zsrUnreadable:
    return TMessage::Own(TRANSLATABLE("Message", "it is damaged or encrypted"));
  default:
    return TMessage::Own(TRANSLATABLE("Message", "it could not be extracted"));
  }
}

// What an extraction gave: the names that came out, and why others did not.
class TPackExtraction {
public:
  void Extracted(const std::string& name) { FExtracted.insert(Key(name)); }
  bool WasExtracted(const std::string& name) const { return FExtracted.count(Key(name)) > 0; }
  void Add(const std::string& name, TMessage reason) {
    FByName.emplace(Key(name), std::move(reason));
  }
  // Why the archive as a whole could not be taken apart.
  void SetFailure(TMessage reason) { FFailure = std::move(reason); }
  const std::optional<TMessage>& Failure() const { return FFailure; }
  TMessage Reason(const std::string& name) const {
    const auto found = FByName.find(Key(name));
    return found != FByName.end() ? found->second : FFailure.value_or(NotInPack);
  }

private:
  static std::string Key(const std::string& name) { return LowerCaseAscii(ExtractFileName(name)); }

  std::unordered_set<std::string> FExtracted;
  std::unordered_map<std::string, TMessage> FByName;
  std::optional<TMessage> FFailure;
  inline static const TMessage NotInPack =
      TMessage::Own(TRANSLATABLE("Message", "it is not in the pack"));
};

// Extracted files staged in a session's transaction.
class TTransactionStaging : public TZipStaging {
public:
  explicit TTransactionStaging(TFileTransaction& files) : FFiles(files) {}
  bool Holds(const std::string& path) const override { return FFiles.FileExists(path); }
  void Stage(const std::string& path, TReplacementFile file) override {
    FFiles.StageWritten(path, std::move(file));
  }

private:
  TFileTransaction& FFiles;
};

// Extracts the entries named by `names` (host names, as the zip engine gives them) into `directory`
// with the archive's settings; a file there is replaced, but the first entry of a name wins over
// later ones spelled alike. With `staging`, the files are staged there.
TPackExtraction ExtractInto(TZipArchiver& zip, const std::vector<std::string>& names,
                            const std::string& directory, TFileTransaction* staging) {
  TPackExtraction extraction;
  struct TRestore {
    TZipArchiver& Zip;
    TZipOverwrite Overwrite = Zip.Overwrite;
    TZipStaging* Staging = Zip.StageInto;
    TZipArchiver::TEvent<const TZipSkipping&> Skipping = std::move(Zip.OnSkippingFile);
    TZipArchiver::TEvent<TZipReplace&> Replacing = std::move(Zip.OnReplace);
    TZipArchiver::TEvent<const TZipFileStats&> Testing = std::move(Zip.OnTesting);
    ~TRestore() {
      Zip.Overwrite = Overwrite;
      Zip.StageInto = Staging;
      Zip.OnSkippingFile = std::move(Skipping);
      Zip.OnReplace = std::move(Replacing);
      Zip.OnTesting = std::move(Testing);
    }
  } restore{zip};
  zip.Overwrite = zowAsk;
  std::optional<TTransactionStaging> stagingInto;
  if (staging)
    zip.StageInto = &stagingInto.emplace(*staging);
  else
    zip.StageInto = nullptr;
  zip.OnSkippingFile = [&](TZipArchiver&, const TZipSkipping& skipped) {
    if (skipped.Reason != zsrExists)
      extraction.Add(skipped.FileName, SkipReason(skipped.Reason));
  };
  zip.OnReplace = [&](TZipArchiver&, TZipReplace& replace) {
    replace.Answer = extraction.WasExtracted(replace.FileName) ? zraSkip : zraReplace;
  };
  zip.OnTesting = [&](TZipArchiver&, const TZipFileStats& stats) {
    extraction.Extracted(stats.FileName);
  };
  zip.ExtractDirectory = directory;
  zip.FilesToProcess.clear();
  for (const std::string& name : names)
    zip.FilesToProcess.push_back(ZipLiteralPattern(name));
  const int result = zip.ExtractFiles(0);
  if (result != zrOk && result != zrWarning && result != zrNothingMatched)
    extraction.SetFailure(zip.LastError());
  return extraction;
}

// Makes `title` one that a record of `kind` can hold, noting the change once per title.
void MendTitle(TListItemKind kind, std::string& title, std::set<std::string>& noted,
               std::vector<TMessage>& notes) {
  if (TitleRefusal(kind, title).Empty())
    return;
  std::string mended = WritableTitle(kind, title);
  if (noted.insert(title).second)
    notes.push_back({TRANSLATABLE("Message", "The title \"%1\" holds characters the lists cannot "
                                             "hold: it was entered as \"%2\"."),
                     {title, mended}});
  title = std::move(mended);
}

// The pack's items as the list of `type` takes them: a title that becomes a group header there
// (a series in Battles and Tournaments, a group elsewhere) loses the "]" that would end the
// header's title. Everywhere else the title keeps it.
std::vector<TPackageItem> WithHeaderTitles(std::vector<TPackageItem> items, TMissionType type,
                                           std::set<std::string>& noted,
                                           std::vector<TMessage>& notes) {
  const bool battleType = type == mtBattles || type == mtTournaments;
  for (TPackageItem& item : items)
    if (PackClassOf(item.Kind) == (battleType ? TPackClass::Series : TPackClass::Group))
      for (std::string* title : {&item.NeutralTitle, &item.RebelTitle, &item.ImperialTitle})
        MendTitle(likCampaign, *title, noted, notes);
  return items;
}

// Leaves out what must not enter the game's folders, and mends titles the lists cannot hold
// anywhere.
void CheckEntries(std::vector<TPackageItem>& items, std::vector<TMessage>& notes) {
  std::erase_if(items, [&](const TPackageItem& item) {
    // A battle's file gets a name of its own where it is installed, whatever it was called.
    const bool named = IsMission(item.Kind) ||
                       (!item.FileName.empty() && PackClassOf(item.Kind) != TPackClass::Group);
    if (named && !IsBareFileName(item.FileName)) {
      notes.push_back({TRANSLATABLE("Message", "Left out \"%1\": it is not a plain file name."),
                       {item.FileName}});
      return true;
    }
    if (IsMission(item.Kind) && IsListFileName(item.FileName)) {
      notes.push_back({TRANSLATABLE("Message", "Left out the mission \"%1\": it has the name of a "
                                               "list file, which it would replace."),
                       {item.FileName}});
      return true;
    }
    return false;
  });
  std::set<std::string> noted;
  for (TPackageItem& item : items) {
    for (std::string* title : {&item.NeutralTitle, &item.RebelTitle, &item.ImperialTitle}) {
      if (title->size() > MaxTitleLength) {
        if (noted.insert(*title).second)
          notes.push_back({TRANSLATABLE("Message", "A title of %1 bytes was cut to %2, the most a "
                                                   "title may hold: \"%3\"..."),
                           {std::to_string(title->size()), std::to_string(MaxTitleLength),
                            title->substr(0, 40)}});
        title->resize(MaxTitleLength);
      }
      MendTitle(likEngagement, *title, noted, notes);
    }
  }
}

// A battle file name made from a title: its ASCII letters and digits in lower case, "_" for
// the rest, at most 32 of them; "battle" when the title has none.
std::string BattleFileBase(const std::string& title) {
  std::string base;
  for (const char c : title.substr(0, 32))
    base += std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80
                ? static_cast<char>(std::tolower(static_cast<unsigned char>(c)))
                : '_';
  return base.find_first_not_of('_') == std::string::npos ? "battle" : base;
}

// A battle file name for `item` that is not `taken`: its own name with a number, or for a name
// that is not plain, one made from its title, tried bare first. `nextSuffix` holds the number
// to try next for each name.
std::string FreeBattleFile(const TPackageItem& item,
                           const std::function<bool(const std::string&)>& taken,
                           std::map<std::string, int>& nextSuffix) {
  const bool plain = IsBareFileName(item.FileName);
  const std::string extension = plain ? ExtractFileExt(item.FileName) : ".lst";
  const std::string base = plain ? item.FileName.substr(0, item.FileName.size() - extension.size())
                                 : BattleFileBase(item.NeutralTitle);
  int& suffix = nextSuffix.emplace(LowerCaseAscii(base), plain ? 2 : 1).first->second;
  std::string name = base + extension;
  while (taken(name))
    name = base + "_" + std::to_string(suffix++) + extension;
  return name;
}

// Gives every battle or tournament of the pack a plain battle file name that nothing in the
// folder of `list` uses yet: not a file there, not an entry of the list, not the list files' names,
// not another entry of the pack.
void AssignFreeBattleFiles(const TXvTListFile& list, std::vector<TPackageItem>& items,
                           std::vector<TMessage>& notes) {
  const std::string directory = ListFileDirectory(list.FileName());
  std::unordered_set<std::string> used;
  for (const std::string_view name : ListFileNames)
    used.emplace(name);
  for (const auto& record : list.Items())
    if (HasBattleFile(record->Kind))
      used.insert(LowerCaseAscii(Trim(record->FileName)));
  const auto taken = [&](const std::string& name) {
    return used.count(LowerCaseAscii(name)) > 0 || FileExists(directory + name);
  };
  std::map<std::string, int> nextSuffix;
  for (TPackageItem& item : items) {
    if (PackClassOf(item.Kind) != TPackClass::Group || item.FileName.empty())
      continue;
    const bool plain = IsBareFileName(item.FileName);
    if (!plain || taken(item.FileName)) {
      std::string name = FreeBattleFile(item, taken, nextSuffix);
      notes.push_back(
          {plain ? TRANSLATABLE("Message", "The battle file \"%1\" of \"%2\" is already "
                                           "in use: it was installed as \"%3\".")
                 : TRANSLATABLE("Message", "The battle file \"%1\" of \"%2\" is not a "
                                           "plain file name: it was installed as \"%3\"."),
           {item.FileName, item.NeutralTitle, name}});
      item.FileName = std::move(name);
    }
    used.insert(LowerCaseAscii(item.FileName));
  }
}

} // namespace

std::string FindInstallScript(const std::vector<std::string>& listing) {
  const auto byFirstDot = std::find_if(listing.begin(), listing.end(), [](const std::string& name) {
    return TextAfter(name, ".") == "mcl";
  });
  if (byFirstDot != listing.end())
    return *byFirstDot;
  const auto byLastDot = std::find_if(listing.begin(), listing.end(), [](const std::string& name) {
    return SameTextAscii(ExtractFileExt(ExtractFileName(name)), ".mcl");
  });
  return byLastDot == listing.end() ? std::string() : *byLastDot;
}

std::string ExtractedScriptPath(const TTemporaryFolder& folder, const std::string& script) {
  return folder.Path() + ExtractFileName(script); // packs are extracted without their folders
}

TPackFiles ReadPackScript(TZipArchiver& zipManager, const std::vector<std::string>& listing,
                          TMissionType type) {
  const std::string script = FindInstallScript(listing);
  if (script.empty())
    return TPackFiles::Failure(TMessage::Own(NoInstallScriptMessage));
  const std::string& packName = zipManager.ZipFileName;
  const auto unreadableScript = [&](TMessage reason) {
    return TPackFiles::Failure(
        {TRANSLATABLE("Message", "The installation script of the pack \"%1\" could not be read: "
                                 "%2."),
         {packName, std::move(reason)}});
  };
  // The script comes out in a folder of our own: nothing of the user's can be in its way.
  const TTemporaryFolder folder;
  const TPackExtraction scriptExtraction =
      ExtractInto(zipManager, {script}, folder.Path(), nullptr);
  if (!scriptExtraction.WasExtracted(script))
    return unreadableScript(scriptExtraction.Reason(script));
  std::vector<std::string> ignored;
  TPackFiles pack = TPackFiles::Failure({});
  try {
    pack = ReadInstallScript(ExtractedScriptPath(folder, script), type, ignored);
  } catch (const EInOutError& error) {
    return unreadableScript(error.ReasonMessage());
  }
  if (pack.Value().empty())
    return unreadableScript(TMessage::Own(EmptyScriptReason));
  CheckEntries(pack.Value(), pack.Notes);
  return pack;
}

std::string FindPackReadme(const std::vector<std::string>& listing) {
  const auto isText = [](const std::string& name) {
    return name.size() > 4 && SameTextAscii(name.substr(name.size() - 4), ".txt");
  };
  const auto readme = std::find_if(listing.begin(), listing.end(), [](const std::string& name) {
    return SameTextAscii(ExtractFileName(name), "readme.txt");
  });
  if (readme != listing.end())
    return *readme;
  const auto text = std::find_if(listing.begin(), listing.end(), isText);
  return text == listing.end() ? std::string() : *text;
}

std::optional<std::string> ReadPackReadme(TZipArchiver& zipManager,
                                          const std::vector<std::string>& listing) {
  const std::string readme = FindPackReadme(listing);
  if (readme.empty())
    return std::nullopt;
  const TTemporaryFolder folder;
  if (!ExtractInto(zipManager, {readme}, folder.Path(), nullptr).WasExtracted(readme))
    return std::nullopt;
  try {
    const std::string text =
        ReadFileBytes(folder.Path() + ExtractFileName(readme), MaxPackReadmeSize);
    return IsValidUtf8(text) ? text : Windows1252ToUtf8(text);
  } catch (const EInOutError&) {
    return std::nullopt; // larger than a description may be, or not readable: none
  }
}

TMissionType SuitedCategory(TZipArchiver& zipManager, const std::vector<std::string>& listing,
                            TMissionType shown) {
  const TPackFiles pack = ReadPackScript(zipManager, listing, mtBattles);
  const bool battles =
      pack && std::any_of(pack.Value().begin(), pack.Value().end(), [](const TPackageItem& item) {
        return HasBattleFile(item.Kind) && !item.FileName.empty();
      });
  if (battles)
    return shown == mtTournaments ? mtTournaments : mtBattles;
  return shown == mtBattles || shown == mtTournaments ? mtCombat : shown;
}

TPackFiles ExtractPackFiles(TFileTransaction& staging, TZipArchiver& zipManager,
                            const std::vector<std::string>& listing,
                            const std::string& gameDirectory, TMissionType type) {
  TPackFiles pack = ReadPackScript(zipManager, listing, type);
  if (!pack)
    return pack;
  const std::string& packName = zipManager.ZipFileName;
  const std::vector<std::string> missions = MissionNames(pack.Value());
  if (missions.empty())
    return pack;

  // Missions go straight into the mission folder, put in place with the lists.
  std::vector<std::string> hostNames;
  hostNames.reserve(missions.size());
  for (const std::string& mission : missions)
    hostNames.push_back(HostFileName(mission));
  const TPackExtraction extraction =
      ExtractInto(zipManager, hostNames, MissionFilePath(gameDirectory, type, ""), &staging);
  if (extraction.Failure()) {
    TPackFiles failed =
        TPackFiles::Failure({TRANSLATABLE("Message", "The pack \"%1\" was not installed: %2."),
                             {packName, *extraction.Failure()}});
    failed.Notes = std::move(pack.Notes);
    return failed;
  }
  std::vector<TMessage> missing;
  for (std::size_t i = 0; i < missions.size(); ++i)
    if (!extraction.WasExtracted(hostNames[i]))
      missing.push_back(
          {TRANSLATABLE("Message", "\"%1\" (%2)"), {missions[i], extraction.Reason(hostNames[i])}});
  if (!missing.empty()) {
    TPackFiles failed = TPackFiles::Failure(
        {TRANSLATABLE("Message", "The pack \"%1\" was not installed: these mission files could "
                                 "not be extracted from it: %2."),
         {packName, ListOf(missing)}});
    failed.Notes = std::move(pack.Notes);
    return failed;
  }
  return pack;
}

std::vector<TMissionListId> ListsAPackExtends(TMissionType type, TGender side) {
  std::vector<TMissionListId> lists;
  if (type != mtCombat)
    lists.push_back({type, side});
  if (type == mtBattles || type == mtCombat)
    for (const TGender each : {gnNeutral, gnRebel, gnImperial})
      lists.push_back({mtCombat, each});
  return lists;
}

std::vector<TMessage> AddPackToLists(TFileTransaction& staging, TFilesRead& read,
                                     const std::string& gameDirectory, TMissionType type,
                                     TGender side, std::vector<TPackageItem> items,
                                     TPackRecord& record) {
  std::vector<TMessage> notes;
  std::set<std::string> noted;
  record.Category = type;
  record.Side = side;
  record.Lists = ListsAPackExtends(type, side);
  for (std::size_t at = 0; at < record.Lists.size(); ++at) {
    const TMissionListId& id = record.Lists[at];
    TXvTListFile list(gameDirectory, id.Type, id.Side);
    if (staging.IsStaged(list.FileName())) { // by the pack it replaces, which read it
      list.LoadStaged(staging);
    } else {
      list.LoadFromFile();
      read.insert(read.end(), list.FilesRead().begin(), list.FilesRead().end());
    }
    if (id.Type == mtBattles || id.Type == mtTournaments)
      AssignFreeBattleFiles(list, items, notes);
    const std::size_t before = list.Items().size();
    list.AddPackageItems(WithHeaderTitles(items, id.Type, noted, notes));
    for (std::size_t i = before; i < list.Items().size(); ++i) {
      const TListFileItem& item = *list.Items()[i];
      // As the list reads back: a battle file keeps no titles of its operations.
      record.Entries.push_back(
          {at, item.Kind, item.FileName, item.Kind == likOperation ? std::string() : item.Title});
    }
    list.Save(staging);
  }
  return notes;
}

std::vector<std::string> PackGroupTitles(const std::vector<TPackageItem>& items, TGender side) {
  std::vector<std::string> titles;
  for (const TPackageItem& item : items) {
    const TPackClass itemClass = PackClassOf(item.Kind);
    const std::string& title = itemClass == TPackClass::Series || side == gnNeutral
                                   ? item.NeutralTitle
                               : side == gnRebel ? item.RebelTitle
                                                 : item.ImperialTitle;
    if ((itemClass == TPackClass::Series || itemClass == TPackClass::Group) && !title.empty())
      titles.push_back(title);
  }
  return titles;
}

TMessage PackInstallSummary(const std::vector<TPackageItem>& items, TGender side) {
  const auto missions = std::count_if(
      items.begin(), items.end(), [](const TPackageItem& item) { return IsMission(item.Kind); });
  const std::vector<std::string> groups = PackGroupTitles(items, side);
  const std::string count = std::to_string(missions);
  if (groups.empty())
    return missions == 1 ? TMessage::Own(TRANSLATABLE("Message", "1 mission added"))
                         : TMessage(TRANSLATABLE("Message", "%1 missions added"), {count});
  const TMessage to = ListOf({groups.begin(), groups.end()});
  return missions == 1 ? TMessage(TRANSLATABLE("Message", "1 mission added to %1"), {to})
                       : TMessage(TRANSLATABLE("Message", "%1 missions added to %2"), {count, to});
}

namespace {

// Stages the whole install of a pack in `staging`; `read` receives the lists it read, and
// `nonMissions` the pack's missions that are no missions of this game, which refuse the pack
// unless they are to be installed.
// Moves the entries the pack of `record` added at the end of its lists to where the pack it
// replaces had its own.
void PlaceEntries(TFileTransaction& staging, const std::string& gameDirectory,
                  const TPackRecord& record, const TPackRemoval& replaced) {
  for (const auto& [id, place] : replaced.Places) {
    const auto at = std::find(record.Lists.begin(), record.Lists.end(), id);
    if (at == record.Lists.end())
      continue;
    const auto added = std::count_if(
        record.Entries.begin(), record.Entries.end(), [&](const TPackRecordEntry& entry) {
          return entry.List == static_cast<std::size_t>(at - record.Lists.begin());
        });
    TXvTListFile list(gameDirectory, id.Type, id.Side);
    list.LoadStaged(staging);
    TXvTListFile::TItems& items = list.Items();
    const auto first = items.end() - added;
    std::rotate(items.begin() + static_cast<std::ptrdiff_t>(std::min(place, items.size())), first,
                items.end());
    list.Save(staging);
  }
}

TPackFiles StagePackInstall(TFileTransaction& staging, TFilesRead& read, TZipArchiver& zipManager,
                            const std::vector<std::string>& listing,
                            const std::string& gameDirectory, TMissionType type, TGender side,
                            TNonMissions policy, std::vector<TNonMission>& nonMissions,
                            TPackRecord& record, const TPackReplacing& replacing,
                            std::optional<TPackRemoval>& replaced) {
  // The mission folder is read once, not again for each of the pack's files, on whichever
  // thread the install runs.
  const THostLookupScope lookup;
  record.Replaces = replacing.Id;
  if (replacing.Id != 0) {
    TOutcome<TPackRemoval> removal =
        StagePackRemoval(staging, read, *replacing.History, gameDirectory, replacing.Id);
    if (!removal)
      return TPackFiles::Failure(removal.ErrorMessage());
    replaced = std::move(removal.Value());
  }
  TPackFiles pack = ExtractPackFiles(staging, zipManager, listing, gameDirectory, type);
  if (!pack)
    return pack;
  nonMissions = PackNonMissions(staging, pack.Value(), gameDirectory, type);
  if (!nonMissions.empty() && policy == TNonMissions::Refuse) {
    TPackFiles refused = TPackFiles::Failure(
        {TRANSLATABLE("Message", "The pack \"%1\" was not installed: these files of it are no "
                                 "missions of this game: %2."),
         {zipManager.ZipFileName, NonMissionsList(nonMissions)}});
    refused.Notes = std::move(pack.Notes);
    return refused;
  }
  record.Pack = ExtractFileName(zipManager.ZipFileName);
  record.Digest = HostFileDigest(HostPath(zipManager.ZipFileName));
  record.Readme = ReadPackReadme(zipManager, listing).value_or(std::string());
  for (TMessage& note :
       AddPackToLists(staging, read, gameDirectory, type, side, pack.Value(), record))
    pack.Notes.push_back(std::move(note));
  if (replaced)
    PlaceEntries(staging, gameDirectory, record, *replaced);
  return pack;
}

} // namespace

TOutcome<TPackPlan> PlanPackInstall(TFileTransaction& staging, TFilesRead& read,
                                    TZipArchiver& zipManager,
                                    const std::vector<std::string>& listing,
                                    const std::string& gameDirectory, TMissionType type,
                                    TGender side, const TPackReplacing& replacing) {
  TPackPlan plan;
  const TPackFiles files = StagePackInstall(staging, read, zipManager, listing, gameDirectory, type,
                                            side, TNonMissions::Install, plan.NonMissions,
                                            plan.Record, replacing, plan.Replaced);
  if (!files)
    return TOutcome<TPackPlan>::Failure(files.ErrorMessage());
  const TGameHistory game(gameDirectory);
  plan.Items = files.Value();
  plan.Notes = files.Notes;
  const std::string* battle = nullptr; // the title of the battle the missions below go into
  for (const TPackRecordEntry& entry : plan.Record.Entries) {
    const TMissionListId& id = plan.Record.Lists[entry.List];
    if (HasBattleFile(entry.Kind))
      battle = &entry.Title;
    plan.Entries.push_back(
        {game.PathInGame(HostPath(ListFilePath(gameDirectory, id.Type, id.Side))), entry.Kind,
         entry.Title, entry.File, battle && IsMission(entry.Kind) ? *battle : std::string()});
  }
  // What it would write as it is is no part of it, as for any command.
  staging.LeaveOutUnchanged(game.Digests());
  for (const TFileTransaction::TStagedFile& file : staging.StagedFiles())
    plan.Files.push_back({game.PathInGame(file.Target), HostFileState(file.Target).has_value()});
  return plan;
}

TOutcome<TPackPlan> PlanPackInstall(TZipArchiver& zipManager,
                                    const std::vector<std::string>& listing,
                                    const std::string& gameDirectory, TMissionType type,
                                    TGender side, const TPackReplacing& replacing) {
  TFileTransaction staging; // never committed: the install is only staged
  TFilesRead read;
  return PlanPackInstall(staging, read, zipManager, listing, gameDirectory, type, side, replacing);
}

void InstallPlannedPack(TSession& session, TFileTransaction& staging, const TFilesRead& read,
                        const TPackPlan& plan) {
  session.Expect(read);
  session.Files().TakeOver(staging);
  session.KeepWithEntry(PackRecordName, PackRecordText(plan.Record));
}

TOutcome<> InstallPack(TSession& session, TZipArchiver& zipManager,
                       const std::vector<std::string>& listing, TMissionType type, TGender side,
                       TNonMissions nonMissions, int replacing) {
  TFilesRead read;
  std::vector<TNonMission> others;
  TPackRecord record;
  std::optional<TPackRemoval> replaced;
  TPackFiles pack = StagePackInstall(session.Files(), read, zipManager, listing,
                                     session.GameDirectory(), type, side, nonMissions, others,
                                     record, {&session.History(), replacing}, replaced);
  session.Expect(read);
  session.KeepWithEntry(PackRecordName, PackRecordText(record));
  // The pack's script is done with: the commit has need of the memory.
  TOutcome<> installed = pack ? TOutcome<>(TDone{}) : TOutcome<>::Failure(pack.ErrorMessage());
  installed.Notes = std::move(pack.Notes);
  if (installed)
    for (const TNonMission& other : others)
      installed.Notes.push_back({TRANSLATABLE("Message", "\"%1\" is no mission of this game "
                                                         "(%2); installed all the same."),
                                 {other.Name, other.Reason}});
  return installed;
}

} // namespace flightdeck
