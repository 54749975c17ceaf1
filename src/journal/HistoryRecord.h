// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HostFiles.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flightdeck {

// A file one command changed.
struct THistoryFile {
  std::string Path;     // below the game directory ("combat/rebel.lst")
  bool Existed = false; // before the command
  // The digests of what the file held before the command (its kept copy holds that) and of
  // what the command left; "-" for no file. Before is empty in records of the first version,
  // which did not keep it: such a kept copy cannot be checked.
  std::string Before;
  std::string After;
  // The folder the command wrote it in, itself ("volume:index", links followed): an undo
  // writes only there. Empty in records of the versions before, which named real paths.
  std::string Folder;
};

// One command that changed files of a game.
struct THistoryEntry {
  int Id = 0;
  std::string Time;    // when, in UTC: "2026-12-07T10:00:00Z"
  std::string Command; // "install-pack", "rename", "undo", ...
  std::string Subject; // what it worked on: a pack's file name, a label
  int Undoes = 0;      // the entry this one took back; 0 for none
  std::string Game;    // the game folder itself, whatever its path: "volume:index"
  std::vector<THistoryFile> Files;
  bool Undone = false; // a later entry, not itself undone, took this one back
};

// The record of an entry as its folder keeps it: a line each for its texts and files, then
// the count of its files and a digest of everything before it, so that a record cut short
// anywhere, or changed, is told from a whole one.
std::string HistoryRecordText(const THistoryEntry& entry);
// Reads a record into `entry` (all but its id); false for anything but a whole record of
// ours, or one that names a file outside the game.
bool ParseHistoryRecord(std::string_view text, THistoryEntry& entry);

// A file of an entry as the command left it on the host: that very file, of that size, with
// those times. Kept beside the record, so that an undo need not read a file that is still it.
struct THistoryFileLeft {
  std::size_t File = 0; // its index in the entry's Files
  THostFileState State;
};
std::string FilesLeftText(const std::vector<THistoryFileLeft>& files);
// What a text of FilesLeftText says of an entry of `fileCount` files; a line that is not whole,
// or that names no file of the entry, is left out.
std::vector<THistoryFileLeft> ParseFilesLeft(std::string_view text, std::size_t fileCount);

// An entry's time, "2026-12-07T17:02:00Z", in the user's time as `format` (strftime's) gives it:
// "17:02" for "%H:%M"; the text itself when it is not such a time.
std::string LocalTimeOf(const std::string& utc, const char* format);

// The folder of entry `id` is named "00000012"; an entry's id from its folder's name, none for
// any other name or for a number beyond the last id.
std::string HistoryFolderName(int id);
std::optional<int> HistoryIdOf(std::string_view folderName);

} // namespace flightdeck
