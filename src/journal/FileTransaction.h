// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HostPath.h"
#include "platform/ReplacementFile.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace flightdeck {

// Replaces a set of files together. Stage writes each new content to a temporary file in the
// target's directory; Commit renames them over their targets in the order staged. Until
// Commit, no target is touched: a failure (raised as EInOutError) or a transaction that is
// dropped uncommitted leaves every old file byte-for-byte intact and no temporary file behind.
//
// A game's files are changed through a session (TSession), which owns the transaction of its
// command and records it in the game's history; a bare transaction is for a command's own
// staging (a plan that is never committed) and for files outside any game.
class TFileTransaction {
public:
  TFileTransaction();
  ~TFileTransaction();
  TFileTransaction(const TFileTransaction&) = delete;
  TFileTransaction& operator=(const TFileTransaction&) = delete;

  void Stage(std::string_view path, std::string_view bytes);
  // Stages what was written into `file` (finished) as the new content of the file at `path`.
  void StageWritten(std::string_view path, TReplacementFile file);
  void StageWritten(const THostPath& hostPath, TReplacementFile file);
  // Stages a copy of the file `source`, streamed.
  void StageCopy(std::string_view source, std::string_view path);
  // Stages the removal of the file at the host path `hostPath`, done after every replacement.
  void StageRemoval(const THostPath& hostPath);
  // Puts every staged file in place, in the order staged, then makes the removals; the files
  // put in place, as StagedFiles, each with the state it was left in.
  struct TStagedFile;
  std::vector<TStagedFile> Commit();
  // Takes over what `other` staged, as if it had been staged here after what is staged
  // already; `other` is left empty.
  void TakeOver(TFileTransaction& other);
  // Drops every staged file whose new content is what its target holds already: writing it
  // would change nothing. Targets of the size staged are read, unless `digests` knows them.
  void LeaveOutUnchanged(TDigestMemo& digests);
  bool Empty() const { return FStaged.empty() && FRemovals.empty(); }

  // The files staged so far, in staging order: each as the host names it (links followed),
  // with the digest of its new content; once committed, the state the file was left in, when
  // it is known to hold that content.
  struct TStagedFile {
    THostPath Target;
    std::string Digest;
    std::optional<THostFileState> Left;
  };
  std::vector<TStagedFile> StagedFiles() const;
  const std::vector<THostPath>& Removals() const { return FRemovals; }

  // Reading a file as it will be after Commit: what this transaction stages for it, else what
  // is on disk; nothing when it is neither staged nor a file on disk.
  bool FileExists(std::string_view path) const;
  // Whether this transaction stages new content for the file at `path`, or its removal.
  bool IsStaged(std::string_view path) const {
    return !StagedHostPath(path).Empty() || IsStagedRemoval(path);
  }
  std::optional<std::string> ReadFile(std::string_view path) const;
  // The host path to read the file at `path` by, as it will be after Commit: its staged copy,
  // else its own.
  THostPath HostPathToRead(std::string_view path) const;

private:
  void Add(const THostPath& hostPath, TReplacementFile file);
  void Place(const std::string& key, std::unique_ptr<TReplacementFile> file);
  // The host file that holds what this transaction stages for `path`, or an empty path.
  THostPath StagedHostPath(std::string_view path) const;
  bool IsStagedRemoval(std::string_view path) const;

  THostLookupScope FLookup;
  std::vector<std::unique_ptr<TReplacementFile>> FStaged;
  std::unordered_map<std::string, std::size_t> FIndex; // by StagingKey
  std::vector<THostPath> FRemovals;
  // For each of FRemovals: the file itself ("volume:index"), by whatever path it is staged anew.
  std::vector<std::string> FRemovedFiles;
};

} // namespace flightdeck
