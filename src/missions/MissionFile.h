// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HostPath.h"
#include "platform/Message.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flightdeck {

// The game a mission was made for: X-wing vs. TIE Fighter, or its expansion Balance of Power.
enum class TMissionPlatform : unsigned char { XvT, BalanceOfPower };

// How a mission is played, as its header says (the numbers are the header's).
enum class TMissionPlay : unsigned char {
  Training = 0,
  Unknown = 1,
  Melee = 2,
  MultiplayerTraining = 3,
  MultiplayerCombat = 4
};

// What a mission file says of itself. Texts are UTF-8, each "$" of the file a line break.
struct TMissionFacts {
  TMissionPlatform Platform = TMissionPlatform::XvT;
  TMissionPlay Play = TMissionPlay::Training;
  int FlightGroups = 0;
  int Messages = 0;
  std::vector<std::string> Teams;   // the names of the teams in use
  std::vector<std::string> Players; // the flight groups flown by players
  std::string Description;
  std::string DebriefingSuccess; // Balance of Power only
  std::string DebriefingFailure;
  std::uint64_t BytesBeyond = 0; // after the mission's end, which the game ignores
};

// A file read as a mission: its facts, or why it is not a mission of this game. A mission with
// bytes beyond its end comes with a note that says so.
struct TMissionReading {
  std::optional<TMissionFacts> Mission;
  TMessage Reason; // why not; for a mission, its note, if any

  bool IsMission() const { return Mission.has_value(); }
};

// How much of a mission is read: its header and the sizes of its sections, which tell whether it
// is one (a few KB); or also its teams, players and texts.
enum class TMissionDepth : unsigned char { Sizes, Whole };

// Puts `count` bytes of the file from `offset` on `into`, and says how many: fewer at its end.
using TMissionBytes =
    std::function<std::size_t(std::uint64_t offset, char* into, std::size_t count)>;

// Reads a file of `size` bytes as a mission. Nothing is read beyond `size`, no count is trusted
// before the file is known to hold what it counts, and a file over MaxMissionSize is refused
// unread.
TMissionReading ReadMission(std::uint64_t size, const TMissionBytes& bytes, TMissionDepth depth);
// The same of bytes in memory.
TMissionReading ReadMissionBytes(std::string_view bytes,
                                 TMissionDepth depth = TMissionDepth::Whole);
// The same of the file at `path`, or at the host path `hostPath`; raises EInOutError when it
// cannot be read.
TMissionReading ReadMissionFile(std::string_view path, TMissionDepth depth = TMissionDepth::Whole);
TMissionReading ReadMissionHostFile(const THostPath& hostPath, TMissionDepth depth);
// The same, a file that cannot be read taken for no mission, with the system's reason.
TMissionReading ReadMissionFileOrReason(std::string_view path, TMissionDepth depth);
TMissionReading ReadMissionHostFileOrReason(const THostPath& hostPath, TMissionDepth depth);

// "xvt", "bop"; "training", "melee", "multiplayer-combat", ...: the words the command line uses.
std::string_view PlatformWord(TMissionPlatform platform);
std::string_view PlayWord(TMissionPlay play);

} // namespace flightdeck
