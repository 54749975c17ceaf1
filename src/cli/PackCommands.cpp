#include "cli/PackCommands.h"

#include "cli/JsonText.h"
#include "lists/MissionTree.h"
#include "packs/InstallScript.h"
#include "packs/PackBuild.h"
#include "packs/PackInstall.h"
#include "platform/FileSystem.h"
#include "platform/TemporaryFolder.h"
#include "platform/Windows1252.h"

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

} // namespace

int InstallPackCommand(const std::string& gameDirectory, TMissionType type, TGender gender,
                       const std::string& pack) {
  if (!FileExists(pack)) {
    std::cerr << "flightdeck-cli: the pack \"" << pack << "\" does not exist\n";
    return 1;
  }
  std::vector<std::string> listing;
  TZipArchiver zip = ListedPack(pack, listing);
  const TPackFiles files = InstallPack(zip, listing, gameDirectory, type, gender);
  for (const std::string& note : files.Notes)
    std::cerr << "flightdeck-cli: " << note << "\n";
  if (!files.Error.empty()) {
    std::cerr << "flightdeck-cli: " << files.Error << "\n";
    return 1;
  }
  return 0;
}

int BuildPackCommand(const std::string& gameDirectory, TMissionType type, TGender gender,
                     const std::string& label, const std::string& pack) {
  const TMissionTree tree = LoadMissionTree(gameDirectory, type, gender);
  const std::string wanted = Utf8ToWindows1252(label);
  std::size_t first = 0;
  while (first < tree.Nodes.size() &&
         !(tree.Nodes[first].Label == wanted && first + 1 < tree.Nodes.size() &&
           tree.Nodes[first + 1].Parent == static_cast<int>(first)))
    ++first;
  if (first == tree.Nodes.size()) {
    std::cerr
        << "flightdeck-cli: the list has no group, battle or tournament with missions labelled \""
        << label << "\"\n";
    return 1;
  }
  std::vector<TPackNode> nodes{{tree.Nodes[first].Item.get(), tree.Nodes[first].Label}};
  for (std::size_t i = first + 1;
       i < tree.Nodes.size() && tree.Nodes[i].Level > tree.Nodes[first].Level; ++i)
    nodes.push_back({tree.Nodes[i].Item.get(), tree.Nodes[i].Label});
  TZipArchiver zip;
  zip.UsePaths = false;
  std::vector<std::string> leftOut;
  const std::vector<TPackageItem> items =
      CollectPackageItems(nodes, gameDirectory, type, gender, leftOut);
  if (!leftOut.empty())
    std::cerr << "flightdeck-cli: " << LeftOutMessage(leftOut) << "\n";
  const std::string error = BuildPack(zip, gameDirectory, type, items, WithPackExtension(pack));
  if (!error.empty()) {
    std::cerr << "flightdeck-cli: " << error << "\n";
    return 1;
  }
  return 0;
}

int PackInfoCommand(const std::string& pack) {
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
