// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/FileTransaction.h"
#include "platform/Message.h"

#include <optional>
#include <string>

namespace flightdeck {

// Stages, in `files`, the old content that an entry of the history keeps at `keptPath` as
// the new content of the host file `target`. The kept copy is checked first, and what was
// staged after: it must be a regular file of its own (a link is never followed) with the
// recorded `digest`, size and all, so that a damaged or planted copy never reaches the game.
// Returns why it cannot be used, in words; nothing when it is staged.
std::optional<TMessage> StageKeptCopy(TFileTransaction& files, const THostPath& keptPath,
                                      const std::string& digest, const THostPath& target);

} // namespace flightdeck
