// flightdeck-cli: the mission lists of a game directory from the command line.

#include "cli/JsonText.h"
#include "cli/PackCommands.h"
#include "lists/MissionInstall.h"
#include "lists/MissionTree.h"
#include "lists/TextHelpers.h"
#include "lists/TitleRules.h"
#include "lists/XvTListFile.h"
#include "platform/DirectoryLock.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/Windows1252.h"
#include "services/GameFinder.h"

#include <array>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace flightdeck;

namespace {

constexpr const char* Usage =
    "usage: flightdeck-cli {dump|tree|resave} GAMEDIR CATEGORY SIDE\n"
    "       flightdeck-cli install-mission GAMEDIR CATEGORY SIDE MISSIONFILE --under LABEL "
    "[--title TEXT]\n"
    "       flightdeck-cli install-pack GAMEDIR CATEGORY SIDE PACK.ixo\n"
    "       flightdeck-cli build-pack GAMEDIR CATEGORY SIDE LABEL OUT.ixo\n"
    "       flightdeck-cli pack-info PACK.ixo\n"
    "       flightdeck-cli detect\n"
    "       flightdeck-cli --help | --version\n"
    "  CATEGORY: battles|combat|melee|tournaments|training  SIDE: neutral|rebel|imperial";

constexpr std::array<std::string_view, MissionTypeCount> CategoryWords = {
    "battles", "combat", "melee", "tournaments", "training"};
constexpr std::array<std::string_view, 3> SideWords = {"neutral", "rebel", "imperial"};

template <std::size_t N>
std::optional<int> IndexOf(const std::array<std::string_view, N>& words, std::string_view word) {
  for (std::size_t i = 0; i < N; ++i)
    if (words[i] == word)
      return static_cast<int>(i);
  return std::nullopt;
}

struct TArguments {
  std::string Command;
  std::string GameDirectory;
  TMissionType Type = mtBattles;
  TGender Gender = gnNeutral;
  std::string MissionFile; // or the pack, or the label of build-pack
  std::string Output;      // the pack build-pack writes
  std::optional<std::string> Under;
  std::optional<std::string> Title;
};

std::optional<TArguments> Parse(const std::vector<std::string>& words) {
  if (words.size() < 4)
    return std::nullopt;
  TArguments arguments;
  arguments.Command = words[0];
  const std::optional<int> category = IndexOf(CategoryWords, words[2]);
  const std::optional<int> side = IndexOf(SideWords, words[3]);
  if (!category || !side)
    return std::nullopt;
  arguments.GameDirectory = words[1];
  if (arguments.GameDirectory.empty() ||
      (arguments.GameDirectory.back() != '\\' && arguments.GameDirectory.back() != '/'))
    arguments.GameDirectory += '\\';
  arguments.Type = CheckedMissionType(*category);
  arguments.Gender = CheckedGender(*side + gnNeutral);
  if (arguments.Command == "dump" || arguments.Command == "tree" || arguments.Command == "resave")
    return words.size() == 4 ? std::optional(arguments) : std::nullopt;
  if (arguments.Command == "install-pack" && words.size() == 5) {
    arguments.MissionFile = words[4];
    return arguments;
  }
  if (arguments.Command == "build-pack" && words.size() == 6) {
    arguments.MissionFile = words[4];
    arguments.Output = words[5];
    return arguments;
  }
  if (arguments.Command != "install-mission" || words.size() < 5)
    return std::nullopt;
  arguments.MissionFile = words[4];
  for (std::size_t i = 5; i < words.size(); i += 2) {
    if (i + 1 >= words.size())
      return std::nullopt;
    if (words[i] == "--under" && !arguments.Under)
      arguments.Under = words[i + 1];
    else if (words[i] == "--title" && !arguments.Title)
      arguments.Title = words[i + 1];
    else
      return std::nullopt;
  }
  return arguments.Under ? std::optional(arguments) : std::nullopt;
}

void Dump(const TXvTListFile& list) {
  for (const auto& item : list.Items()) {
    std::cout << "{\"kind\":" << JsonString(ListItemKindName(item->Kind))
              << ",\"number\":" << item->Number << ",\"file\":" << JsonString(item->FileName)
              << ",\"title\":" << JsonString(item->Title) << ",\"description\":["
              << JsonString(item->Description[0]) << "," << JsonString(item->Description[1])
              << "]}\n";
  }
}

void PrintTree(const TMissionTree& tree) {
  for (const TMissionTreeNode& node : tree.Nodes)
    std::cout << "{\"level\":" << node.Level
              << ",\"kind\":" << JsonString(ListItemKindName(node.Item->Kind))
              << ",\"label\":" << JsonString(node.Label) << "}\n";
}

int InstallMission(const TArguments& arguments) {
  const std::string name = ExtractFileName(arguments.MissionFile);
  const std::string title = arguments.Title
                                ? Utf8ToWindows1252(*arguments.Title)
                                : name.substr(0, name.size() - ExtractFileExt(name).size());
  const std::string refusal =
      TitleRefusal(static_cast<TListItemKind>(InstallParentKind(arguments.Type) + 1), title);
  if (!refusal.empty()) {
    std::cerr << "flightdeck-cli: " << refusal << "\n";
    return 2;
  }
  switch (InstallMissionUnder(arguments.GameDirectory, arguments.Type, arguments.Gender,
                              arguments.MissionFile, Utf8ToWindows1252(*arguments.Under), title)) {
  case TInstallOutcome::Installed:
    return 0;
  case TInstallOutcome::MissionFileMissing:
    std::cerr << "flightdeck-cli: the mission file \"" << arguments.MissionFile
              << "\" does not exist\n";
    return 1;
  case TInstallOutcome::NoSuchGroup:
    std::cerr << "flightdeck-cli: the list has no "
              << ListItemKindName(InstallParentKind(arguments.Type)) << " labelled \""
              << *arguments.Under << "\"\n";
    return 1;
  }
  return 1;
}

// The games found in the user's home and its game libraries, one JSON object each.
int DetectCommand() {
  const char* home = std::getenv("HOME");
  const char* prefix = std::getenv("WINEPREFIX");
  for (const TFoundGame& game : FindGames(home ? home : "", prefix ? prefix : ""))
    std::cout << "{\"path\":" << JsonStringUtf8(game.Path) << ",\"source\":" << JsonString(game.Source)
              << "}\n";
  return 0;
}

int Run(const TArguments& arguments) {
  if (arguments.Command == "tree") {
    PrintTree(LoadMissionTree(arguments.GameDirectory, arguments.Type, arguments.Gender));
    return 0;
  }
  if (arguments.Command == "install-mission")
    return InstallMission(arguments);
  if (arguments.Command == "install-pack")
    return InstallPackCommand(arguments.GameDirectory, arguments.Type, arguments.Gender,
                              arguments.MissionFile);
  if (arguments.Command == "build-pack")
    return BuildPackCommand(arguments.GameDirectory, arguments.Type, arguments.Gender,
                            arguments.MissionFile, arguments.Output);
  TXvTListFile list(arguments.GameDirectory, arguments.Type, arguments.Gender);
  list.LoadFromFile();
  if (arguments.Command == "dump")
    Dump(list);
  else
    list.SaveToFile(list.ItemRefs());
  return 0;
}

} // namespace

