// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <zip.h>

#include <optional>
#include <string>
#include <string_view>

namespace flightdeck {

// A path as an entry name: "/" separators, without a drive, a root, "." or ".." parts.
// `escaped` tells whether it had any of those that lead elsewhere (a drive, a root, "..").
std::string EntryPath(std::string_view path, bool& escaped);

// A pattern that matches exactly the entry `name`, whatever it holds: "*", "?" and
// "[" stand in a set of their own ("[[]"), and so does a first "-", "<" or ">", which would
// otherwise read as an option, an exclude or an include.
std::string ZipLiteralPattern(std::string_view name);

// The name a pattern matches when it holds no wildcard at all, sets of one character read as
// that character; empty when it is a pattern.
std::optional<std::string> LiteralOfPattern(std::string_view pattern);

// A path of FilesToProcess that cannot be taken for an include or an exclude: "./" before one
// that begins with ">" or "<".
std::string UnmarkedZipPath(const std::string& path);

// Entry names are host names, UTF-8, and are stored with the format's UTF-8 flag, so that every
// zip tool shows them alike. A byte of a name that is not UTF-8 is stored as its Windows-1252
// character.
std::string StoredEntryName(std::string_view name);

// The name of entry `index` in UTF-8, the host's spelling: a flagged name as it is, an
// unflagged one as UTF-8 when it is valid UTF-8, else as Windows-1252.
std::string EntryName(zip_t* archive, zip_uint64_t index);

} // namespace flightdeck
