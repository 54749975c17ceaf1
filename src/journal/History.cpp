#include "journal/History.h"

#include "platform/ContentDigest.h"
#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/ReplacementFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <numeric>
#include <optional>

namespace flightdeck {

namespace {

namespace fs = std::filesystem;

std::string& RootSetting() {
  static std::string root;
  return root;
}

std::uint64_t& LimitSetting() {
  static std::uint64_t limit = DefaultHistoryLimit;
  return limit;
}

std::string Root() {
  if (!RootSetting().empty())
    return RootSetting();
  return HostDataFolder();
}

[[noreturn]] void RaiseHistoryError(const std::string& folder, const std::string& path,
                                    int error = LastHostError()) {
  throw EInOutError(error, path,
                    "The history of this game cannot be written in \"" + folder +
                        "\": " + EInOutError::MessageFor(error) + ". Nothing was changed.");
}

// Texts of an entry are kept one a line: control characters and "%" are written as %XX.
std::string Escaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f || c == '%') {
      char code[4];
      std::snprintf(code, sizeof code, "%%%02X", byte);
      escaped += code;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string Unescaped(std::string_view text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      const std::string code(text.substr(i + 1, 2));
      char* end = nullptr;
      const long value = std::strtol(code.c_str(), &end, 16);
      if (code.size() == 2 && *end == '\0') {
        plain += static_cast<char>(value);
        i += 2;
        continue;
      }
    }
    plain += text[i];
  }
  return plain;
}

std::string NowUtc() {
  const std::time_t now = std::time(nullptr);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", std::gmtime(&now));
  return text;
}

// The real path of a host path: its folder with every link followed, and its name. Each folder
// is resolved once for all the paths given with the same `resolved` map.
std::string RealPathOf(const std::string& hostPath, std::map<std::string, std::string>& resolved) {
  const std::size_t slash = hostPath.rfind('/');
  const std::string folder =
      slash == std::string::npos ? "." : (slash == 0 ? "/" : hostPath.substr(0, slash));
  auto found = resolved.find(folder);
  if (found == resolved.end()) {
    const std::string real = RealHostPath(folder);
    if (real.empty())
      return hostPath;
    found = resolved.emplace(folder, real == "/" ? "" : real).first;
  }
  return found->second + "/" + (slash == std::string::npos ? hostPath : hostPath.substr(slash + 1));
}

std::vector<int> EntryIds(const std::string& folder) {
  std::vector<int> ids;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() == 8 && std::all_of(name.begin(), name.end(), ::isdigit))
      ids.push_back(std::stoi(name));
  }
  std::sort(ids.begin(), ids.end());
  return ids;
}

// An entry may only name files below its game: an entry that names another place, damaged or
// not ours, is not read, so that no undo can write or delete outside the game.
bool IsPathBelowGame(const std::string& path) {
  if (path.empty() || path.front() == '/')
    return false;
  for (std::size_t start = 0; start <= path.size();) {
    const std::size_t slash = std::min(path.find('/', start), path.size());
    const std::string_view part(path.data() + start, slash - start);
    if (part.empty() || part == "." || part == "..")
      return false;
    start = slash + 1;
  }
  return path.find('\0') == std::string::npos;
}

bool ReadEntry(const std::string& path, THistoryEntry& entry) {
  std::string text;
  try {
    text = ReadHostFile(path);
  } catch (const EInOutError&) {
    return false;
  }
  std::size_t start = 0;
  bool known = false;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos)
      end = text.size();
    const std::string_view line(text.data() + start, end - start);
    start = end + 1;
    const std::size_t blank = line.find(' ');
    const std::string_view key = line.substr(0, blank);
    const std::string_view value = blank == std::string_view::npos ? "" : line.substr(blank + 1);
    if (key == "flightdeck-history")
      known = value == "1";
    else if (key == "time")
      entry.Time = Unescaped(value);
    else if (key == "command")
      entry.Command = Unescaped(value);
    else if (key == "subject")
      entry.Subject = Unescaped(value);
    else if (key == "undoes")
      entry.Undoes = std::atoi(std::string(value).c_str());
    else if (key == "file") {
      // "file EXISTED AFTER PATH"
      const std::size_t second = value.find(' ');
      const std::size_t third =
          second == std::string_view::npos ? second : value.find(' ', second + 1);
      if (third == std::string_view::npos || !IsPathBelowGame(Unescaped(value.substr(third + 1))))
        return false;
      entry.Files.push_back({Unescaped(value.substr(third + 1)), value.substr(0, second) == "1",
                             std::string(value.substr(second + 1, third - second - 1))});
    }
  }
  return known;
}

