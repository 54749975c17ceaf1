// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/FileTransaction.h"
#include "journal/FilesRead.h"
#include "journal/History.h"
#include "journal/Session.h"
#include "lists/MissionTypes.h"
#include "packs/PackRecord.h"
#include "platform/Outcome.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace flightdeck {

// One thing taking a pack out does.
struct TPackRemovalStep {
  enum TAction { RemoveEntry, RemoveFile, RestoreFile, KeepFile };
  TAction Action = RemoveEntry;
  std::string List; // an entry's list, below the game
  TListItemKind Kind = likCampaign;
  std::string Title;
  std::string File;               // an entry's mission or battle file; else a file below the game
  std::optional<TMessage> Reason; // why a file is kept
};

// What taking a pack out does, step by step.
struct TPackRemoval {
  std::string Pack; // its file name, as its install's entry of the history names it
  std::vector<TPackRemovalStep> Steps;
  // Where in each list it took entries from the first of them was, among the entries that stay.
  std::vector<std::pair<TMissionListId, std::size_t>> Places;
};

// Stages, in `staging`, taking out the pack installed by entry `id` of `history` (the history of
// the game at `gameDirectory`), whatever came after it: its entries leave every list they are in
// now, and its groups, battles and tournaments once nothing is left under them; each file it
// brought that no entry names any more goes, and each file it replaced comes back from its kept
// copy, where the file still holds what the pack wrote (else it stays, and a step says why).
// Nothing else changes, and nothing is renumbered. `read` receives the files this was made from.
// Fails, staging nothing, for an entry that is no installed pack, or one without a record.
TOutcome<TPackRemoval> StagePackRemoval(TFileTransaction& staging, TFilesRead& read,
                                        const TGameHistory& history,
                                        const std::string& gameDirectory, int id);

// The same in `session`, which then knows what it was made from and records what it takes out.
TOutcome<TPackRemoval> RemovePack(TSession& session, int id);
// Hands a removal of the pack of entry `id` staged by StagePackRemoval to `session`, which puts
// it in place when it commits, unless one of the files it was made from changed since
// (EChangedOnDisk, nothing written).
void RemovePlannedPack(TSession& session, TFileTransaction& staging, const TFilesRead& read,
                       const TPackRemoval& removal, int id);

} // namespace flightdeck
