// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace flightdeck::test {

// A mission of this game laid out byte for byte, every field not named here zero: the tests'
// own missions, never one copied from elsewhere.
struct TMissionShape {
  int Platform = 12; // 12 X-wing vs. TIE Fighter, 14 Balance of Power
  int Play = 2;      // the header's mission type: 2 melee
  struct TFlightGroup {
    std::string Name;
    int Player = 0; // 0 the computer, 1 and up a player's slot
  };
  std::vector<TFlightGroup> FlightGroups = {{"Red", 1}, {"Alpha", 0}};
  int Messages = 1;
  std::vector<std::string> Teams = {"Imperial", "Rebel"}; // the first of the ten
  int BriefingTextLength = 3; // of every tag and string of every briefing
  std::string Description = "Strike hard.$$Come home.";
  std::string DebriefingSuccess = "Well flown.";
  std::string DebriefingFailure = "Try again.";
};

inline void PutShort(std::string& bytes, std::size_t at, int value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

inline void PutText(std::string& bytes, std::size_t at, const std::string& text) {
  bytes.replace(at, text.size(), text);
}

inline std::string MakeMission(const TMissionShape& shape) {
  const std::size_t groups = shape.FlightGroups.size();
  std::string bytes(
      0xA4 + groups * 0x562 + static_cast<std::size_t>(shape.Messages) * 0x74 + 10 * 0x80, '\0');
  PutShort(bytes, 0, shape.Platform);
  PutShort(bytes, 2, static_cast<int>(groups));
  PutShort(bytes, 4, shape.Messages);
  bytes[0x64] = static_cast<char>(shape.Play);
  for (std::size_t i = 0; i < groups; ++i) {
    PutText(bytes, 0xA4 + i * 0x562, shape.FlightGroups[i].Name);
    bytes[0xA4 + i * 0x562 + 0x64] = static_cast<char>(shape.FlightGroups[i].Player);
  }
  std::string teams(10 * 0x1E7, '\0');
  for (std::size_t t = 0; t < shape.Teams.size(); ++t)
    PutText(teams, t * 0x1E7 + 2, shape.Teams[t]);
  bytes += teams;
  for (int briefing = 0; briefing < 8; ++briefing) {
    bytes += std::string(0x334, '\0');
    for (int text = 0; text < 64; ++text) {
      bytes += std::string(2, '\0');
      PutShort(bytes, bytes.size() - 2, shape.BriefingTextLength);
      bytes += std::string(static_cast<std::size_t>(shape.BriefingTextLength), 'b');
    }
  }
  bytes += std::string(groups * 8 * 3 * 64 + 10 * 0x1500, '\0');
  const auto closing = [&](const std::string& text, std::size_t size) {
    std::string field(size, '\0');
    PutText(field, 0, text);
    bytes += field;
  };
  if (shape.Platform == 14) {
    closing(shape.DebriefingSuccess, 4096);
    closing(shape.DebriefingFailure, 4096);
    closing(shape.Description, 4096);
  } else {
    closing(shape.Description, 1024);
  }
  return bytes;
}

// A mission told apart from others by its description, `tag`, of the type the header calls
// unknown, which no category refuses.
inline std::string Mission(const std::string& tag) {
  TMissionShape shape;
  shape.Play = 1;
  shape.Description = tag;
  return MakeMission(shape);
}

} // namespace flightdeck::test
