// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MissionCommands.h"

#include "cli/JsonText.h"
#include "missions/MissionFile.h"

#include <iostream>

namespace flightdeck {

namespace {

std::string JsonList(const std::vector<std::string>& texts) {
  std::string list;
  for (const std::string& text : texts)
    list += (list.empty() ? "" : ",") + JsonStringUtf8(text);
  return "[" + list + "]";
}

// The fields after "file" of a file read as a mission.
std::string MissionFields(const TMissionReading& reading) {
  if (!reading.Mission)
    return ",\"mission\":false,\"reason\":" + JsonStringUtf8(reading.Reason.Text());
  const TMissionFacts& facts = *reading.Mission;
  std::string fields =
      ",\"mission\":true,\"platform\":\"" + std::string(PlatformWord(facts.Platform)) +
      "\",\"type\":\"" + std::string(PlayWord(facts.Play)) +
      "\",\"flight_groups\":" + std::to_string(facts.FlightGroups) +
      ",\"messages\":" + std::to_string(facts.Messages) + ",\"teams\":" + JsonList(facts.Teams) +
      ",\"players\":" + JsonList(facts.Players) +
      ",\"description\":" + JsonStringUtf8(facts.Description);
  if (facts.Platform == TMissionPlatform::BalanceOfPower)
    fields += ",\"debriefing_success\":" + JsonStringUtf8(facts.DebriefingSuccess) +
              ",\"debriefing_failure\":" + JsonStringUtf8(facts.DebriefingFailure);
  if (!reading.Reason.Empty())
    fields += ",\"note\":" + JsonStringUtf8(reading.Reason.Text());
  return fields;
}

} // namespace

int MissionInfoCommand(const TInvocation& invocation) {
  bool allMissions = true;
  for (const std::string& file : invocation.Arguments) {
    const TMissionReading reading = ReadMissionFileOrReason(file, TMissionDepth::Whole);
    allMissions = allMissions && reading.IsMission();
    std::cout << "{\"file\":" << JsonStringUtf8(file) << MissionFields(reading) << "}\n";
  }
  return allMissions ? 0 : 1;
}

} // namespace flightdeck
