// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace flightdeck {

// A completion script for `shell` ("bash", "zsh" or "fish") that completes the command names,
// CATEGORY and SIDE, each command's options and file names, made from the command table;
// nothing for another shell.
std::optional<std::string> CompletionScript(std::string_view shell);

} // namespace flightdeck
