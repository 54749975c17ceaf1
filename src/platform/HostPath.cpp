#include "platform/HostPath.h"

#include "platform/AsciiCase.h"

#ifndef _WIN32
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

#include <memory>
#endif

namespace flightdeck {

#ifdef _WIN32

std::string HostPath(std::string_view programPath) {
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
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(directory.empty() ? "." : directory.c_str()),
                                          closedir);
  if (!dir)
    return name;
  std::string best;
  while (const dirent* entry = readdir(dir.get())) {
    const std::string_view candidate = entry->d_name;
    if (SameTextAscii(candidate, name) && (best.empty() || candidate < best))
      best = candidate;
  }
  return best.empty() ? name : best;
}

} // namespace

std::string HostPath(std::string_view programPath) {
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
