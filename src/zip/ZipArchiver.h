// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zip/ZipEngine.h"
#include "zip/ZipTypes.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace flightdeck {

// Lists, extracts and writes zip archives. Each operation turns the properties and
// FilesToProcess into the zip engine's options and hands them to it; the engine's reports
// become the events. FilesToProcess is emptied after every operation.
class TZipArchiver {
public:
  template <typename T>
  using TEvent = std::function<void(TZipArchiver&, T)>;

  TZipArchiver() = default;

  std::vector<std::string> FilesToProcess; // ">pattern" includes, "<pattern" excludes
  TZipCompressionLevel Compression = 6;
  bool ClearDisks = false;
  bool MoveFiles = false;
  bool MultidiskMode = false;
  std::string ExtractDirectory;
  bool IncludeHiddenFiles = false;
  bool IncludeDirectoryEntries = false;
  bool IncludeVolumeLabel = false;
  TZipOverwrite Overwrite = zowAsk;
  // Extracted files are staged here (in a session's transaction): they are put in place, and
  // the files they replace kept until then, when it commits. A file-system failure then raises
  // EInOutError, as for any file the transaction stages. Null: each is put in place at once.
  TZipStaging* StageInto = nullptr;
  bool Recurse = false;
  std::string Password;
  std::string StoredExtensions = ".ZIP;.LZH;.ARC;.ARJ;.ZOO";
  std::string TempPath;
  bool UsePaths = true;
  bool UseTempFile = true;
  std::string ZipFileName;

  TEvent<const TZipFileStats&> OnAdding, OnExtracting, OnListing, OnTesting, OnUpdating, OnStatus;
  TEvent<const std::string&> OnDeleting, OnFixing;
  TEvent<TZipFileComment&> OnFileComment;
  TEvent<TZipReplace&> OnReplace;
  TEvent<TZipPwdQuery&> OnPwdQuery;
  TEvent<const TZipSkipping&> OnSkippingFile;
  TEvent<int> OnNewdisk;
  TEvent<double> OnWriting; // how much of an archive being written is done, from 0 to 1
  // Called before each report of the engine, so a window can keep itself responsive.
  std::function<void()> OnProcessMessages;

  // Results: 0 success, 130 freshen or update asked for in multi-disk mode, else the
  // engine's result (see TZipResult); LastError() tells what went wrong.
  int ListFiles();
  int ExtractFiles(std::uint8_t action); // 0 extract, 1 freshen, 2 update
  int AddFiles(std::uint8_t action);     // 0 add, 1 freshen, 2 update

  // Asks the running operation to stop at the engine's next report.
  void Abort() { FAbortRequested = true; }
  bool AbortRequested() const { return FAbortRequested; }
  const std::string& LastError() const { return FLastError; }

  // What the operations ask of the engine.
  TZipReadOptions ListOptions() const;
  TZipReadOptions ExtractOptions(std::uint8_t action) const;
  TZipWriteOptions AddOptions(std::uint8_t action) const;

  // The answer to the engine's password question: Password, cut to 80 characters, when one
  // is set; otherwise OnPwdQuery's.
  void AnswerPasswordQuery(TZipPwdQuery& query);

private:
  class TEventBridge;

  // FilesToProcess into `options`: ">pattern" into its includes (when writing), "<pattern"
  // into its excludes, the rest into its specifications.
  template <typename TOptions>
  void TakeFileSpecs(TOptions& options) const;
  // What listing and extracting both ask: the archive, its password and the files chosen.
  TZipReadOptions ReadOptions() const;
  template <typename TEngine, typename TOptions>
  int Run(TEngine engine, TOptions options);

  bool FAbortRequested = false;
  std::string FLastError;
};

inline constexpr int ZipMultidiskRefused = zrMultidisk;

} // namespace flightdeck
