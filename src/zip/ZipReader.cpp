// SPDX-License-Identifier: GPL-3.0-or-later
// Listing and extracting archives.

#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/Limits.h"
#include "platform/PathNames.h"
#include "platform/ReplacementFile.h"
#include "zip/ZipDosTime.h"
#include "zip/ZipEngine.h"
#include "zip/ZipEntries.h"
#include "zip/ZipInflate.h"
#include "zip/ZipNames.h"
#include "zip/ZipWildcards.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <unordered_set>
#include <utility>

namespace flightdeck {

namespace {

constexpr std::size_t ChunkSize = 1 << 16;

// The path below the extract directory an entry goes to with its folders kept; empty when its
// name would leave that directory (absolute, a drive, "..").
std::string SafeRelativePath(const std::string& name) {
  bool escaped = false;
  const std::string path = EntryPath(name, escaped);
  return escaped ? std::string() : path;
}

// The patterns an extraction asks for, matched against an entry's name and its bare name. Plain
// names, the usual case, are looked up at once, so that extracting many named files stays linear.
class TPatternSet {
public:
  explicit TPatternSet(const std::vector<std::string>& patterns) {
    for (const std::string& pattern : patterns)
      if (const std::optional<std::string> literal = LiteralOfPattern(pattern))
        FNames.insert(LowerCaseAscii(*literal));
      else
        FPatterns.push_back(pattern);
  }
  bool Empty() const { return FNames.empty() && FPatterns.empty(); }
  bool Matches(const std::string& name) const {
    const std::string bare = ExtractFileName(name);
    return FNames.count(LowerCaseAscii(name)) > 0 || FNames.count(LowerCaseAscii(bare)) > 0 ||
           std::any_of(FPatterns.begin(), FPatterns.end(), [&](const std::string& pattern) {
             return WildcardMatch(pattern, name) || WildcardMatch(pattern, bare);
           });
  }

private:
  std::unordered_set<std::string> FNames;
  std::vector<std::string> FPatterns;
};

// What the inflater does for each chosen entry: entries deflated or stored, not encrypted, within
// the bounds and with their place in the archive known are inflated ahead; libzip reads the rest.
std::vector<TParallelInflater::TEntry> InflaterEntries(zip_t* archive,
                                                       const std::vector<zip_uint64_t>& chosen,
                                                       const std::vector<TCentralEntry>& central) {
  std::vector<TParallelInflater::TEntry> entries(chosen.size());
  for (std::size_t k = 0; k < chosen.size(); ++k) {
    const zip_uint64_t index = chosen[k];
    zip_stat_t entry;
    zip_stat_init(&entry);
    constexpr zip_uint64_t Known = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD |
                                   ZIP_STAT_CRC | ZIP_STAT_ENCRYPTION_METHOD;
    if (index >= central.size() || central[index].End == 0 ||
        zip_stat_index(archive, index, 0, &entry) != 0 || (entry.valid & Known) != Known ||
        entry.encryption_method != ZIP_EM_NONE || entry.size > MaxMissionSize ||
        (entry.comp_method != ZIP_CM_DEFLATE && entry.comp_method != ZIP_CM_STORE) ||
        IsSymbolicLink(archive, index))
      continue;
    entries[k] = {true,
                  entry.comp_method == ZIP_CM_DEFLATE,
                  central[index].Start,
                  entry.comp_size,
                  entry.size,
                  entry.crc};
  }
  return entries;
}

class TExtraction {
public:
  TExtraction(zip_t* archive, const TZipReadOptions& options, TZipEngineEvents& events,
              const std::vector<TCentralEntry>& central, TParallelInflater& inflater)
      : FArchive(archive), FOptions(options), FEvents(events), FCentral(central),
        FInflater(inflater),
        FDirectory(options.Directory.empty() ? std::string("./") : options.Directory) {
    if (FDirectory.back() != '/' && FDirectory.back() != '\\')
      FDirectory += '/';
  }

