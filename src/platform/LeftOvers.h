// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace flightdeck {

// What the program leaves in a folder while it works (a save's temporary file, a temporary
// folder) carries its owner: the machine's start, the process namespace and the process that
// made it. What a killed process left is known by that owner and the exact shape of its name,
// and by nothing else, so that no file of the user's, and nothing of a process running where
// this one cannot see it (another container sharing the folder), is ever taken for it.

// This process as an owner: "<boot>-<namespace>-<process>", the first two eight hex digits.
std::string OwnerTag();
// Whether `tag` is an owner tag whose process has ended: the machine started again since, or
// it ran in this namespace and is gone. False for anything else.
bool HasOwnerEnded(std::string_view tag);

// A name for something the program makes and removes again: `prefix`, this process's owner
// tag, and a random suffix.
std::string OwnedName(std::string_view prefix);
// Whether `name` is such a name, of an owner that has ended.
bool IsLeftOverName(std::string_view name, std::string_view prefix);

} // namespace flightdeck
