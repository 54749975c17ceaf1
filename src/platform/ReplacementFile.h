// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ContentDigest.h"
#include "platform/HostFiles.h"

#include <optional>
#include <string>
#include <string_view>

namespace flightdeck {

// The new content of a file, written piece by piece into a temporary file in the target's
// directory. Commit renames it over the target; until then the old file stays as it was, and
// a replacement dropped uncommitted takes its temporary file with it. A target that is a
// symbolic link is replaced through the link. Failures raise EInOutError.
class TReplacementFile {
public:
  explicit TReplacementFile(std::string_view path);
  // The same for the file at a host path.
  explicit TReplacementFile(const THostPath& hostPath);
  ~TReplacementFile();
  TReplacementFile(TReplacementFile&& other) noexcept;
  TReplacementFile& operator=(TReplacementFile&&) = delete;
  TReplacementFile(const TReplacementFile&) = delete;
  TReplacementFile& operator=(const TReplacementFile&) = delete;

  void Write(std::string_view bytes);
  // Closes the temporary file: everything is written.
  void Finish();
  void Commit();

  // Where the new content is being written, until Commit.
  const THostPath& TempPath() const { return FTemp; }
  // The file it replaces, as the host names it (links followed).
  const THostPath& Target() const { return FTarget; }
  // The digest of everything written.
  std::string Digest() const { return FDigest.Text(); }
  const TContentDigest& Written() const { return FDigest; }
  // Once committed: the target as the move left it, when it is still the file written (no one
  // wrote it between the move and the look); else nothing, and its bytes are unknown.
  const std::optional<THostFileState>& Left() const { return FLeft; }

private:
  THostPath FTarget;
  THostPath FTemp; // empty once committed or moved away
  THostFile FFile;
  TContentDigest FDigest;
  std::optional<THostFileState> FLeft;
};

// Removes from the host folder `directory` the temporary files of saves that ended without
// cleaning up (see IsLeftOverName): a file of the user's of that exact name alone.
void RemoveLeftOverSaves(const THostPath& directory);
// The same in `folder` and in each folder directly in it, as in a game's folders.
void RemoveLeftOverSavesBelow(const THostPath& folder);
// Whether a file of that name is such a temporary file.
bool IsLeftOverSave(std::string_view name);

} // namespace flightdeck