  // Extracts the `chosen`th entry chosen, entry `index` of the archive. False when an event
  // asked to stop.
  bool Extract(std::size_t chosen, zip_uint64_t index);
  int Result() const { return FResult; }
  const std::string& Reason() const { return FReason; }

private:
  // Reports a skipped entry; the worst result of the run is kept. False when asked to stop.
  bool Skip(const TZipFileStats& stats, TZipSkipReason reason, int result, const std::string& why) {
    if (result > FResult) {
      FResult = result;
      FReason = why;
    }
    return !FEvents.Skipping({stats.FileName, reason});
  }
  // Folders are created only where they stay inside the target folder, links followed.
  bool MayCreate(const std::string& folder) const;
  // Skips an entry that cannot be read, or is too large: what Skip says then.
  std::optional<bool> SkipUnreadable(zip_uint64_t index, const TZipFileStats& stats,
                                     const std::string& name);
  // Whether a file at `target` stays as it is, as the options and the user say: what Skip says
  // then, or false when asked to stop. The user may rename the `target` to write instead.
  std::optional<bool> KeepOnDisk(const TZipFileStats& stats, const std::string& name,
                                 std::string& target);
  std::string Password(const TZipFileStats& stats);
  bool WriteEntry(zip_uint64_t index, const TZipFileStats& stats, const std::string& target);
  // Writes the entry through libzip, which inflates it as it goes; what is wrong with it, if it
  // cannot ("is damaged").
  std::string ReadEntry(zip_uint64_t index, const TZipFileStats& stats, TReplacementFile& output);

