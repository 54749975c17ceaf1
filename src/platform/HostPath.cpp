#include "platform/HostPath.h"

#include "platform/AsciiCase.h"
#include "platform/InOutError.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#ifndef _WIN32
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace flightdeck {

bool HasNulByte(std::string_view path) {
  return path.find('\0') != std::string_view::npos;
}

namespace {

// What a lookup scope knows of the folders it has read.
struct TFolderNames {
  std::unordered_set<std::string> Names;
  // Lower-case name -> the first name by byte order that matches it.
  std::unordered_map<std::string, std::string> ByKey;
};

struct TLookupCache {
  int Depth = 0;
  std::unordered_map<std::string, TFolderNames> Folders;
  // Program paths of existing directories -> their host paths.
  std::unordered_map<std::string, std::string> Directories;
  std::unordered_set<std::string> Visited;
};

thread_local TLookupCache* Cache = nullptr;

std::vector<std::string> ReadFolderNames(const std::string& hostFolder) {
  std::vector<std::string> names;
#ifndef _WIN32
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(hostFolder.empty() ? "." : hostFolder.c_str()),
                                          closedir);
  if (!dir)
    return names;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..")
      names.emplace_back(name);
  }
#endif
  return names;
}

void AddName(TFolderNames& folder, const std::string& name) {
  if (!folder.Names.insert(name).second)
    return;
  auto [at, added] = folder.ByKey.emplace(LowerCaseAscii(name), name);
  if (!added && name < at->second)
    at->second = name;
}

TFolderNames& CachedFolder(const std::string& hostFolder) {
  const auto found = Cache->Folders.find(hostFolder);
  if (found != Cache->Folders.end())
    return found->second;
  TFolderNames& folder = Cache->Folders[hostFolder];
  for (const std::string& name : ReadFolderNames(hostFolder))
    AddName(folder, name);
  return folder;
}

std::pair<std::string, std::string> SplitHostPath(const std::string& hostPath) {
  const std::size_t slash = hostPath.rfind('/');
  if (slash == std::string::npos)
    return {"", hostPath};
  return {slash == 0 ? "/" : hostPath.substr(0, slash), hostPath.substr(slash + 1)};
}

} // namespace

THostLookupScope::THostLookupScope() {
  if (!Cache)
    Cache = new TLookupCache;
  ++Cache->Depth;
}

THostLookupScope::~THostLookupScope() {
  if (--Cache->Depth == 0) {
    delete Cache;
    Cache = nullptr;
  }
}

void NoteHostEntryCreated(const std::string& hostPath) {
  if (!Cache)
    return;
  const auto [folder, name] = SplitHostPath(hostPath);
  const auto found = Cache->Folders.find(folder);
  if (found != Cache->Folders.end())
    AddName(found->second, name);
}

void NoteHostEntryRemoved(const std::string& hostPath) {
  // Rare enough that the folder is simply read again when it is next needed.
  if (Cache)
    Cache->Folders.erase(SplitHostPath(hostPath).first);
}

std::vector<std::string> HostFolderNames(const std::string& hostFolder) {
  if (!Cache)
    return ReadFolderNames(hostFolder);
  const TFolderNames& folder = CachedFolder(hostFolder);
  return {folder.Names.begin(), folder.Names.end()};
}

bool FirstVisitInScope(const std::string& hostFolder) {
  return !Cache || Cache->Visited.insert(hostFolder).second;
}

#ifdef _WIN32

std::string HostPath(std::string_view programPath) {
  if (HasNulByte(programPath))
    throw EInOutError(ENOENT, std::string(programPath));
  return std::string(programPath);
}

#else

namespace {

bool Exists(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

// The name of the entry of `directory` that `name` refers to, or `name` itself when none does.
std::string FindEntry(const std::string& directory, const std::string& name) {
  std::string prefix = directory;
  if (!prefix.empty() && prefix.back() != '/')
    prefix += '/';
  if (name == "." || name == ".." || Exists(prefix + name))
    return name;
  const std::string key = LowerCaseAscii(name);
  if (Cache) {
    const TFolderNames& folder = CachedFolder(directory);
    const auto found = folder.ByKey.find(key);
    return found == folder.ByKey.end() ? name : found->second;
  }
  std::string best;
  for (const std::string& candidate : ReadFolderNames(directory))
    if (LowerCaseAscii(candidate) == key && (best.empty() || candidate < best))
      best = candidate;
  return best.empty() ? name : best;
}

// Within a lookup scope: the folder of a path is resolved once, then only its last name is
// looked up.
std::string CachedHostPath(std::string_view programPath) {
  const std::size_t cut = programPath.find_last_of("\\/");
  std::string folder = "/";
  if (cut != 0) {
    const std::string folderKey(programPath.substr(0, cut));
    const auto found = Cache->Directories.find(folderKey);
    if (found != Cache->Directories.end()) {
      folder = found->second;
    } else {
      folder = HostPath(folderKey);
      if (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
      struct stat info {};
      if (stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        Cache->Directories.emplace(folderKey, folder);
    }
  }
  const std::string name(programPath.substr(cut + 1));
  const std::string prefix = folder.back() == '/' ? folder : folder + "/";
  return name.empty() ? prefix : prefix + FindEntry(folder, name);
}

} // namespace

std::string HostPath(std::string_view programPath) {
  if (HasNulByte(programPath))
    throw EInOutError(ENOENT, std::string(programPath));
  const std::size_t cut = programPath.find_last_of("\\/");
  if (Cache && cut != std::string_view::npos && cut + 1 < programPath.size() &&
      programPath.find_first_not_of("\\/") < cut)
    return CachedHostPath(programPath);
  // Most paths exist exactly as written: then every component is its own exact match.
  std::string asWritten(programPath);
  std::replace(asWritten.begin(), asWritten.end(), '\\', '/');
  if (Exists(asWritten))
    return asWritten;

  const bool absolute = !programPath.empty() && (programPath[0] == '/' || programPath[0] == '\\');
  std::string result = absolute ? "/" : "";
  bool resolving = true;
  size_t start = 0;
  while (start <= programPath.size()) {
    size_t end = programPath.find_first_of("\\/", start);
    if (end == std::string_view::npos)
      end = programPath.size();
    const std::string name(programPath.substr(start, end - start));
    if (!name.empty()) {
      // Once a component is missing, nothing below it can exist: keep the rest as given.
      const std::string entry = resolving ? FindEntry(result, name) : name;
      if (!result.empty() && result.back() != '/')
        result += '/';
      result += entry;
      resolving = resolving && Exists(result);
    }
    start = end + 1;
  }
  const char last = programPath.empty() ? '\0' : programPath.back();
  if ((last == '\\' || last == '/') && !result.empty() && result.back() != '/')
    result += '/';
  return result;
}

#endif

} // namespace flightdeck