// The size as a digest gives it.
std::string SizeText(std::uint64_t size) {
  char text[24];
  std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(size));
  return text;
}

std::uint64_t FolderSize(const std::string& folder) {
  std::uint64_t size = 0;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
    if (entry.is_regular_file(error))
      size += entry.file_size(error);
  return size;
}

// A number kept in a file of the history; none when it cannot be read.
std::optional<std::uint64_t> ReadNumber(const std::string& path) {
  try {
    const std::string text = ReadHostFile(path);
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0')
      return std::nullopt;
    return value;
  } catch (const EInOutError&) {
    return std::nullopt;
  }
}

// Writes `bytes` as the whole of a file of the history, on disk before it returns when
// `synced`; false when it could not.
bool WriteHistoryFile(const std::string& path, std::string_view bytes, bool synced) {
  THostFile file = THostFile::CreatePrivate(path);
  return file.IsOpen() && file.WriteAll(bytes) && (!synced || file.Sync()) && file.Close();
}

// Best effort: a number that is not written is counted again when it is needed.
void WriteNumber(const std::string& path, std::uint64_t value) {
  (void)WriteHistoryFile(path, std::to_string(value), false);
}

// Keeps the old content of `hostPath` at `keptPath`: a second link to it where the file system
// allows, which costs nothing, else a copy.
void KeepContent(const std::string& hostPath, const std::string& keptPath,
                 const std::string& folder) {
  if (LinkHostFile(hostPath, keptPath))
    return;
  std::string bytes;
  try {
    bytes = ReadHostFile(hostPath);
  } catch (const EInOutError& error) {
    RaiseHistoryError(folder, hostPath, error.ErrorCode());
  }
  if (!WriteHistoryFile(keptPath, bytes, false))
    RaiseHistoryError(folder, keptPath);
}

} // namespace

const THistoryEntry* NextToUndo(const std::vector<THistoryEntry>& entries) {
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
    if (!entry->Undone && entry->Command != "undo")
      return &*entry;
  return nullptr;
}

const THistoryEntry* NextToRedo(const std::vector<THistoryEntry>& entries) {
  // Redos of earlier undos do not stand in the way of the undos before them.
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    if (entry->Undone || entry->Command == "redo")
      continue;
    return entry->Command == "undo" ? &*entry : nullptr;
  }
  return nullptr;
}

void SetHistoryRoot(std::string folder) {
  RootSetting() = std::move(folder);
}

void SetHistoryLimit(std::uint64_t bytes) {
  LimitSetting() = bytes;
}

TGameHistory::TGameHistory(std::string_view gameDirectory) {
  std::string host = HostPath(gameDirectory);
  while (host.size() > 1 && host.back() == '/')
    host.pop_back();
  const std::string real = RealHostPath(host);
  FGame = real.empty() ? host : real;
  TContentDigest key;
  key.Add(FGame);
  const std::string digest = key.Text();
  FFolder = Root() + "/history/" + digest.substr(digest.find(':') + 1);
}

std::string TGameHistory::EntryFolder(int id) const {
  char name[16];
  std::snprintf(name, sizeof name, "%08d", id);
  return FFolder + "/" + name;
}

std::string TGameHistory::BeforePath(int id, std::size_t index) const {
  return EntryFolder(id) + "/before-" + std::to_string(index);
}

std::string TGameHistory::PathInGame(const std::string& hostPath) const {
  std::map<std::string, std::string> resolved;
  return RelativeToGame(RealPathOf(hostPath, resolved));
}

std::string TGameHistory::RelativeToGame(const std::string& realPath) const {
  return realPath.compare(0, FGame.size() + 1, FGame + "/") == 0 ? realPath.substr(FGame.size() + 1)
                                                                 : realPath;
}

std::string TGameHistory::HostPathOf(const THistoryFile& file) const {
  return FGame + "/" + file.Path; // entries read back name only files below the game
}

std::vector<THistoryEntry> TGameHistory::Entries() const {
  std::vector<THistoryEntry> entries;
  for (const int id : EntryIds(FFolder)) {
    THistoryEntry entry;
    entry.Id = id;
    if (!HostEntryExists(EntryFolder(id) + "/pending") &&
        ReadEntry(EntryFolder(id) + "/entry", entry))
      entries.push_back(std::move(entry));
  }
  // An entry is undone when a later one, not undone itself, took it back.
  std::map<int, THistoryEntry*> byId;
  for (THistoryEntry& entry : entries)
    byId[entry.Id] = &entry;
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
    if (!entry->Undone && byId.count(entry->Undoes))
      byId[entry->Undoes]->Undone = true;
  return entries;
}

