// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PackCommands.h"

#include "cli/Complaints.h"
#include "cli/InstalledPackCommands.h"
#include "cli/JsonText.h"
#include "cli/NamedNodes.h"
#include "lists/MissionTree.h"
#include "packs/InstallScript.h"
#include "packs/InstalledPacks.h"
#include "packs/PackBuild.h"
#include "packs/PackInstall.h"
#include "platform/FileSystem.h"
#include "platform/Limits.h"
#include "platform/PathNames.h"
#include "platform/TemporaryFolder.h"
#include "platform/Windows1252.h"
#include "zip/ZipNames.h"

#include <algorithm>
#include <iostream>
#include <optional>

namespace flightdeck {

namespace {

// The archiver as the window sets it, its listing collected into `listing`.
TZipArchiver ListedPack(const std::string& pack, std::vector<std::string>& listing,
                        std::vector<std::string>* stored = nullptr) {
  TZipArchiver zip;
  zip.UsePaths = false;
  zip.OnListing = [&listing, stored](TZipArchiver&, const TZipFileStats& stats) {
    listing.push_back(stats.FileName);
    if (stored)
      stored->push_back(stats.StoredName);
  };
  zip.ZipFileName = pack;
  zip.ListFiles();
  return zip;
}

const char* ClassOf(TListItemKind kind) {
  switch (PackClassOf(kind)) {
  case TPackClass::Series:
    return "series";
  case TPackClass::Group:
    return "group";
  default:
    return "mission";
  }
}

// The installed pack the pack is to replace: none when it is like none, or is to go beside
// them; 0 for none. Why it cannot be installed so, if it cannot.
TOutcome<int> Replacing(TZipArchiver& zip, const std::vector<std::string>& listing,
                        const TInvocation& invocation, const TGameHistory& history) {
  const TPackFiles script = ReadPackScript(zip, listing, invocation.Type);
  if (!script || invocation.Has("--again"))
    return 0; // a pack that cannot be read fails on its own
  const std::vector<THistoryEntry> entries = history.Entries();
  const std::string name = ExtractFileName(zip.ZipFileName);
  const std::vector<std::string> groups = PackGroupTitles(script.Value(), invocation.Side);
  const std::vector<TInstalledPack> installed =
      InstalledPacksLike(history, entries, invocation.GameDirectory, name, groups);
  const std::vector<const TInstalledPack*> like = PacksLike(installed, name, groups);
  std::string which;
  for (const TInstalledPack* pack : like)
    which += (which.empty() ? "" : ", ") + Windows1252ToUtf8(pack->Entry->Subject) + " (" +
             std::to_string(pack->Entry->Id) + ")";
  if (like.empty())
    return 0;
  if (!invocation.Has("--replace"))
    return TOutcome<int>::Failure(
        "the pack was not installed: it is another copy or version of the installed " + which +
        "; --replace takes that one out and installs this one in its place, --again installs "
        "this one beside it");
  if (like.size() > 1)
    return TOutcome<int>::Failure("the pack was not installed: it is like several installed "
                                  "packs, " +
                                  which + "; take out all but one with remove-pack first");
  return like.front()->Entry->Id;
}

// What installing the pack would do, as JSON lines, with nothing changed: what taking out the
// pack it replaces does, the entries each list receives, then the files it adds and those it
// replaces.
int PrintInstallPlan(TZipArchiver& zip, const std::vector<std::string>& listing,
                     const TInvocation& invocation) {
  const TGameHistory history(invocation.GameDirectory);
  const TOutcome<int> replacing = Replacing(zip, listing, invocation, history);
  if (!replacing)
    return Fail(replacing.Error());
  const TOutcome<TPackPlan> plan =
      PlanPackInstall(zip, listing, invocation.GameDirectory, invocation.Type, invocation.Side,
                      {&history, replacing.Value()});
  if (!plan)
    return Fail(plan.Error());
  if (plan.Value().Replaced)
    for (const TPackRemovalStep& step : plan.Value().Replaced->Steps)
      PrintRemovalStep(step);
  for (const TPlannedEntry& entry : plan.Value().Entries)
    std::cout << "{\"action\":\"add-entry\",\"list\":" << JsonStringUtf8(entry.List)
              << ",\"kind\":" << JsonString(ListItemKindName(entry.Kind))
              << ",\"title\":" << JsonString(entry.Title)
              << (entry.File.empty() ? "" : ",\"file\":" + JsonString(entry.File)) << "}\n";
  for (const TPlannedFile& file : plan.Value().Files)
    std::cout << "{\"action\":\"" << (file.Replaces ? "replace" : "add")
              << "-file\",\"file\":" << JsonStringUtf8(file.File) << "}\n";
  for (const TNonMission& other : plan.Value().NonMissions)
    std::cout << "{\"action\":\"not-a-mission\",\"file\":" << JsonString(other.Name)
              << ",\"reason\":" << JsonStringUtf8(other.Reason.Text()) << "}\n";
  if (!plan.Value().NonMissions.empty() && !invocation.Has("--force"))
    return Fail("the pack would not be installed: these files of it are no missions of this "
                "game: " +
                Windows1252ToUtf8(NonMissionsList(plan.Value().NonMissions).Text()) +
                " (--force installs them all the same)");
  return 0;
}

// Why `pack` cannot be read as a pack at all, if it cannot.
std::optional<std::string> PackRefusal(const std::string& pack) {
  if (DirectoryExists(pack))
    return FolderNotPackMessage(pack).Text();
  if (!FileExists(pack))
    return "the pack \"" + pack + "\" does not exist";
  return std::nullopt;
}

} // namespace

int InstallPackCommand(const TInvocation& invocation) {
  const std::string& pack = invocation.Arguments.at(0);
  if (const std::optional<std::string> refusal = PackRefusal(pack))
    return Fail(*refusal);
  std::vector<std::string> listing;
  TZipArchiver zip = ListedPack(pack, listing);
  if (invocation.Has("--replace") && invocation.Has("--again"))
    return Fail("--replace and --again exclude each other", 2);
  if (invocation.Has("--dry-run"))
    return PrintInstallPlan(zip, listing, invocation);
  const TOutcome<int> replacing =
      Replacing(zip, listing, invocation, invocation.Session->History());
  if (!replacing)
    return Fail(replacing.Error());
  const TOutcome<> files = InstallPack(
      *invocation.Session, zip, listing, invocation.Type, invocation.Side,
      invocation.Has("--force") ? TNonMissions::Install : TNonMissions::Refuse, replacing.Value());
  for (const TMessage& note : files.Notes)
    Tell(note.Text());
  if (!files)
    return Fail(files.Error());
  invocation.Session->Commit();
  return 0;
}

int BuildPackCommand(const TInvocation& invocation) {
  TMissionTree tree(invocation.GameDirectory, invocation.Type, invocation.Side);
  tree.Load();
  const TMissionNode* chosen =
      NamedNode(tree, invocation, [](const TMissionNode& node) { return !node.Children.empty(); });
  if (!chosen) {
    return Fail("the list has no group, battle or tournament with missions labelled \"" +
                NodeName(invocation) + "\"");
  }
  TZipArchiver zip;
  zip.UsePaths = false;
  std::vector<std::string> leftOut;
  const std::vector<TPackageItem> items =
      CollectPackageItems(tree.PackBranch(*chosen), invocation.GameDirectory, invocation.Type,
                          invocation.Side, leftOut);
  if (!leftOut.empty())
    Tell(LeftOutMessage(leftOut).Text());
  if (const std::vector<TNonMission> others =
          PackNonMissions(TFileTransaction(), items, invocation.GameDirectory, invocation.Type);
      !others.empty()) {
    const std::string list = Windows1252ToUtf8(NonMissionsList(others).Text());
    if (!invocation.Has("--force"))
      return Fail("the pack was not built: these files are no missions of this game: " + list +
                  " (--force packs them all the same)");
    Tell("these files are no missions of this game, packed all the same: " + list);
  }
  const TOutcome<> built = BuildPack(zip, invocation.GameDirectory, invocation.Type, items,
                                     WithPackExtension(ArgumentAfterNode(invocation, 0)));
  if (!built)
    return Fail(built.Error());
  return 0;
}

int PackInfoCommand(const TInvocation& invocation) {
  const TTemporaryFolder folder;
  std::string pack = invocation.Arguments.at(0);
  if (pack == "-") { // the pack comes on standard input
    pack = folder.Path() + "standard-input.ixo";
    SaveStandardInput(pack, MaxPackTotal);
  } else if (const std::optional<std::string> refusal = PackRefusal(pack))
    return Fail(*refusal);
  std::vector<std::string> listing, stored;
  TZipArchiver zip = ListedPack(pack, listing, &stored);
  if (!zip.LastError().empty()) {
    // A pack read from standard input is told as that, not by the copy it was read from.
    std::string message = zip.LastError();
    if (invocation.Arguments.at(0) == "-")
      for (std::size_t at; (at = message.find(pack)) != std::string::npos;)
        message.replace(at, pack.size(), "standard input");
    return Fail(message);
  }
  for (const std::string& entry : stored)
    std::cout << "{\"entry\":" << JsonStringUtf8(entry) << "}\n";
  const std::string script = FindInstallScript(listing);
  if (script.empty())
    return Fail(NoInstallScriptMessage);
  zip.ExtractDirectory = folder.Path();
  zip.FilesToProcess = {ZipLiteralPattern(script)};
  const int extracted = zip.ExtractFiles(0);
  const std::string path = ExtractedScriptPath(folder, script);
  if (extracted != zrOk || !FileExists(path))
    return Fail("the installation script \"" + script + "\" cannot be read: " +
                (zip.LastError().empty() ? "it could not be extracted" : zip.LastError()));
  std::vector<std::string> missions;
  // Read as for Battles, where every class of entry is kept.
  const std::vector<TPackageItem> items = ReadInstallScript(path, mtBattles, missions);
  if (items.empty())
    return Fail("the installation script \"" + script +
                "\" cannot be read: " + TMessage::Own(EmptyScriptReason).Text());
  for (const TPackageItem& item : items)
    std::cout << "{\"class\":\"" << ClassOf(item.Kind)
              << "\",\"file\":" << JsonString(item.FileName) << ",\"titles\":["
              << JsonString(item.NeutralTitle) << "," << JsonString(item.RebelTitle) << ","
              << JsonString(item.ImperialTitle) << "]}\n";
  if (const std::optional<std::string> readme = ReadPackReadme(zip, listing))
    std::cout << "{\"readme\":" << JsonStringUtf8(*readme) << "}\n";
  return 0;
}

} // namespace flightdeck
