#include "cli/PackCommands.h"

#include "cli/JsonText.h"
#include "lists/MissionTree.h"
#include "packs/InstallScript.h"
#include "platform/FileSystem.h"
#include "platform/TemporaryFolder.h"
#include "platform/Windows1252.h"
#include "services/PackBuild.h"
#include "services/PackInstall.h"

#include <algorithm>
#include <iostream>

namespace flightdeck {

namespace {

// The archiver as the window sets it, its listing collected into `listing`.
TZipArchiver ListedPack(const std::string& pack, std::vector<std::string>& listing) {
  TZipArchiver zip;
  zip.UsePaths = false;
  zip.OnListing = [&listing](TZipArchiver&, const TZipFileStats& stats) {
    listing.push_back(stats.FileName);
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

// What installing the pack would do, as JSON lines, with nothing changed: the entries each
// list receives, then the files it adds and those it replaces.
int PrintInstallPlan(TZipArchiver& zip, const std::vector<std::string>& listing,
                     const TInvocation& invocation) {
  const TOutcome<TPackPlan> plan =
      PlanPackInstall(zip, listing, invocation.GameDirectory, invocation.Type, invocation.Gender);
  if (!plan) {
    std::cerr << "flightdeck-cli: " << plan.Error() << "\n";
    return 1;
  }
  for (const TPlannedEntry& entry : plan.Value().Entries)
    std::cout << "{\"action\":\"add-entry\",\"list\":" << JsonStringUtf8(entry.List)
              << ",\"kind\":" << JsonString(ListItemKindName(entry.Kind))
              << ",\"title\":" << JsonString(entry.Title)
              << (entry.File.empty() ? "" : ",\"file\":" + JsonString(entry.File)) << "}\n";
  for (const TPlannedFile& file : plan.Value().Files)
    std::cout << "{\"action\":\"" << (file.Replaces ? "replace" : "add")
              << "-file\",\"file\":" << JsonStringUtf8(file.File) << "}\n";
  return 0;
}

} // namespace

int InstallPackCommand(const TInvocation& invocation) {
  const std::string& pack = invocation.Arguments.at(0);
  if (!FileExists(pack)) {
    std::cerr << "flightdeck-cli: the pack \"" << pack << "\" does not exist\n";
    return 1;
  }
  std::vector<std::string> listing;
  TZipArchiver zip = ListedPack(pack, listing);
  if (invocation.Has("--dry-run"))
    return PrintInstallPlan(zip, listing, invocation);
  const TPackFiles files =
      InstallPack(*invocation.Session, zip, listing, invocation.Type, invocation.Gender);
  for (const std::string& note : files.Notes)
    std::cerr << "flightdeck-cli: " << note << "\n";
  if (!files) {
    std::cerr << "flightdeck-cli: " << files.Error() << "\n";
    return 1;
  }
  invocation.Session->Commit();
  return 0;
}

int BuildPackCommand(const TInvocation& invocation) {
  const std::string& label = invocation.Arguments.at(0);
  TMissionTree tree(invocation.GameDirectory, invocation.Type, invocation.Gender);
  tree.Load();
  const std::string wanted = Utf8ToWindows1252(label);
  const std::vector<TMissionNode*> nodes = tree.Nodes();
  const auto chosen = std::find_if(nodes.begin(), nodes.end(), [&](const TMissionNode* node) {
    return node->Label == wanted && !node->Children.empty();
  });
  if (chosen == nodes.end()) {
    std::cerr
        << "flightdeck-cli: the list has no group, battle or tournament with missions labelled \""
        << label << "\"\n";
    return 1;
  }
  TZipArchiver zip;
  zip.UsePaths = false;
  std::vector<std::string> leftOut;
  const std::vector<TPackageItem> items =
      CollectPackageItems(tree.PackBranch(**chosen), invocation.GameDirectory, invocation.Type,
                          invocation.Gender, leftOut);
  if (!leftOut.empty())
    std::cerr << "flightdeck-cli: " << LeftOutMessage(leftOut) << "\n";
  const TOutcome<> built = BuildPack(zip, invocation.GameDirectory, invocation.Type, items,
                                     WithPackExtension(invocation.Arguments.at(1)));
  if (!built) {
    std::cerr << "flightdeck-cli: " << built.Error() << "\n";
    return 1;
  }
  return 0;
}

int PackInfoCommand(const TInvocation& invocation) {
  const std::string& pack = invocation.Arguments.at(0);
  std::vector<std::string> listing;
  TZipArchiver zip = ListedPack(pack, listing);
  if (!zip.LastError().empty()) {
    std::cerr << "flightdeck-cli: " << zip.LastError() << "\n";
    return 1;
  }
  for (const std::string& entry : listing)
    std::cout << "{\"entry\":" << JsonString(entry) << "}\n";
  const std::string script = FindInstallScript(listing);
  if (script.empty()) {
    std::cerr << "flightdeck-cli: " << NoInstallScriptMessage << "\n";
    return 1;
  }
  const TTemporaryFolder folder;
  zip.ExtractDirectory = folder.Path();
  zip.FilesToProcess = {script};
  zip.ExtractFiles(0);
  std::vector<std::string> missions;
  // Read as for Battles, where every class of entry is kept.
  for (const TPackageItem& item : ReadInstallScript(folder.Path() + script, mtBattles, missions))
    std::cout << "{\"class\":\"" << ClassOf(item.Kind)
              << "\",\"file\":" << JsonString(item.FileName) << ",\"titles\":["
              << JsonString(item.NeutralTitle) << "," << JsonString(item.RebelTitle) << ","
              << JsonString(item.ImperialTitle) << "]}\n";
  return 0;
}

} // namespace flightdeck
