// SPDX-License-Identifier: GPL-3.0-or-later
#include "packs/PackBuild.h"

#include "lists/MissionTitles.h"
#include "lists/XvTListFile.h"
#include "packs/InstallScript.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/Limits.h"
#include "platform/PathNames.h"
#include "platform/TemporaryFolder.h"
#include "zip/ZipNames.h"

#include <algorithm>
#include <optional>
#include <random>
#include <string_view>
#include <unordered_set>

namespace flightdeck {

std::string LookUpMissionTitle(const std::string& gameDirectory, TMissionType type, TGender side,
                               const std::string& fileName) {
  return TMissionTitles(gameDirectory, type, side).Find(fileName).value_or("");
}

std::vector<TPackageItem> CollectPackageItems(const std::vector<TPackNode>& nodes,
                                              const std::string& gameDirectory, TMissionType type,
                                              TGender side, std::vector<std::string>& leftOut) {
  // The other sides' titles, each list read once for the whole pack.
  const TMissionType missionType = SingleMissionType(type);
  TMissionTitles sideTitles[] = {{gameDirectory, missionType, gnNeutral},
                                 {gameDirectory, missionType, gnRebel},
                                 {gameDirectory, missionType, gnImperial}};
  std::vector<TPackageItem> items;
  items.reserve(nodes.size());
  for (const TPackNode& node : nodes) {
    const TListFileItem& entry = *node.Item;
    TPackageItem item{entry.Kind, {}, {}, {}, {}, {}};
    switch (entry.Kind) {
    case likWar:
    case likTournamentSeries:
      item.NeutralTitle = node.Label;
      break;
    case likBattle:
    case likTournament:
      item.FileName = LowerCaseAscii(entry.FileName);
      item.Description = entry.Description[0] + "|" + entry.Description[1] + "|";
      [[fallthrough]];
    case likCampaign:
      item.NeutralTitle = item.RebelTitle = item.ImperialTitle = node.Label;
      break;
    case likEngagement:
    case likOperation:
    case likContest: {
      item.FileName = entry.FileName;
      std::string* titles[] = {&item.NeutralTitle, &item.RebelTitle, &item.ImperialTitle};
      for (const TGender each : {gnNeutral, gnRebel, gnImperial})
        *titles[each - gnNeutral] =
            each == side ? node.Label
                         : sideTitles[each - gnNeutral].Find(entry.FileName).value_or("");
      if (!FileExists(MissionFilePath(gameDirectory, type, entry.FileName))) {
        leftOut.push_back(entry.FileName);
        continue;
      }
      break;
    }
    default:
      break;
    }
    items.push_back(std::move(item));
  }
  return items;
}

TMessage LeftOutMessage(const std::vector<std::string>& leftOut) {
  std::vector<TMessage> names;
  names.reserve(leftOut.size());
  for (const std::string& name : leftOut)
    names.push_back({TRANSLATABLE("Message", "\"%1\""), {name}});
  return {TRANSLATABLE("Message",
                       "These missions were left out of the pack, because their files are "
                       "missing: %1."),
          {ListOf(names)}};
}

std::string PackScriptName(const std::string& archivePath) {
  const std::string name = ExtractFileName(archivePath);
  const std::string extension = ExtractFileExt(name);
  std::string base = extension.empty() ? name : name.substr(0, name.size() - extension.size());
  std::replace(base.begin(), base.end(), '.', '_');
  return base + ".mcl";
}

std::string WithPackExtension(const std::string& archivePath) {
  const bool bare = ExtractFileExt(ExtractFileName(archivePath)).empty();
  return bare && !DirectoryExists(archivePath) ? archivePath + ".ixo" : archivePath;
}

TMessage FolderNotPackMessage(const std::string& path) {
  return {TRANSLATABLE("Message", "\"%1\" is a folder, not a pack"), {path}};
}

namespace {

// The files of the pack's missions; one named in several battles is stored once.
// Appends the mission files of `items` to `files`, each once; why the pack would be over its
// bounds with them, if it would.
std::optional<std::string> AppendMissionFiles(const std::string& gameDirectory, TMissionType type,
                                              const std::vector<TPackageItem>& items,
                                              std::vector<std::string>& files) {
  std::unordered_set<std::string_view, TAsciiCaseHash, TAsciiCaseEqual> queued;
  std::uint64_t total = 0;
  for (const TPackageItem& item : items) {
    if (!IsMission(item.Kind) || !queued.insert(item.FileName).second)
      continue;
    const std::string path = MissionFilePath(gameDirectory, type, item.FileName);
    const std::optional<THostFileState> state = HostFileState(HostPath(path));
    const std::uint64_t size = state ? state->Size : 0; // not there: its reading fails
    if (size > MaxMissionSize)
      return PackFileTooLarge(item.FileName);
    if ((total += size) > MaxPackTotal)
      return PackTooLarge();
    files.push_back(UnmarkedZipPath(path));
  }
  return std::nullopt;
}

} // namespace

TOutcome<> BuildPack(TZipArchiver& zipManager, const std::string& gameDirectory, TMissionType type,
                     const std::vector<TPackageItem>& items, const std::string& archivePath) {
  if (DirectoryExists(archivePath))
    return TOutcome<>::Failure(FolderNotPackMessage(archivePath));
  const auto refused = [&](TMessage reason) {
    return TOutcome<>::Failure({TRANSLATABLE("Message", "The pack \"%1\" could not be written: %2"),
                                {archivePath, std::move(reason)}});
  };
  if (std::count_if(items.begin(), items.end(), [](const TPackageItem& item) {
        return IsMission(item.Kind);
      }) > static_cast<std::ptrdiff_t>(MaxPackMissions))
    return refused(TooManyMissions());
  std::vector<std::string> missions;
  if (const std::optional<std::string> tooLarge =
          AppendMissionFiles(gameDirectory, type, items, missions))
    return refused(TMessage(*tooLarge));
  const TTemporaryFolder folder;
  const std::string script = folder.Path() + PackScriptName(archivePath);
  try {
    WriteInstallScript(script, items);
  } catch (const EInOutError& error) {
    return refused(error.ReasonMessage());
  }
  // The archive is written beside its final place and renamed over it only when complete.
  const std::string directory = ExtractFileFolder(archivePath);
  const std::string partial =
      directory + ".flightdeck-pack-" + std::to_string(std::random_device{}()) + ".ixo";
  zipManager.ZipFileName = partial;
  zipManager.FilesToProcess = {UnmarkedZipPath(script)};
  zipManager.FilesToProcess.insert(zipManager.FilesToProcess.end(), missions.begin(),
                                   missions.end());
  const auto unwritten = [&](TMessage reason) {
    RemoveFile(partial);
    return refused(std::move(reason));
  };
  if (zipManager.AddFiles(0) != 0)
    return unwritten(zipManager.LastError());
  try {
    RenameReplacing(partial, archivePath);
  } catch (const EInOutError& error) {
    return unwritten(error.ReasonMessage());
  }
  return TDone{};
}

} // namespace flightdeck
