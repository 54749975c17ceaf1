#include "packs/PackInstall.h"

#include "lists/TextHelpers.h"
#include "lists/XvTListFile.h"
#include "packs/InstallScript.h"
#include "platform/FileSystem.h"
#include "platform/TemporaryFolder.h"

#include <algorithm>
#include <memory>

namespace flightdeck {

namespace {

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names)
    text += (text.empty() ? "" : ", ") + name;
  return text;
}

} // namespace

std::string FindInstallScript(const std::vector<std::string>& listing) {
  const auto script = std::find_if(listing.begin(), listing.end(), [](const std::string& name) {
    return TextAfter(name, ".") == "mcl";
  });
  return script == listing.end() ? std::string() : *script;
}

TPackFiles ExtractPackFiles(TZipArchiver& zipManager, const std::vector<std::string>& listing,
                            const std::string& gameDirectory, TMissionType type) {
  TPackFiles pack;
  const std::string script = FindInstallScript(listing);
  if (script.empty()) {
    pack.Error = NoInstallScriptMessage;
    return pack;
  }
  // The script comes out in a folder of our own: nothing of the user's can be in its way.
  const TTemporaryFolder folder;
  zipManager.ExtractDirectory = folder.Path();
  zipManager.FilesToProcess = {script};
  zipManager.ExtractFiles(0);
  if (!FileExists(folder.Path() + script)) {
    pack.Error = "The installation script of the pack \"" + zipManager.ZipFileName +
                 "\" could not be read: " + zipManager.LastError();
    return pack;
  }
  std::vector<std::string> missions;
  pack.Items = ReadInstallScript(folder.Path() + script, type, missions);

  // Names from a pack must stay inside the game's folders.
  std::erase_if(pack.Items, [&](const TPackageItem& item) {
    const bool unsafe =
        (IsMission(item.Kind) || !item.FileName.empty()) && !IsBareFileName(item.FileName);
    if (unsafe)
      pack.Dropped.push_back(item.FileName);
    return unsafe;
  });
  std::erase_if(missions, [](const std::string& name) { return !IsBareFileName(name); });
  if (missions.empty())
    return pack;

  const std::string extracted = folder.Path() + "missions/";
  zipManager.ExtractDirectory = extracted;
  zipManager.FilesToProcess = missions;
  zipManager.ExtractFiles(0);
  std::vector<std::string> missing;
  for (const std::string& mission : missions)
    if (!FileExists(extracted + mission) &&
        std::find(missing.begin(), missing.end(), mission) == missing.end())
      missing.push_back(mission);
  if (!missing.empty()) {
    pack.Error = "The pack \"" + zipManager.ZipFileName +
                 "\" was not installed: these mission files could not be "
                 "extracted from it: " +
                 Joined(missing) + ".";
    pack.Items.clear();
    return pack;
  }
  const std::string missionDirectory = MissionFilePath(gameDirectory, type, "");
  for (const std::string& mission : missions)
    CopyFileReplacing(extracted + mission, missionDirectory + mission);
  return pack;
}

void AddPackToLists(const std::string& gameDirectory, TMissionType type, TGender gender,
                    const std::vector<TPackageItem>& items) {
  if (type != mtCombat) {
    TXvTListFile list(gameDirectory, type, gender);
    list.LoadFromFile();
    list.AddPackageItems(items);
    list.SaveToFile(list.ItemRefs());
  }
  if (type != mtBattles && type != mtCombat)
    return;
  // Each step for all three sides before the next, in side order.
  std::vector<std::unique_ptr<TXvTListFile>> combat;
  for (const TGender side : {gnNeutral, gnRebel, gnImperial})
    combat.push_back(std::make_unique<TXvTListFile>(gameDirectory, mtCombat, side));
  for (auto& list : combat)
    list->LoadFromFile();
  for (auto& list : combat)
    list->AddPackageItems(items);
  for (auto& list : combat)
    list->SaveToFile(list->ItemRefs());
}

} // namespace flightdeck
