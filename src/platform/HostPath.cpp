// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HostPath.h"

#include "platform/AsciiCase.h"
#include "platform/HostFiles.h"
#include "platform/InOutError.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <unordered_set>

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
};

thread_local TLookupCache* Cache = nullptr;

// What two spellings of a name share: ASCII case aside, and a name that an older tool wrote in
// Windows-1252 bytes is the same name as its UTF-8 spelling.
std::string LookupKey(const std::string& name) {
  return LowerCaseAscii(LenientUtf8(name));
}

void AddName(TFolderNames& folder, const std::string& name) {
  if (!folder.Names.insert(name).second)
    return;
  auto [at, added] = folder.ByKey.emplace(LookupKey(name), name);
  if (!added && name < at->second)
    at->second = name;
}

TFolderNames& CachedFolder(const std::string& hostFolder) {
  const auto found = Cache->Folders.find(hostFolder);
  if (found != Cache->Folders.end())
    return found->second;
  TFolderNames& folder = Cache->Folders[hostFolder];
  for (const std::string& name : ReadHostFolder(THostPath(hostFolder)))
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

void NoteHostEntryCreated(const THostPath& hostPath) {
  if (!Cache)
    return;
  const auto [folder, name] = SplitHostPath(hostPath.Native());
  const auto found = Cache->Folders.find(folder);
  if (found != Cache->Folders.end())
    AddName(found->second, name);
}

void NoteHostEntryRemoved(const THostPath& hostPath) {
  // Rare enough that the folder is simply read again when it is next needed.
  if (Cache)
    Cache->Folders.erase(SplitHostPath(hostPath.Native()).first);
}

std::vector<std::string> HostFolderNames(const THostPath& hostFolder) {
  if (!Cache)
    return ReadHostFolder(hostFolder);
  const auto found = Cache->Folders.find(hostFolder.Native());
  if (found == Cache->Folders.end()) // not worth a table of its names until a name is looked up
    return ReadHostFolder(hostFolder);
  return {found->second.Names.begin(), found->second.Names.end()};
}

namespace {

bool Exists(const std::string& path) {
  return HostEntryExists(THostPath(path));
}

// The name of the entry of `directory` that `name` refers to, or `name` itself when none does.
std::string FindEntry(const std::string& directory, const std::string& name) {
  std::string prefix = directory;
  if (!prefix.empty() && prefix.back() != '/')
    prefix += '/';
  if (name == "." || name == ".." || Exists(prefix + name))
    return name;
  const std::string key = LookupKey(name);
  if (Cache) {
    const TFolderNames& folder = CachedFolder(directory);
    const auto found = folder.ByKey.find(key);
    return found == folder.ByKey.end() ? name : found->second;
  }
  std::string best;
  for (const std::string& candidate : ReadHostFolder(THostPath(directory)))
    if (LookupKey(candidate) == key && (best.empty() || candidate < best))
      best = candidate;
  return best.empty() ? name : best;
}

// Within a lookup scope: the folder of a path is resolved once, then only its last name is
// looked up.
std::string ResolvedPath(std::string_view programPath);

std::string CachedHostPath(std::string_view programPath) {
  const std::size_t cut = programPath.find_last_of("\\/");
  std::string folder = "/";
  if (cut != 0) {
    const std::string folderKey(programPath.substr(0, cut));
    const auto found = Cache->Directories.find(folderKey);
    if (found != Cache->Directories.end()) {
      folder = found->second;
    } else {
      folder = ResolvedPath(folderKey);
      if (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
      if (const auto state = HostFileState(THostPath(folder)); state && state->Directory)
        Cache->Directories.emplace(folderKey, folder);
    }
  }
  const std::string name(programPath.substr(cut + 1));
  const std::string prefix = folder.back() == '/' ? folder : folder + "/";
  return name.empty() ? prefix : prefix + FindEntry(folder, name);
}

std::string ResolvedPath(std::string_view programPath) {
  if (!HostNamesHaveCase()) { // the host finds each name itself
    std::string path(programPath);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
  }
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

} // namespace

THostPath HostPath(std::string_view programPath) {
  if (HasNulByte(programPath))
    throw EInOutError(NoSuchFileError(), std::string(programPath));
  return THostPath(ResolvedPath(programPath));
}

THostPath THostPath::Parent() const {
  const std::size_t slash = FNative.rfind('/');
  return THostPath(slash == std::string::npos ? "."
                                              : (slash == 0 ? "/" : FNative.substr(0, slash)));
}

THostPath THostPath::operator/(std::string_view name) const {
  if (FNative.empty() || FNative.back() == '/')
    return THostPath(FNative + std::string(name));
  return THostPath(FNative + "/" + std::string(name));
}

} // namespace flightdeck