int TGameHistory::Begin(const std::string& command, const std::string& subject, int undoes,
                        const std::vector<TChange>& all) {
  // A command that writes every file again with the bytes it holds changes nothing, and is
  // recorded as nothing. Sizes tell most changes; contents are compared only when they do not.
  std::vector<TChange> changes; // with real paths
  std::vector<bool> existed;    // as a file, before the command
  std::vector<TChange> sameSize;
  std::map<std::string, std::string> resolved;
  for (const TChange& change : all) {
    std::string real = RealPathOf(change.HostPath, resolved);
    const std::optional<THostFileState> state = HostFileState(real);
    const bool exists = state.has_value();
    if (!exists && change.After == "-")
      continue; // removing what is not there
    if (exists && change.After != "-" &&
        change.After.substr(0, change.After.find(':')) == SizeText(state->Size))
      sameSize.push_back({real, change.After});
    existed.push_back(exists && state->Regular);
    changes.push_back({std::move(real), change.After});
  }
  if (changes.size() == sameSize.size() &&
      std::all_of(sameSize.begin(), sameSize.end(), [](const TChange& change) {
        return HostFileDigest(change.HostPath) == change.After;
      }))
    return 0;
  std::error_code error;
  fs::create_directories(FFolder, error);
  if (error)
    RaiseHistoryError(FFolder, FFolder, error.value());
  const std::vector<int> ids = EntryIds(FFolder);
  const int id = ids.empty() ? 1 : ids.back() + 1;
  const std::string folder = EntryFolder(id);
  if (!MakeHostDirectory(folder))
    RaiseHistoryError(FFolder, folder);
  // While it is there, the entry's files may be half in place.
  if (!WriteHistoryFile(folder + "/pending", {}, false))
    RaiseHistoryError(FFolder, folder + "/pending");
  std::string text = "flightdeck-history 1\ntime " + NowUtc() + "\ncommand " + Escaped(command) +
                     "\nsubject " + Escaped(subject) + "\nundoes " + std::to_string(undoes) + "\n";
  for (std::size_t i = 0; i < changes.size(); ++i) {
    if (existed[i])
      KeepContent(changes[i].HostPath, BeforePath(id, i), FFolder);
    text += "file " + std::string(existed[i] ? "1 " : "0 ") + changes[i].After + " " +
            Escaped(RelativeToGame(changes[i].HostPath)) + "\n";
  }
  const std::string partial = folder + "/entry.partial";
  if (!WriteHistoryFile(partial, text, true) || !RenameHostFile(partial, folder + "/entry"))
    RaiseHistoryError(FFolder, partial);
  return id;
}

void TGameHistory::Finish(int id) {
  RemoveHostFile(EntryFolder(id) + "/pending");
  // The history's size is kept as a running total beside its entries, and each entry's own
  // beside it: a command reads two numbers, not every entry.
  const std::uint64_t size = FolderSize(EntryFolder(id));
  WriteNumber(EntryFolder(id) + "/size", size);
  const std::vector<int> ids = EntryIds(FFolder);
  std::optional<std::uint64_t> total = ReadNumber(FFolder + "/size");
  if (total)
    *total += size;
  else
    total = std::accumulate(ids.begin(), ids.end(), std::uint64_t(0),
                            [&](std::uint64_t sum, int entry) { return sum + EntrySize(entry); });
  std::error_code error;
  for (std::size_t oldest = 0; *total > LimitSetting() && oldest + 1 < ids.size(); ++oldest) {
    *total -= std::min(*total, EntrySize(ids[oldest]));
    fs::remove_all(EntryFolder(ids[oldest]), error);
  }
  WriteNumber(FFolder + "/size", *total);
}

std::uint64_t TGameHistory::EntrySize(int id) const {
  const std::optional<std::uint64_t> kept = ReadNumber(EntryFolder(id) + "/size");
  return kept ? *kept : FolderSize(EntryFolder(id));
}

void TGameHistory::RollBack(int id) {
  THistoryEntry entry;
  if (ReadEntry(EntryFolder(id) + "/entry", entry)) {
    for (std::size_t i = 0; i < entry.Files.size(); ++i) {
      const std::string host = HostPathOf(entry.Files[i]);
      if (entry.Files[i].Existed) {
        TReplacementFile file(host);
        file.Write(ReadHostFile(BeforePath(id, i)));
        file.Commit();
      } else if (!RemoveHostFile(host) && !IsNotFound(LastHostError())) {
        RaiseLastIOError(host);
      }
    }
  }
  std::error_code error;
  fs::remove_all(EntryFolder(id), error);
}

void TGameHistory::RecoverInterrupted() {
  for (const int id : EntryIds(FFolder))
    if (HostEntryExists(EntryFolder(id) + "/pending"))
      RollBack(id);
}

} // namespace flightdeck
