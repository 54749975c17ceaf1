// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/LauncherLists.h"

#include "platform/Limits.h"

namespace flightdeck {

namespace {

constexpr std::string_view Blanks = " \t";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(Blanks);
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// A YAML scalar as Lutris writes a path: plain, or in single or double quotes.
std::string YamlScalar(std::string_view value) {
  value = Trimmed(value);
  if (value.size() >= 2 && (value.front() == '\'' || value.front() == '"') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

} // namespace

std::vector<std::string> QuotedValuesOf(std::string_view text, std::string_view key) {
  const std::string quotedKey = "\"" + std::string(key) + "\"";
  std::vector<std::string> values;
  std::size_t at = 0;
  while (values.size() < MaxLibraryFolders &&
         (at = text.find(quotedKey, at)) != std::string_view::npos) {
    at += quotedKey.size();
    std::size_t open = text.find_first_not_of(Blanks, at);
    if (open != std::string_view::npos && text[open] == ':')
      open = text.find_first_not_of(Blanks, open + 1);
    if (open == std::string_view::npos || text[open] != '"')
      continue;
    std::string value;
    std::size_t i = open + 1;
    for (; i < text.size() && text[i] != '"' && text[i] != '\n'; ++i) {
      if (text[i] == '\\' && i + 1 < text.size())
        ++i; // both formats escape backslashes and quotes so
      value += text[i];
    }
    if (i < text.size() && text[i] == '"' && !value.empty())
      values.push_back(std::move(value));
    at = i;
  }
  return values;
}

std::vector<std::string> SteamLibraryFolders(std::string_view vdfText) {
  return QuotedValuesOf(vdfText, "path");
}

std::vector<std::string> HeroicGameFolders(std::string_view jsonText) {
  std::vector<std::string> folders = QuotedValuesOf(jsonText, "defaultInstallPath");
  for (std::string& folder : QuotedValuesOf(jsonText, "install_path"))
    if (folders.size() < MaxLibraryFolders)
      folders.push_back(std::move(folder));
  return folders;
}

TLutrisGame LutrisGameOf(std::string_view yamlText) {
  TLutrisGame game;
  while (!yamlText.empty()) {
    const std::size_t end = yamlText.find('\n');
    const std::string_view line = Trimmed(yamlText.substr(0, end));
    yamlText = end == std::string_view::npos ? std::string_view() : yamlText.substr(end + 1);
    for (auto [key, field] : {std::pair{std::string_view("prefix:"), &game.Prefix},
                              std::pair{std::string_view("exe:"), &game.ProgramFolder}}) {
      if (!line.starts_with(key) || !field->empty())
        continue;
      std::string value = YamlScalar(line.substr(key.size()));
      if (value.starts_with('/'))
        *field = std::move(value);
    }
  }
  if (const std::size_t slash = game.ProgramFolder.rfind('/'); slash != std::string::npos)
    game.ProgramFolder.resize(slash);
  return game;
}

} // namespace flightdeck