  zip_t* FArchive;
  const TZipReadOptions& FOptions;
  TZipEngineEvents& FEvents;
  const std::vector<TCentralEntry>& FCentral;
  TParallelInflater& FInflater;
  std::optional<TParallelInflater::TInflated> FInflated; // the entry being extracted
  std::string FDirectory;
  std::unordered_set<std::string> FEnsuredFolders; // created, or found there, in this run
  int FResult = zrOk;
  std::string FReason;
};

bool TExtraction::MayCreate(const std::string& path) const {
  // The deepest part of the path that exists decides where the rest would be created.
  std::string existing = path;
  while (!existing.empty() && !FileExists(existing) && !DirectoryExists(existing)) {
    const std::size_t cut = existing.find_last_of("/\\", existing.size() - 2);
    existing = cut == std::string::npos ? std::string() : existing.substr(0, cut + 1);
  }
  // A new file right in the target folder stays there; anything else is checked with every
  // link followed.
  return existing.empty() || existing == FDirectory || IsInsideDirectory(existing, FDirectory);
}

std::string TExtraction::Password(const TZipFileStats& stats) {
  if (!FOptions.Password.empty())
    return FOptions.Password;
  TZipPwdQuery query{stats.FileName, {}, zpaNone};
  FEvents.PasswordQuery(query);
  return query.Answer == zpaUse ? query.Password : std::string();
}

bool TExtraction::Extract(std::size_t chosen, zip_uint64_t index) {
  FInflated = FInflater.Take(chosen);
  const TZipFileStats stats = EntryStats(FArchive, index, FCentral);
  const std::string name = EntryName(FArchive, index);
  const bool isDirectory = !name.empty() && (name.back() == '/' || name.back() == '\\');
  if (IsSymbolicLink(FArchive, index))
    return Skip(stats, zsrSymbolicLink, zrWarning,
                "\"" + name + "\" is a link, which is never extracted");

  std::string relative = FOptions.JunkPaths ? ExtractFileName(name) : SafeRelativePath(name);
  if (FOptions.JunkPaths && isDirectory)
    return true; // without paths, folders have nothing to give
  if (!IsBareFileName(ExtractFileName(relative)) || !MayCreate(FDirectory + relative))
    return Skip(stats, zsrUnsafeName, zrWarning,
                "\"" + name + "\" would be written outside the target folder");
  if (isDirectory) {
    ForceDirectories(FDirectory + relative);
    return true;
  }
  if (const std::optional<bool> skipped = SkipUnreadable(index, stats, name))
    return *skipped;
  std::string target = FDirectory + relative;
  if (const std::optional<bool> kept = KeepOnDisk(stats, name, target))
    return *kept;
  if (FEvents.Extracting(stats))
    return false;
  return WriteEntry(index, stats, target);
}

std::optional<bool> TExtraction::SkipUnreadable(zip_uint64_t index, const TZipFileStats& stats,
                                                const std::string& name) {
  zip_stat_t entry;
  zip_stat_init(&entry);
  if (zip_stat_index(FArchive, index, 0, &entry) != 0 || !(entry.valid & ZIP_STAT_SIZE))
    return Skip(stats, zsrUnreadable, zrBadArchive, "\"" + name + "\" is damaged");
  // Opening an entry of an unknown encryption leaks in libzip; such an entry cannot be read anyway.
  if ((entry.valid & ZIP_STAT_ENCRYPTION_METHOD) && entry.encryption_method != ZIP_EM_NONE &&
      !zip_encryption_method_supported(entry.encryption_method, 0))
    return Skip(stats, zsrUnreadable, zrBadArchive,
                "\"" + name + "\" is encrypted in a way that cannot be read");
  // Entries and archives over these bounds would fill the disk of whoever opens a hostile pack.
  if (entry.size > MaxMissionSize)
    return Skip(stats, zsrTooLarge, zrTooLarge, PackFileTooLarge(name));
  return std::nullopt;
}

std::optional<bool> TExtraction::KeepOnDisk(const TZipFileStats& stats, const std::string& name,
                                            std::string& target) {
  std::optional<std::int64_t> onDisk = FileModifiedTime(target);
  const std::int64_t entryTime = FileTimeOfLocal(stats.DateTime);
  if (!onDisk && FEvents.Staging() && FEvents.Staging()->Holds(target))
    onDisk = entryTime; // an earlier entry of this extraction, spelled alike

  if (FOptions.Freshen && !onDisk)
    return true;
  if ((FOptions.Freshen || FOptions.Update) && onDisk && *onDisk >= entryTime)
    return Skip(stats, zsrNotNewer, zrOk, {});
  if (!onDisk || FOptions.Freshen || FOptions.Update || FOptions.Overwrite == zowAlways)
    return std::nullopt;
  if (FOptions.Overwrite == zowNever)
    return Skip(stats, zsrExists, zrOk, {});
  // With nobody to ask, the archive's file replaces the one on disk.
  TZipReplace replace{name, {}, zraReplace};
  if (FEvents.Replace(replace))
    return false;
  if (replace.Answer == zraSkip)
    return Skip(stats, zsrExists, zrOk, {});
  if (replace.Answer != zraRename)
    return std::nullopt;
  if (!IsBareFileName(replace.NewName))
    return Skip(stats, zsrUnsafeName, zrWarning,
                "\"" + replace.NewName + "\" is not a plain file name");
  target.replace(target.size() - ExtractFileName(target).size(), std::string::npos,
                 replace.NewName);
  return std::nullopt;
}

bool TExtraction::WriteEntry(zip_uint64_t index, const TZipFileStats& stats,
                             const std::string& target) {
  const std::string folder = ExtractFileFolder(target);
  if (FEnsuredFolders.insert(folder).second)
    ForceDirectories(folder);

  TReplacementFile output(target);
  const std::string problem = FInflated ? FInflated->Error : ReadEntry(index, stats, output);
  if (!problem.empty())
    return Skip(stats, zsrUnreadable, zrBadArchive, "\"" + stats.FileName + "\" " + problem);
  if (FInflated) {
    output.Write(FInflated->Data);
    FInflated.reset();
  }
  output.Finish();
  if (!SetHostModifiedTime(output.TempPath(), FileTimeOfLocal(stats.DateTime)))
    RaiseLastIOError(output.TempPath().Native());
  if (TZipStaging* staging = FEvents.Staging())
    staging->Stage(target, std::move(output));
  else
    output.Commit();
  // Read whole, its size and checksum verified: the entry has passed its test.
  return !FEvents.Testing(stats);
}

std::string TExtraction::ReadEntry(zip_uint64_t index, const TZipFileStats& stats,
                                   TReplacementFile& output) {
  zip_file_t* file = stats.Encrypted
                         ? zip_fopen_index_encrypted(FArchive, index, 0, Password(stats).c_str())
                         : zip_fopen_index(FArchive, index, 0);
  if (!file)
    return std::string("cannot be read: ") + zip_strerror(FArchive);
  std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> open(file, zip_fclose);
  std::string buffer(ChunkSize, '\0');
  zip_uint64_t total = 0;
  for (;;) {
    const zip_int64_t count = zip_fread(file, buffer.data(), buffer.size());
    if (count < 0)
      return std::string("is damaged: ") + zip_file_strerror(file);
    if (count == 0)
      break;
    total += static_cast<zip_uint64_t>(count);
    // An entry that gives more than it declares is lying about its size.
    if (total > stats.OriginalSize || total > MaxMissionSize)
      return "is damaged: its size is wrong";
    output.Write(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
  }
  if (total != stats.OriginalSize || zip_fclose(open.release()) != 0)
    return "is damaged";
  return {};
}

// The entries of `archive` the options choose, and what they add up to (each counted up to
// just over what a pack may hold).
std::vector<zip_uint64_t> ChosenEntries(zip_t* archive, const TZipReadOptions& options,
                                        zip_uint64_t& totalSize) {
  std::vector<zip_uint64_t> chosen;
  totalSize = 0;
  const TPatternSet wanted(options.Specs);
  const TPatternSet excludes(options.Excludes);
  const zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const auto index = static_cast<zip_uint64_t>(i);
    const std::string name = EntryName(archive, index);
    if ((!wanted.Empty() && !wanted.Matches(name)) || excludes.Matches(name))
      continue;
    zip_stat_t entry;
    zip_stat_init(&entry);
    if (zip_stat_index(archive, index, 0, &entry) == 0 && (entry.valid & ZIP_STAT_SIZE))
      totalSize += std::min<zip_uint64_t>(entry.size, MaxPackTotal + 1);
    chosen.push_back(index);
  }
  return chosen;
}

// Extracts the `chosen` entries of `archive`, at `host`.
TZipEngineResult ExtractEntries(zip_t* archive, const THostPath& host,
                                const TZipReadOptions& options, TZipEngineEvents& events,
                                const std::vector<zip_uint64_t>& chosen,
                                const std::vector<TCentralEntry>& central) {
  TParallelInflater inflater(host, InflaterEntries(archive, chosen, central));
  TExtraction extraction(archive, options, events, central, inflater);
  try {
    if (!options.Directory.empty())
      ForceDirectories(options.Directory);
    for (std::size_t k = 0; k < chosen.size(); ++k)
      if (!extraction.Extract(k, chosen[k]))
        return {zrStopped, "stopped"};
  } catch (const EInOutError& failure) {
    if (events.Staging())
      throw; // a failure of the caller's transaction, as for any file it stages
    return {zrWriteFailed, failure.what()};
  }
  return {extraction.Result(), extraction.Reason()};
}

} // namespace

TZipEngineResult ZipRead(const TZipReadOptions& options, TZipEngineEvents& events) {
  if (options.Multidisk)
    return {zrMultidisk, "multi-disk archives are not supported"};
  const THostPath host = HostPath(options.Archive);
  if (!FileExists(options.Archive))
    return {zrArchiveMissing, "the archive \"" + options.Archive + "\" does not exist"};
  int code = 0;
  TZipHandle archive(zip_open(host.c_str(), ZIP_RDONLY, &code));
  if (!archive)
    return {zrBadArchive, "\"" + options.Archive +
                              "\" is not a zip archive or is damaged: " + ZipErrorText(code)};
  const std::vector<TCentralEntry> central = ReadCentralDirectory(host);
  zip_uint64_t totalSize = 0;
  const std::vector<zip_uint64_t> chosen = ChosenEntries(archive.get(), options, totalSize);
  if (chosen.empty() && !options.Specs.empty())
    return {zrNothingMatched, "no entry of the archive matches"};

  if (options.List) {
    for (const zip_uint64_t index : chosen)
      if (events.Listing(EntryStats(archive.get(), index, central)))
        return {zrStopped, "stopped"};
    return {};
  }
  if (EntriesShareData(central))
    return {zrBadArchive, "\"" + options.Archive +
                              "\" cannot be extracted: several of its entries share their data"};
  if (totalSize > MaxPackTotal)
    return {zrTooLarge, PackTooLarge()};
  return ExtractEntries(archive.get(), host, options, events, chosen, central);
}

} // namespace flightdeck
