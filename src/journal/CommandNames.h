// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The names the history records the commands that change a game by: the command line's words
// for them. The window records its commands by the same names, so that each front end reads
// what the other did.
namespace flightdeck::CommandNames {

inline constexpr std::string_view InstallPack = "install-pack";
inline constexpr std::string_view RemovePack = "remove-pack";
inline constexpr std::string_view InstallMission = "install-mission";
inline constexpr std::string_view AddGroup = "add-group";
inline constexpr std::string_view AddBattle = "add-battle";
inline constexpr std::string_view Rename = "rename";
inline constexpr std::string_view Renumber = "renumber";
inline constexpr std::string_view Remove = "remove";
inline constexpr std::string_view Move = "move";
inline constexpr std::string_view Resave = "resave";
inline constexpr std::string_view Undo = "undo";
inline constexpr std::string_view Redo = "redo";
// Rolling back a command cut short, when nothing else is asked of the game.
inline constexpr std::string_view Recover = "recover";
// The catalogue check's fixes.
inline constexpr std::string_view FixLineEnds = "fix-line-ends";
inline constexpr std::string_view RemoveMissing = "remove-missing";
inline constexpr std::string_view RenumberDuplicates = "renumber-duplicates";

} // namespace flightdeck::CommandNames
