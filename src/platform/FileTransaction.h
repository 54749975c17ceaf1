#pragma once

#include "platform/HostPath.h"
#include "platform/ReplacementFile.h"

#include <memory>
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
// A transaction opened while another is open on the same thread joins it: what it stages
// goes into the outer one, and only the outer one's Commit puts the files in place, so one
// command that saves several files through several savers is still one transaction. While
// a transaction is open, reading a staged file (FileExists, ReadFileBytes, copies) sees its
// new content.
class TFileTransaction {
public:
  TFileTransaction();
  ~TFileTransaction();
  TFileTransaction(const TFileTransaction&) = delete;
  TFileTransaction& operator=(const TFileTransaction&) = delete;

  void Stage(std::string_view path, std::string_view bytes);
  // Stages what was written into `file` (finished) as the new content of the file at `path`.
  void StageWritten(std::string_view path, TReplacementFile file);
  // Stages a copy of the file `source`, streamed.
  void StageCopy(std::string_view source, std::string_view path);
  // Stages the removal of the file at the host path `hostPath`, done after every replacement.
  void StageRemoval(const std::string& hostPath);
  // Puts every staged file in place. While a game command is open (see TGameCommand), the
  // files' old contents go into the game's history first, and a commit cut short by a failure
  // is rolled back from there.
  void Commit();

  // The files staged so far, in staging order: each as the host names it (links followed),
  // with the digest of its new content.
  struct TStagedFile {
    std::string Target;
    std::string Digest;
  };
  std::vector<TStagedFile> StagedFiles() const;

  // The host file that holds what the open transaction of this thread stages for the file at
  // `hostPath` (as HostPath gives it), or "" when it stages nothing there.
  static std::string StagedHostPath(const std::string& hostPath);

private:
  void Add(std::string_view path, TReplacementFile file);

  THostLookupScope FLookup;
  TFileTransaction* FOuter;
  std::vector<std::unique_ptr<TReplacementFile>> FStaged;
  std::unordered_map<std::string, std::size_t> FIndex; // by StagingKey
  std::vector<std::string> FRemovals;                  // host paths
};

// A transaction of one file.
void SaveFileAtomically(std::string_view path, std::string_view bytes);

} // namespace flightdeck
