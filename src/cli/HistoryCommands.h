#pragma once

#include "cli/Invocation.h"

namespace flightdeck {

// The history of a game from flightdeck-cli: its entries, one JSON object each, oldest first,
// and undoing one of them. Each returns the exit code.
int HistoryCommand(const TInvocation& invocation);
int UndoCommand(const TInvocation& invocation);

} // namespace flightdeck
