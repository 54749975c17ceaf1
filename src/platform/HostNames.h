// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Message.h"

#include <optional>
#include <string>
#include <string_view>

namespace flightdeck {

// Where the game's text meets the file system. The game names its files in Windows-1252; the
// host spells every name in UTF-8: Wine keeps the game's files so on Linux, and the program's
// host paths are UTF-8 on Windows too, turned into UTF-16 at the system's API. Only names from
// the game's text are turned; a path the user chose is host bytes and stays as it is.

// The host's spelling of a file name the game's text gives.
std::string HostFileName(std::string_view gameName);

// The name a list gives the host file `hostName`; nothing when the name has a character
// Windows-1252 cannot hold, so that no list can name the file. A name that is not UTF-8 (written
// by an older tool in the code page itself) reads as the code page's bytes it is.
std::optional<std::string> GameFileName(std::string_view hostName);

// Why a host file cannot be entered in a list, for a message: "its name has characters ...".
TMessage UnlistableNameReason();

} // namespace flightdeck
