// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ReplacementFile.h"
#include "zip/ZipOptions.h"
#include "zip/ZipTypes.h"

#include <string>
#include <vector>

namespace flightdeck {

// Where extracted files wait, each written whole, to be put in place together by whoever keeps
// them (a session's transaction).
class TZipStaging {
public:
  virtual ~TZipStaging() = default;
  // Whether a file waits for `path` already.
  virtual bool Holds(const std::string& path) const = 0;
  // Takes `file` to be put in place at `path`.
  virtual void Stage(const std::string& path, TReplacementFile file) = 0;
};

// What the zip engine reports while it works. Each call returns true to stop the operation.
class TZipEngineEvents {
public:
  virtual ~TZipEngineEvents() = default;
  virtual bool Listing(const TZipFileStats& stats) = 0;
  virtual bool Extracting(const TZipFileStats& stats) = 0;
  virtual bool Adding(const TZipFileStats& stats) = 0;
  virtual bool Updating(const TZipFileStats& stats) = 0;
  virtual bool Skipping(const TZipSkipping& skipping) = 0;
  virtual bool Replace(TZipReplace& replace) = 0;
  virtual bool PasswordQuery(TZipPwdQuery& query) = 0;
  virtual bool Testing(const TZipFileStats& stats) = 0;   // an extracted entry checked whole
  virtual bool Status(const TZipFileStats& stats) = 0;    // an entry of a completed archive
  virtual bool Deleting(const std::string& fileName) = 0; // a moved file removed
  virtual bool FileComment(TZipFileComment& comment) = 0; // the comment of a file being added
  // The archive being written out once its entries are added: `done` of it, from 0 to 1.
  virtual bool Writing(double /*done*/) { return false; }
  // Where extracted files are staged, to be put in place when it commits; null to put each in
  // place as soon as it is whole.
  virtual TZipStaging* Staging() { return nullptr; }
};

// Result codes, after the usual zip tools.
enum TZipResult : int {
  zrOk = 0,
  zrWarning = 1,        // some entries were skipped
  zrBadArchive = 3,     // not a zip archive, or a damaged one
  zrUnsupported = 8,    // an option the engine cannot carry out
  zrArchiveMissing = 9, // no archive at that path
  zrNothingMatched = 11,
  zrNothingToDo = 12,
  zrWriteFailed = 14,
  zrBadOptions = 16,
  zrFileMissing = 18, // a file to add could not be read
  zrStopped = 80,     // an event asked to stop
  zrTooLarge = 81,    // the archive's entries add up to more than may be extracted
  zrMultidisk = 130,  // archives spanning several disks are not supported
};

struct TZipEngineResult {
  int Code = zrOk;
  std::string Reason; // what went wrong, for the user; empty on success
};

// Lists or extracts the entries of an archive, or writes one, as `options` ask.
TZipEngineResult ZipRead(const TZipReadOptions& options, TZipEngineEvents& events);
TZipEngineResult ZipWrite(TZipWriteOptions options, TZipEngineEvents& events);

} // namespace flightdeck
