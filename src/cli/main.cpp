// flightdeck-cli: the mission lists of a game directory from the command line.

#include "cli/JsonText.h"
#include "lists/MissionTree.h"
#include "lists/XvTListFile.h"
#include "platform/InOutError.h"

#include <array>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

using namespace flightdeck;

namespace {

constexpr const char* Usage = "usage: flightdeck-cli {dump|tree|resave} GAMEDIR "
                              "{battles|combat|melee|tournaments|training} "
                              "{neutral|rebel|imperial}";

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

std::string AsGameDirectory(std::string path) {
  if (path.empty() || (path.back() != '\\' && path.back() != '/'))
    path += '\\';
  return path;
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

} // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << Usage << "\n";
    return 2;
  }
  const std::string_view command = argv[1];
  const std::optional<int> category = IndexOf(CategoryWords, argv[3]);
  const std::optional<int> side = IndexOf(SideWords, argv[4]);
  if ((command != "dump" && command != "tree" && command != "resave") || !category || !side) {
    std::cerr << Usage << "\n";
    return 2;
  }
  const std::string gameDirectory = AsGameDirectory(argv[2]);
  if (!IsXvTDirectory(gameDirectory)) {
    std::cerr << "flightdeck-cli: \"" << argv[2]
              << "\" is not an X-wing vs. TIE Fighter game directory "
                 "(it needs the folders battle, combat, melee, tourn and train)\n";
    return 1;
  }
  try {
    const TMissionType type = CheckedMissionType(*category);
    const TGender gender = CheckedGender(*side + gnNeutral);
    if (command == "tree") {
      PrintTree(LoadMissionTree(gameDirectory, type, gender));
      return 0;
    }
    TXvTListFile list(gameDirectory, type, gender);
    list.LoadFromFile();
    if (command == "dump")
      Dump(list);
    else
      list.SaveToFile(list.ItemRefs());
  } catch (const EInOutError& error) {
    std::cerr << "flightdeck-cli: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
