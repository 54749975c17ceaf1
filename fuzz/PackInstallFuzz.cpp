// SPDX-License-Identifier: GPL-3.0-or-later
// Installs packs whose script and entries come from the fuzzer into a small game, then checks
// that nothing was written outside the game directory and that every list still reads.
//
// Input: the script, then two NUL bytes, then the mission content; its first line after the
// NULs, split at "/", names extra entries (any bytes) added beside the missions.

#include "lists/XvTListFile.h"
#include "packs/InstallScript.h"
#include "packs/PackInstall.h"
#include "platform/InOutError.h"

#include <zip.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace flightdeck;

namespace {

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

void MakePack(const fs::path& pack, const std::string& script, const std::string& content,
              const fs::path& scratch) {
  std::set<std::string> names;
  WriteFile(scratch / "script", script);
  std::vector<std::string> missions;
  ReadInstallScript((scratch / "script").string(), mtBattles, missions);
  names.insert(missions.begin(), missions.end());
  const std::string extras = content.substr(0, content.find('\n'));
  for (std::size_t start = 0; start < extras.size() && names.size() < 64;) {
    const std::size_t end = std::min(extras.find('/', start), extras.size());
    names.insert(extras.substr(start, end - start));
    start = end + 1;
  }
  int error = 0;
  zip_t* archive = zip_open(pack.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive)
    return;
  const auto add = [&](const std::string& name, const std::string& bytes) {
    zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
    if (source && zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_RAW) < 0)
      zip_source_free(source);
  };
  add("pack.mcl", script);
  for (const std::string& name : names)
    if (!name.empty() && name.find('\0') == std::string::npos)
      add(name, content);
  zip_close(archive);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fs::path root =
      fs::temp_directory_path() / ("flightdeck-fuzz-install-" + std::to_string(getpid()));
  fs::remove_all(root);
  const fs::path game = root / "game";
  for (const char* folder : {"battle", "COMBAT", "melee", "tourn", "train"})
    fs::create_directories(game / folder);
  fs::create_directories(root / "scratch");
  WriteFile(game / "battle" / "mission.lst", "//\r\n[War]\r\n//\r\n0\r\nb1.lst\r\nOne\r\n");
  WriteFile(game / "battle" / "b1.lst", "1\r\na.tie\r\n \r\n \r\n");
  WriteFile(game / "COMBAT" / "MISSION.LST", "0\r\na.tie\r\nA\r\n");

  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = input.find(std::string("\0\0", 2));
  const std::string script = input.substr(0, cut);
  const std::string content = cut == std::string::npos ? std::string() : input.substr(cut + 2);
  MakePack(root / "pack.ixo", script, content, root / "scratch");
  fs::remove_all(root / "scratch");

  const auto type = static_cast<TMissionType>(size % MissionTypeCount);
  TZipArchiver zip;
  zip.UsePaths = false;
  std::vector<std::string> listing;
  zip.OnListing = [&](TZipArchiver&, const TZipFileStats& stats) {
    listing.push_back(stats.FileName);
  };
  zip.ZipFileName = (root / "pack.ixo").string();
  zip.ListFiles();
  try {
    TSession session(game.string() + "/", "install-pack");
    if (InstallPack(session, zip, listing, type, gnRebel, TNonMissions::Install))
      session.Commit();
  } catch (const EInOutError&) {
    // A file the pack could not write is reported; the checks below still hold.
  }

  for (const auto& entry : fs::directory_iterator(root))
    if (entry.path().filename() != "game" && entry.path().filename() != "pack.ixo")
      __builtin_trap();
  for (const auto& entry : fs::recursive_directory_iterator(game))
    if (entry.is_directory() && entry.path().parent_path() != game)
      __builtin_trap(); // no folder below the category folders
  for (int t = 0; t < MissionTypeCount; ++t)
    for (const TGender side : {gnNeutral, gnRebel, gnImperial}) {
      TXvTListFile list(game.string() + "/", static_cast<TMissionType>(t), side);
      list.LoadFromFile(); // raises, and so fails the run, when a list cannot be read
    }
  return 0;
}
