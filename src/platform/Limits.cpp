// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Limits.h"

namespace flightdeck {

std::string SizeInWords(std::uint64_t bytes) {
  constexpr const char* units[] = {"bytes", "KiB", "MiB", "GiB", "TiB"};
  std::size_t unit = 0;
  while (unit + 1 < std::size(units) && bytes >= 1024 && bytes % 1024 == 0) {
    bytes /= 1024;
    ++unit;
  }
  return std::to_string(bytes) + " " + units[unit];
}

std::string PackFileTooLarge(std::string_view name) {
  return "\"" + std::string(name) + "\" is larger than " + SizeInWords(MaxMissionSize) +
         ", the most a file of a pack may be";
}

std::string PackTooLarge() {
  return "its files add up to more than " + SizeInWords(MaxPackTotal) +
         ", the most a pack may hold";
}

} // namespace flightdeck
