// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Invocation.h"

#include <optional>
#include <string>

namespace flightdeck {

// The history of a game from flightdeck-cli: its entries, one JSON object each, oldest first
// (a command cut short last, marked pending), and undoing and redoing as the window's Edit menu
// does. Each returns the exit code.
int HistoryCommand(const TInvocation& invocation);
int UndoCommand(const TInvocation& invocation);
int RedoCommand(const TInvocation& invocation);

// The number of an entry of the history as typed: at most nine digits; none for anything else.
std::optional<int> TypedEntryId(const std::string& typed);

} // namespace flightdeck
