// SPDX-License-Identifier: GPL-3.0-or-later
// Writing archives.

#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/PathNames.h"
#include "zip/ZipDeflate.h"
#include "zip/ZipDosTime.h"
#include "zip/ZipEngine.h"
#include "zip/ZipEntries.h"
#include "zip/ZipNames.h"
#include "zip/ZipStreamWriter.h"
#include "zip/ZipWildcards.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <random>
#include <string_view>
#include <unordered_set>

namespace flightdeck {

namespace {

struct TSourceFile {
  std::string Path;       // as given, or as found below a folder given
  std::string StoredName; // the entry's name in the archive
};

// The name a file is stored under with its folders kept.
std::string StoredPath(const std::string& path) {
  bool escaped = false;
  return EntryPath(path, escaped);
}

bool HasWildcard(const std::string& request) {
  return request.find_first_of("*?[") != std::string::npos;
}

// Seconds since 1970 of an "mmddyy" date; 0 when it cannot be read.
std::int64_t FilterDate(const std::string& mmddyy) {
  if (mmddyy.size() != 6 ||
      !std::all_of(mmddyy.begin(), mmddyy.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return 0;
  using namespace std::chrono;
  const int yy = std::stoi(mmddyy.substr(4, 2));
  const year_month_day day{year{yy < 80 ? 2000 + yy : 1900 + yy},
                           month{static_cast<unsigned>(std::stoi(mmddyy.substr(0, 2)))},
                           std::chrono::day{static_cast<unsigned>(std::stoi(mmddyy.substr(2, 2)))}};
  return day.ok() ? sys_days{day}.time_since_epoch() / seconds{1} : 0;
}

class TFileCollector {
public:
  explicit TFileCollector(const TZipWriteOptions& options) : FOptions(options) {}

  // False when a file named outright does not exist; `missing` then names it.
  bool Collect(std::vector<TSourceFile>& files, std::string& missing) {
    for (const std::string& request : FOptions.Specs) {
      // A file of that very name is that file, even when its name holds wildcards.
      if (FileExists(request)) {
        Add(request, files);
      } else if (HasWildcard(ExtractFileName(request))) {
        const std::string folder =
            request.substr(0, request.size() - ExtractFileName(request).size());
        ListFolder(folder, ExtractFileName(request), FOptions.Recurse, files);
      } else if (DirectoryExists(request)) {
        if (FOptions.Recurse)
          ListFolder(request.back() == '/' || request.back() == '\\' ? request : request + "/", "*",
                     true, files);
      } else {
        missing = request;
        return false;
      }
    }
    return true;
  }

private:
  void Add(const std::string& path, std::vector<TSourceFile>& files) {
    const std::string stored = FOptions.JunkPaths ? ExtractFileName(path) : StoredPath(path);
    const auto matches = [&](const std::vector<std::string>& patterns) {
      return std::any_of(patterns.begin(), patterns.end(), [&](const std::string& pattern) {
        return WildcardMatch(pattern, stored) || WildcardMatch(pattern, ExtractFileName(path));
      });
    };
    if (stored.empty() || (!FOptions.Includes.empty() && !matches(FOptions.Includes)) ||
        matches(FOptions.Excludes))
      return;
    files.push_back({path, stored});
  }

  void ListFolder(const std::string& folder, const std::string& pattern, bool recurse,
                  std::vector<TSourceFile>& files) {
    std::vector<std::string> names = ReadHostFolder(HostPath(folder.empty() ? "." : folder));
    std::erase_if(names,
                  [&](const std::string& name) { return !FOptions.Hidden && name.front() == '.'; });
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
      const std::string path = folder + name;
      const THostPath host = HostPath(path);
      const std::optional<THostFileState> info = HostFileState(host);
      if (!info || IsHostLink(host))
        continue;
      if (info->Directory) {
        if (recurse && FOptions.DirectoryEntries && !FOptions.JunkPaths)
          files.push_back({path + "/", StoredPath(path) + "/"});
        if (recurse)
          ListFolder(path + "/", pattern, true, files);
      } else if (info->Regular && WildcardMatch(pattern, name)) {
        Add(path, files);
      }
    }
  }

  const TZipWriteOptions& FOptions;
};

bool IsStoredSuffix(const TZipWriteOptions& options, const std::string& name) {
  return options.Level == 0 ||
         std::any_of(options.StoredSuffixes.begin(), options.StoredSuffixes.end(),
                     [&](const std::string& suffix) {
                       return name.size() >= suffix.size() &&
                              SameTextAscii(name.substr(name.size() - suffix.size()), suffix);
                     });
}

TZipFileStats FileStats(const TSourceFile& file, zip_uint64_t index) {
  TZipFileStats stats;
  stats.StoredName = file.StoredName;
  stats.FileName = LowerCaseAscii(file.StoredName);
  stats.EntryIndex = static_cast<std::uint32_t>(index);
  if (const std::optional<THostFileState> info = HostFileState(HostPath(file.Path))) {
    stats.OriginalSize = static_cast<std::uint32_t>(info->Size);
    stats.DateTime = std::max(ZipEpoch, LocalOfFileTime(info->Modified / 1'000'000'000));
  }
  return stats;
}

// What the engine cannot do: refused before anything is read or written.
std::optional<TZipEngineResult> Refusal(const TZipWriteOptions& options) {
  if (options.Multidisk || options.ClearDisks)
    return TZipEngineResult{zrMultidisk, "multi-disk archives are not supported"};
  if (options.VolumeLabel)
    return TZipEngineResult{zrUnsupported, "volume labels are not supported"};
  if (options.InPlace)
    return TZipEngineResult{zrUnsupported,
                            "an archive is always written to a temporary file first; writing it "
                            "in place is not supported"};
  return std::nullopt;
}

bool IsFolderEntry(const TSourceFile& file) {
  return file.StoredName.back() == '/';
}

// Whether entries are encrypted: that takes a password.
bool Encrypted(const TZipWriteOptions& options) {
  return options.Encrypt && !options.Password.empty();
}

// Whether a file's entry is deflated ahead of libzip: not one stored as it is, nor encrypted.
bool Deflated(const TZipWriteOptions& options, const TSourceFile& file) {
  return !IsStoredSuffix(options, file.StoredName) && !Encrypted(options);
}

// The archive libzip works on: the archive itself, or, with a temporary folder given, a copy
// there that replaces the archive once it is complete.
class TWorkingArchive {
public:
  explicit TWorkingArchive(const TZipWriteOptions& options) : FArchive(options.Archive) {
    if (options.TempPath.empty())
      return;
    std::string folder = options.TempPath;
    if (folder.back() != '/' && folder.back() != '\\')
      folder += '/';
    FWork = folder + ".flightdeck-zip-" + std::to_string(std::random_device{}()) + ".zip";
    if (FileExists(FArchive))
      CopyFileReplacing(FArchive, FWork);
  }
  ~TWorkingArchive() {
    if (!FWork.empty())
      RemoveFile(FWork);
  }
  TWorkingArchive(const TWorkingArchive&) = delete;
  TWorkingArchive& operator=(const TWorkingArchive&) = delete;

  std::string Path() const { return FWork.empty() ? FArchive : FWork; }
  void Finish() {
    if (!FWork.empty())
      CopyFileReplacing(FWork, FArchive);
  }

private:
  std::string FArchive;
  std::string FWork;
};

// A name that two files would be stored under, in any case of letters: the later file's.
std::optional<std::string> NamedTwice(const std::vector<TSourceFile>& files) {
  std::unordered_set<std::string_view, TAsciiCaseHash, TAsciiCaseEqual> names(files.size());
  for (const TSourceFile& file : files)
    if (!names.insert(file.StoredName).second)
      return file.StoredName;
  return std::nullopt;
}

// Files moved into the archive, once it is complete.
void RemoveMoved(const std::vector<std::string>& paths, TZipEngineEvents& events) {
  for (const std::string& path : paths)
    if (RemoveFile(path))
      events.Deleting(path);
}

// A new archive is written front to back as its files are prepared, holding only the central
// directory, and replaces whatever is at its path only when complete.
TZipEngineResult WriteNewArchive(const TZipWriteOptions& options,
                                 const std::vector<TSourceFile>& files, TZipEngineEvents& events) {
  std::vector<TParallelDeflater::TFile> prepared;
  for (const TSourceFile& file : files)
    if (!IsFolderEntry(file))
      prepared.push_back({file.Path, IsStoredSuffix(options, file.StoredName)});
  if (prepared.empty())
    return {zrNothingToDo, "nothing to add"};
  const auto count = static_cast<double>(prepared.size());
  TParallelDeflater deflater(std::move(prepared), options.Level);
  TZipStreamWriter archive(options.Archive);
  std::size_t taken = 0;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const TSourceFile& file = files[i];
    const TZipFileStats stats = FileStats(file, i);
    TZipStreamEntry entry{StoredEntryName(file.StoredName), false, 0, 0,
                          DosTimeWord(stats.DateTime),      {}};
    if (IsFolderEntry(file)) {
      archive.Add(entry, {});
      continue;
    }
    TZipFileComment comment{stats.FileName, {}};
    if (events.FileComment(comment) || events.Adding(stats))
      return {zrStopped, "stopped"};
    const TParallelDeflater::TPrepared data = deflater.Take(taken++);
    if (!data.Error.empty())
      return {zrFileMissing, "\"" + file.Path + "\" cannot be read: " + data.Error};
    entry.Deflated = data.Deflated();
    entry.Level = options.Level;
    entry.Crc = data.Crc;
    entry.Size = data.Size;
    entry.Comment = std::move(comment.Comment);
    archive.Add(entry, data.Data());
    if (events.Writing(static_cast<double>(taken) / count))
      return {zrStopped, "stopped"};
  }
  archive.Commit();
  std::vector<std::string> moved;
  for (std::size_t i = 0; i < files.size(); ++i)
    if (!IsFolderEntry(files[i])) {
      events.Status(FileStats(files[i], i)); // the archive is complete: nothing is left to stop
      if (options.Move)
        moved.push_back(files[i].Path);
    }
  RemoveMoved(moved, events);
  return {};
}

// The files the options name, found and checked: each readable, no two stored under one name.
// Why not, if they are not.
std::optional<TZipEngineResult> CollectFiles(TZipWriteOptions& options,
                                             std::vector<TSourceFile>& files) {
  std::string missing;
  if (!TFileCollector(options).Collect(files, missing))
    return TZipEngineResult{zrFileMissing, "\"" + missing + "\" does not exist"};
  std::vector<std::string>().swap(options.Specs); // found: held once, in `files`
  // The format's dates begin in 1980: a filter at that date leaves nothing out, and an older
  // file is stored with the earliest date the format holds.
  const std::int64_t newerThan = FilterDate(options.NewerThan);
  if (newerThan > FilterDate("010180"))
    std::erase_if(files, [&](const TSourceFile& file) {
      return FileModifiedTime(file.Path).value_or(0) < newerThan;
    });
  for (const TSourceFile& file : files) {
    try {
      if (!IsFolderEntry(file))
        CheckFileReadable(file.Path);
    } catch (const EInOutError& failure) {
      return TZipEngineResult{zrFileMissing,
                              "\"" + file.Path + "\" cannot be read: " + failure.Reason()};
    }
  }
  if (const std::optional<std::string> twice = NamedTwice(files))
    return TZipEngineResult{zrBadOptions, "two files would be stored as \"" + *twice + "\""};
  return std::nullopt;
}

// Whether an update or a freshen leaves `file` as it is stored in `archive`.
bool LeftAsStored(zip_t* archive, const TZipWriteOptions& options, const TSourceFile& file) {
  if (!options.Freshen && !options.Update)
    return false;
  const std::string entryName = StoredEntryName(file.StoredName);
  const zip_int64_t existing = zip_name_locate(archive, entryName.c_str(), 0);
  zip_stat_t entry;
  zip_stat_init(&entry);
  const bool stored =
      existing >= 0 && zip_stat_index(archive, static_cast<zip_uint64_t>(existing), 0, &entry) == 0;
  return (options.Freshen && !stored) ||
         (stored && FileModifiedTime(file.Path).value_or(0) <= entry.mtime);
}

// Sets the stored entry `at` of `file` as the options ask: its time, its method, its password.
std::optional<TZipEngineResult> SetEntry(zip_t* archive, const TZipWriteOptions& options,
                                         const TSourceFile& file, zip_uint64_t at,
                                         const TZipFileStats& stats) {
  zip_file_set_mtime(archive, at, static_cast<time_t>(FileTimeOfLocal(stats.DateTime)), 0);
  const bool store = IsStoredSuffix(options, file.StoredName);
  zip_set_file_compression(archive, at, store ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                           store ? 0 : static_cast<zip_uint32_t>(options.Level));
  if (Encrypted(options) &&
      zip_file_set_encryption(archive, at, ZIP_EM_TRAD_PKWARE, options.Password.c_str()) != 0)
    return TZipEngineResult{zrUnsupported,
                            "encryption is not available: " + std::string(zip_strerror(archive))};
  return std::nullopt;
}

// Adds the folder entry `file` to `archive`, unless it holds it already.
std::optional<TZipEngineResult> AddFolder(zip_t* archive, const TSourceFile& file) {
  const std::string entryName = StoredEntryName(file.StoredName);
  if (zip_name_locate(archive, entryName.c_str(), 0) >= 0 ||
      zip_dir_add(archive, entryName.c_str(), ZIP_FL_ENC_UTF_8) >= 0)
    return std::nullopt;
  return TZipEngineResult{zrWriteFailed,
                          "\"" + file.StoredName + "\" cannot be added: " + zip_strerror(archive)};
}

// Adds `file` to `archive` from `source` (which the archive owns from then on), as the options
// ask and the events agree to, and gives its `stats`; why not, if it cannot.
std::optional<TZipEngineResult> AddFile(zip_t* archive, const TZipWriteOptions& options,
                                        const TSourceFile& file, zip_source_t* source,
                                        TZipEngineEvents& events, TZipFileStats& stats) {
  if (!source)
    return TZipEngineResult{zrFileMissing,
                            "\"" + file.Path + "\" cannot be read: " + zip_strerror(archive)};
  const std::string entryName = StoredEntryName(file.StoredName);
  const zip_int64_t existing = zip_name_locate(archive, entryName.c_str(), 0);
  const zip_int64_t index =
      zip_file_add(archive, entryName.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    zip_source_free(source);
    return TZipEngineResult{zrWriteFailed, "\"" + file.StoredName +
                                               "\" cannot be added: " + zip_strerror(archive)};
  }
  const auto at = static_cast<zip_uint64_t>(index);
  stats = FileStats(file, at);
  if (std::optional<TZipEngineResult> refused = SetEntry(archive, options, file, at, stats))
    return refused;
  TZipFileComment comment{stats.FileName, {}};
  if (events.FileComment(comment) ||
      (existing >= 0 ? events.Updating(stats) : events.Adding(stats)))
    return TZipEngineResult{zrStopped, "stopped"};
  if (!comment.Comment.empty())
    zip_file_set_comment(archive, at, comment.Comment.data(),
                         static_cast<zip_uint16_t>(comment.Comment.size()), 0);
  return std::nullopt;
}

// Writes what was added to `archive`. libzip writes a temporary file beside the archive and
// renames it only when complete; a stop asked for while it writes leaves neither.
TZipEngineResult CloseArchive(TZipHandle& archive, const TZipWriteOptions& options,
                              TZipEngineEvents& events) {
  struct TWriting {
    TZipEngineEvents& Events;
    bool Stop = false;
  } writing{events};
  zip_register_progress_callback_with_state(
      archive.get(), 0.001,
      [](zip_t*, double done, void* state) {
        auto& progress = *static_cast<TWriting*>(state);
        progress.Stop = progress.Stop || progress.Events.Writing(done);
      },
      nullptr, &writing);
  zip_register_cancel_callback_with_state(
      archive.get(),
      [](zip_t*, void* state) { return static_cast<TWriting*>(state)->Stop ? 1 : 0; }, nullptr,
      &writing);
  if (zip_close(archive.get()) != 0)
    return writing.Stop
               ? TZipEngineResult{zrStopped, "stopped"}
               : TZipEngineResult{zrWriteFailed,
                                  "\"" + options.Archive +
                                      "\" could not be written: " + zip_strerror(archive.get())};
  (void)archive.release();
  return {};
}

// An update of an existing archive, a freshen, or an encrypted archive: through libzip.
TZipEngineResult UpdateArchive(const TZipWriteOptions& options,
                               const std::vector<TSourceFile>& files, TZipEngineEvents& events) {
  int code = 0;
  TWorkingArchive working(options);
  TZipHandle archive(zip_open(HostPath(working.Path()).c_str(), ZIP_CREATE, &code));
  if (!archive)
    return {zrBadArchive,
            "\"" + options.Archive + "\" cannot be opened as a zip archive: " + ZipErrorText(code)};
  // Files an update or freshen leaves as they are stored; the others are deflated on every
  // core ahead of libzip, unless they are stored as they are or encrypted.
  std::vector<bool> skipped(files.size());
  std::vector<TParallelDeflater::TFile> deflated;
  for (std::size_t i = 0; i < files.size(); ++i) {
    skipped[i] = IsFolderEntry(files[i]) || LeftAsStored(archive.get(), options, files[i]);
    if (!skipped[i] && Deflated(options, files[i]))
      deflated.push_back({files[i].Path, false});
  }
  TParallelDeflater deflater(std::move(deflated), options.Level);
  std::size_t nextDeflated = 0;

  std::vector<std::string> added;
  std::vector<TZipFileStats> written;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const TSourceFile& file = files[i];
    if (IsFolderEntry(file)) {
      if (std::optional<TZipEngineResult> refused = AddFolder(archive.get(), file))
        return std::move(*refused);
    } else if (!skipped[i]) {
      zip_source_t* source =
          Deflated(options, file)
              ? deflater.Source(archive.get(), nextDeflated++)
              : zip_source_file(archive.get(), HostPath(file.Path).c_str(), 0, -1);
      TZipFileStats stats;
      if (std::optional<TZipEngineResult> refused =
              AddFile(archive.get(), options, file, source, events, stats))
        return std::move(*refused);
      added.push_back(file.Path);
      written.push_back(std::move(stats));
    }
  }
  if (added.empty())
    return {zrNothingToDo, "nothing to add"};
  if (TZipEngineResult closed = CloseArchive(archive, options, events); closed.Code != zrOk)
    return closed;
  working.Finish();
  for (const TZipFileStats& stats : written)
    events.Status(stats); // the archive is complete: nothing is left to stop
  if (options.Move)
    RemoveMoved(added, events);
  return {};
}

TZipEngineResult WriteArchive(TZipWriteOptions& options, TZipEngineEvents& events) {
  std::vector<TSourceFile> files;
  if (std::optional<TZipEngineResult> refused = CollectFiles(options, files))
    return std::move(*refused);
  if (!options.Freshen && !options.Update && !Encrypted(options) && !FileExists(options.Archive))
    return WriteNewArchive(options, files, events);
  return UpdateArchive(options, files, events);
}

} // namespace

TZipEngineResult ZipWrite(TZipWriteOptions options, TZipEngineEvents& events) {
  if (const std::optional<TZipEngineResult> refused = Refusal(options))
    return *refused;
  try {
    return WriteArchive(options, events);
  } catch (const EInOutError& failure) {
    return {zrWriteFailed, "\"" + options.Archive + "\" could not be written: " + failure.Reason()};
  }
}

} // namespace flightdeck
