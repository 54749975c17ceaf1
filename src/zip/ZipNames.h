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

// A path that cannot be taken for an option, an include or an exclude: "./" before one that
// begins with "-", ">" or "<".
std::string ZipPathArgument(const std::string& path);

// The program's names are Windows-1252 text; entry names are stored as UTF-8 with the
// format's UTF-8 flag, so that every zip tool shows them alike. A name that is valid UTF-8
// already (a host file named in UTF-8) is stored as it is.
std::string StoredEntryName(std::string_view name);

// The name of entry `index` as the program uses it: a name flagged as UTF-8 in Windows-1252
// when the code page holds all its characters; any other name as libzip reads it.
std::string EntryName(zip_t* archive, zip_uint64_t index);

} // namespace flightdeck
