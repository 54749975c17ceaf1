#include "zip/ZipNames.h"

namespace flightdeck {

std::string EntryPath(std::string_view path, bool& escaped) {
  escaped = false;
  if (path.size() >= 2 && path[1] == ':') {
    escaped = true;
    path.remove_prefix(2);
  }
  std::string entry;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find_first_of("/\\", start);
    if (end == std::string_view::npos)
      end = path.size();
    const std::string_view part = path.substr(start, end - start);
    if (part == ".." || (part.empty() && start == 0 && end < path.size()))
      escaped = true;
    else if (!part.empty() && part != ".")
      entry += (entry.empty() ? "" : "/") + std::string(part);
    start = end + 1;
  }
  return entry;
}

} // namespace flightdeck