int main(int argc, char** argv) {
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (argc == 2 && (first == "-h" || first == "--help")) {
    std::cout << Usage << "\n";
    return 0;
  }
  if (argc == 2 && first == "--version") {
    std::cout << "flightdeck-cli " << FLIGHTDECK_VERSION << "\n";
    return 0;
  }
  if (argc == 3 && first == "pack-info")
    return PackInfoCommand(argv[2]);
  if (argc == 2 && first == "detect")
    return DetectCommand();
  const std::optional<TArguments> arguments =
      Parse(std::vector<std::string>(argv + 1, argv + argc));
  if (!arguments) {
    std::cerr << Usage << "\n";
    return 2;
  }
  if (!IsXvTDirectory(arguments->GameDirectory)) {
    std::cerr << "flightdeck-cli: \"" << argv[2]
              << "\" is not an X-wing vs. TIE Fighter game directory "
                 "(it needs the folders battle, combat, melee, tourn and train)\n";
    return 1;
  }
  try {
    // One command at a time on a game directory, its folders each read once.
    const TDirectoryLock lock(arguments->GameDirectory);
    const THostLookupScope lookup;
    return Run(*arguments);
  } catch (const EInOutError& error) {
    std::cerr << "flightdeck-cli: " << error.what() << "\n";
    return 1;
  } catch (const EDirectoryBusy& error) {
    std::cerr << "flightdeck-cli: " << error.what() << "\n";
    return 1;
  }
}
