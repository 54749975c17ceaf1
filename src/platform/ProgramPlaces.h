// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace flightdeck {

// Where the program and its settings live. Host paths throughout.

// The running program.
std::string HostProgramPath();
// The folder of the user's settings for this program: $XDG_CONFIG_HOME/flightdeck or
// ~/.config/flightdeck; %APPDATA%\flightdeck on Windows, which roams with the user.
std::string HostConfigFolder();
// Whether `folder` lies in the system's program folders: /usr and /opt, or Program Files on
// Windows.
bool IsSystemProgramFolder(const std::string& folder);
// Whether the user may make files in `folder`.
bool IsHostFolderWritable(const std::string& folder);

// Whether `folder` holds an installed program: a system program folder, or the `bin` folder of
// a prefix with the program's shared files beside it (the user's own ~/.local too).
bool IsInstalledProgramFolder(const std::string& folder);
// The window's settings file `name` ("flightdeck.ini") for a program in `programFolder`: beside
// it, as a portable copy's (a build or an unpacked copy) where it may be written there; an
// installed copy, even one run with the rights to write there, keeps it in HostConfigFolder.
std::string SettingsFilePath(const std::string& programFolder, const std::string& name);

} // namespace flightdeck
