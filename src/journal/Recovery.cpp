// SPDX-License-Identifier: GPL-3.0-or-later
// Rolling back commands cut short, and setting aside what of the history cannot be trusted.

#include "journal/FileTransaction.h"
#include "journal/History.h"
#include "journal/KeptCopy.h"
#include "platform/ContentDigest.h"
#include "platform/HostFiles.h"
#include "platform/InOutError.h"
#include "platform/Limits.h"

#include <ctime>
#include <filesystem>

namespace flightdeck {

namespace {

namespace fs = std::filesystem;

// The digest of a file of the game as it is now; "-" for no file, which a name the host
// cannot hold names too.
std::string CurrentDigest(const THostPath& hostPath, TDigestMemo& digests) {
  try {
    return digests.Digest(hostPath);
  } catch (const EInOutError& error) {
    if (IsNameRefused(error.ErrorCode()))
      return "-";
    throw;
  }
}

} // namespace

std::optional<TMessage> TGameHistory::Recover(int id) {
  const THostPath folder = EntryFolder(id);
  std::error_code ignored;
  if (!HostEntryExists(folder / "entry")) {
    // Cut short while its record was written: no file of the game had changed yet.
    fs::remove_all(folder.Native(), ignored);
    return std::nullopt;
  }
  const std::optional<THistoryEntry> entry = ReadEntry(id);
  if (!entry)
    return TMessage::Own(TRANSLATABLE("Message", "its record cannot be read"));
  if (!entry->Game.empty() && entry->Game != GameIdentity())
    return TMessage::Own(TRANSLATABLE("Message", "the game folder is not the one it changed"));
  // Each file must be as it was before the command, or as the command wrote it; only these
  // are put back.
  TFileTransaction files;
  for (std::size_t i = 0; i < entry->Files.size(); ++i) {
    const THistoryFile& file = entry->Files[i];
    if (!IsWhereWritten(file))
      return TMessage(TRANSLATABLE("Message", "%1 is no longer in the folder it was written in"),
                      {file.Path});
    const THostPath host = HostPathOf(file);
    const std::string now = CurrentDigest(host, FDigests);
    if (now == file.Before)
      continue;
    if (now != file.After)
      return TMessage(TRANSLATABLE("Message", "%1 changed since"), {file.Path});
    if (!file.Existed) {
      files.StageRemoval(host);
    } else if (std::optional<TMessage> refused =
                   StageKeptCopy(files, BeforePath(id, i), file.Before, host)) {
      return TMessage(TRANSLATABLE("Message", "%1: %2"), {file.Path, std::move(*refused)});
    }
  }
  files.Commit();
  fs::remove_all(folder.Native(), ignored);
  return std::nullopt;
}

bool TGameHistory::RollBack(int id) {
  return !Recover(id);
}

TMessage TGameHistory::SetAside(int id) const {
  const THostPath damaged = FFolder / "damaged";
  std::error_code error;
  fs::create_directories(damaged.Native(), error);
  THostPath target = damaged / HistoryFolderName(id);
  for (int again = 2; HostEntryExists(target); ++again)
    target = damaged / (HistoryFolderName(id) + "-" + std::to_string(again));
  if (!error)
    fs::rename(EntryFolder(id).Native(), target.Native(), error);
  // Where it could not be moved, it stays, and is told about again; it never stops a command.
  if (error)
    return {TRANSLATABLE("Message",
                         "It stays in \"%1\", which could not be set aside: %2; nothing was "
                         "changed."),
            {EntryFolder(id).Native(), EInOutError::ReasonFor(error.value())}};
  return {TRANSLATABLE("Message", "It is kept in \"%1\"; nothing was changed."), {target.Native()}};
}

std::vector<TMessage> TGameHistory::RecoverInterrupted() {
  std::vector<TMessage> reports;
  std::vector<int> ids = EntryIds();
  // No entry may take the last number: the next one would have none.
  if (!ids.empty() && ids.back() == LastHistoryId) {
    reports.push_back({TRANSLATABLE("Message", "Entry %1 of the history holds the last number "
                                               "an entry can have. %2"),
                       {HistoryFolderName(LastHistoryId), SetAside(LastHistoryId)}});
    ids.pop_back();
  }
  for (const int id : ids) {
    if (!HostEntryExists(EntryFolder(id) / "pending"))
      continue;
    std::optional<TMessage> reason;
    try {
      reason = Recover(id);
    } catch (const EInOutError& error) {
      reason = error.Message();
    }
    if (!reason)
      continue;
    const std::optional<THistoryEntry> entry = ReadEntry(id);
    const TMessage what =
        entry ? TMessage(TRANSLATABLE("Message", "%1 of %2"),
                         {entry->Command, LocalTimeOf(entry->Time, "%H:%M")})
              : TMessage(TRANSLATABLE("Message", "command %1"), {std::to_string(id)});
    reports.push_back({TRANSLATABLE("Message", "The interrupted %1 could not be finished: %2. %3"),
                       {what, std::move(*reason), SetAside(id)}});
  }
  return reports;
}

} // namespace flightdeck
