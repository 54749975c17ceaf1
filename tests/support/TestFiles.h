// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HostPath.h"

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace flightdeck::test {

// The host's error numbers for a refused file and a full disk, for fault plans: errno values
// here, GetLastError's codes on Windows.
#ifdef _WIN32
constexpr int AccessDenied = 5;
constexpr int DiskFull = 112;
#else
constexpr int AccessDenied = 13; // EACCES
constexpr int DiskFull = 28;     // ENOSPC
#endif

// A fresh directory below the system's temporary folder, removed with everything in it.
class TTempDir {
public:
  // In `base`, by default the system's temporary folder.
  explicit TTempDir(const std::filesystem::path& base = std::filesystem::temp_directory_path());
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

  const std::filesystem::path& Path() const { return FPath; }
  // The path as the program writes a directory: with a trailing separator.
  std::string Slashed() const { return FPath.string() + "/"; }

private:
  std::filesystem::path FPath;
};

// Creates the five category folders below `root` and returns it as a game directory path.
std::string MakeGameDirectory(const std::filesystem::path& root,
                              std::initializer_list<std::string_view> folders = {
                                  "battle", "combat", "melee", "tourn", "train"});

// Lines joined with CR LF after each, as the game's files are written.
std::string CrLf(std::initializer_list<std::string_view> lines);

// A path from a program path's spelling (UTF-8) and back; Windows reads a plain narrow path in
// its ANSI code page instead.
std::filesystem::path Utf8Path(std::string_view text);
std::string Utf8Text(const std::filesystem::path& path);
// The same between a test's path and a host path, which has "/" between its names.
inline THostPath HostOf(const std::filesystem::path& path) {
  std::string text = Utf8Text(path);
  std::replace(text.begin(), text.end(), '\\', '/');
  return THostPath(std::move(text));
}
inline std::filesystem::path PathOf(const THostPath& path) {
  return Utf8Path(path.Native());
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
std::string ReadBytes(const std::filesystem::path& path);

// The names in a directory, sorted, to see what a save left behind.
std::string ListDirectory(const std::filesystem::path& path);

// Every file below `root` with its bytes, one line each, sorted: two snapshots are equal when
// the tree is byte-for-byte the same.
std::string Snapshot(const std::filesystem::path& root);

} // namespace flightdeck::test
