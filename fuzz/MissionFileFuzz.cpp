// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the mission reader: it never reads past the file, its two depths
// agree on what the file is, and a mission's texts are valid UTF-8.

#include "missions/MissionFile.h"
#include "platform/Windows1252.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace flightdeck;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  TMissionReading readings[2];
  for (const TMissionDepth depth : {TMissionDepth::Sizes, TMissionDepth::Whole})
    readings[static_cast<int>(depth)] = ReadMission(
        size,
        [&](std::uint64_t offset, char* into, std::size_t count) {
          if (offset >= size || count > size - offset)
            __builtin_trap(); // nothing is asked past the end
          return bytes.substr(static_cast<std::size_t>(offset), count).copy(into, count);
        },
        depth);
  const TMissionReading& whole = readings[1];
  if (readings[0].IsMission() != whole.IsMission() ||
      readings[0].Reason.Text() != whole.Reason.Text())
    __builtin_trap();
  if (whole.Mission) {
    const TMissionFacts& facts = *whole.Mission;
    if (static_cast<std::uint64_t>(facts.FlightGroups) * 0x562 > size || facts.BytesBeyond >= size)
      __builtin_trap(); // a count the file cannot hold, or a size not computed
    for (const std::string* text :
         {&facts.Description, &facts.DebriefingSuccess, &facts.DebriefingFailure})
      if (!IsValidUtf8(*text))
        __builtin_trap();
  }
  return 0;
}
