// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PathNames.h"

namespace flightdeck {

std::string ExtractFileExt(std::string_view path) {
  const std::size_t at = path.find_last_of(".\\:");
  if (at == std::string_view::npos || path[at] != '.')
    return {};
  return std::string(path.substr(at));
}

std::string ExtractFilePath(std::string_view path) {
  const std::size_t at = path.find_last_of("\\:");
  return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at + 1));
}

std::string ExtractFileName(std::string_view path) {
  return std::string(path.substr(ExtractFileFolder(path).size()));
}

std::string ExtractFileFolder(std::string_view path) {
  const std::size_t at = path.find_last_of("\\/:");
  return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at + 1));
}

bool IsBareFileName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("\\/:") == std::string_view::npos;
}

} // namespace flightdeck
