// SPDX-License-Identifier: GPL-3.0-or-later
// Missions read from memory and from files, and the words for what they are.

#include "missions/MissionFile.h"

#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"

#include <algorithm>

namespace flightdeck {

TMissionReading ReadMissionBytes(std::string_view bytes, TMissionDepth depth) {
  return ReadMission(
      bytes.size(),
      [bytes](std::uint64_t offset, char* into, std::size_t count) {
        return offset < bytes.size()
                   ? bytes.substr(static_cast<std::size_t>(offset), count).copy(into, count)
                   : 0;
      },
      depth);
}

TMissionReading ReadMissionFile(std::string_view path, TMissionDepth depth) {
  return ReadMissionHostFile(HostPath(path), depth);
}

TMissionReading ReadMissionHostFile(const THostPath& host, TMissionDepth depth) {
  const THostFile file = THostFile::OpenRegular(host);
  return ReadMission(
      file.Size(),
      [&](std::uint64_t offset, char* into, std::size_t count) {
        std::size_t filled = 0;
        while (filled < count)
          if (const std::size_t read =
                  file.ReadAt(into + filled, count - filled, offset + filled, host))
            filled += read;
          else
            break;
        return filled;
      },
      depth);
}

TMissionReading ReadMissionFileOrReason(std::string_view path, TMissionDepth depth) {
  return ReadMissionHostFileOrReason(HostPath(path), depth);
}

TMissionReading ReadMissionHostFileOrReason(const THostPath& hostPath, TMissionDepth depth) {
  try {
    return ReadMissionHostFile(hostPath, depth);
  } catch (const EInOutError& error) {
    return {std::nullopt, error.ReasonMessage()};
  }
}

std::string_view PlatformWord(TMissionPlatform platform) {
  return platform == TMissionPlatform::XvT ? "xvt" : "bop";
}

std::string_view PlayWord(TMissionPlay play) {
  constexpr std::string_view words[] = {"training", "unknown", "melee", "multiplayer-training",
                                        "multiplayer-combat"};
  return words[static_cast<std::size_t>(play)];
}

} // namespace flightdeck
