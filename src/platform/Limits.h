// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace flightdeck {

// Every bound on what the program reads, in one place. Real files stay far below each (a
// mission file is 5 to 200 KB, an installation script a few KB, a list of a million entries
// about 50 MB), so that a hostile or damaged file fails with a message that names the bound,
// instead of filling the memory or the disk.

// Game files and packs.
inline constexpr std::uint64_t MaxListSize = 64ull << 20; // a list or battle file
inline constexpr std::size_t MaxLineLength = 1024;        // of a list, battle file or script
inline constexpr std::size_t MaxTitleLength = 255;        // a title from a pack; longer is cut
inline constexpr std::uint64_t MaxScriptSize = 1ull << 20;
inline constexpr std::uint64_t MaxMissionSize = 16ull << 20;    // any file taken from a pack
inline constexpr std::uint64_t MaxPackTotal = 4ull << 30;       // all of a pack's files, extracted
inline constexpr std::size_t MaxPackMissions = 50'000;          // the missions a pack names
inline constexpr std::uint64_t MaxPackReadmeSize = 64ull << 10; // the text that describes it
inline constexpr std::size_t MaxFilesNamed = 20; // in one message; the rest are counted

// The findings of a check of the catalogue kept for showing; the rest are counted.
inline constexpr std::size_t MaxFindingsKept = 100'000;

// The history: the record of one command, and its entries' numbers (eight digits).
inline constexpr std::uint64_t MaxHistoryRecordSize = 16ull << 20;
inline constexpr int LastHistoryId = 99'999'999;

// The digests of files a process remembers, so as not to read them again; past this many, it
// forgets them all and reads each again once.
inline constexpr std::size_t MaxRememberedDigests = 100'000;

// Looking for games: a library file of a game store, its folders, and one folder's listing.
inline constexpr std::uint64_t MaxLibraryFileSize = 1ull << 20;
inline constexpr std::size_t MaxLibraryFolders = 1000;
inline constexpr std::size_t MaxFolderListing = 10'000;

// A size in words: "16 MiB", "255 bytes".
std::string SizeInWords(std::uint64_t bytes);

// The bounds of a pack in words, the same for building one and taking one apart: a file of
// `name` over MaxMissionSize, and files adding up to more than MaxPackTotal.
std::string PackFileTooLarge(std::string_view name);
std::string PackTooLarge();

} // namespace flightdeck
