// SPDX-License-Identifier: GPL-3.0-or-later
#include "missions/MissionFile.h"
#include "platform/Limits.h"
#include "support/MissionWriter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

using test::MakeMission;
using test::TMissionShape;

TEST(MissionFile, ReadsWhatEveryPlatformAndTypeSaysOfItself) {
  for (const int platform : {12, 14})
    for (int play = 0; play <= 4; ++play) {
      TMissionShape shape;
      shape.Platform = platform;
      shape.Play = play;
      shape.FlightGroups = {{"Red", 1}, {"Alpha", 0}, {"Gold", 2}};
      shape.Teams = {"Imperial", "", "Pirate"};
      shape.Description = "Strike \xE9lite.$$Come home.";
      const TMissionReading reading = ReadMissionBytes(MakeMission(shape));
      SCOPED_TRACE(platform * 10 + play);
      ASSERT_TRUE(reading.IsMission()) << reading.Reason.Text();
      const TMissionFacts& facts = *reading.Mission;
      EXPECT_EQ(facts.Platform,
                platform == 12 ? TMissionPlatform::XvT : TMissionPlatform::BalanceOfPower);
      EXPECT_EQ(facts.Play, static_cast<TMissionPlay>(play));
      EXPECT_EQ(facts.FlightGroups, 3);
      EXPECT_EQ(facts.Messages, 1);
      EXPECT_EQ(facts.Teams, (std::vector<std::string>{"Imperial", "Pirate"}));
      EXPECT_EQ(facts.Players, (std::vector<std::string>{"Red", "Gold"}));
      EXPECT_EQ(facts.Description, "Strike \xC3\xA9lite.\n\nCome home.");
      EXPECT_EQ(facts.DebriefingSuccess, platform == 14 ? "Well flown." : "");
      EXPECT_EQ(facts.DebriefingFailure, platform == 14 ? "Try again." : "");
      EXPECT_TRUE(reading.Reason.Empty());
    }
}

TEST(MissionFile, SaysWhyAFileIsNoMissionOfThisGame) {
  const std::string mission = MakeMission({});
  std::string negativeBriefing = mission;
  const std::size_t firstBriefing = 0xA4 + 2 * 0x562 + 0x74 + 10 * 0x80 + 10 * 0x1E7;
  negativeBriefing[firstBriefing + 0x334 + 1] = '\x80';
  std::string manyGroups = mission;
  manyGroups[2] = '\xFF';
  manyGroups[3] = '\x7F';
  std::string negativeMessages = mission;
  negativeMessages[5] = '\xFF';
  std::string noType = mission;
  noType[0x64] = 5;
  std::string tieFighter = mission;
  tieFighter[0] = tieFighter[1] = '\xFF';
  std::string otherPlatform = mission;
  otherPlatform[0] = '\x12';
  const struct {
    const char* Name;
    std::string Bytes;
    bool Mission;
    std::string Reason;
  } cases[] = {
      {"a mission", mission, true, ""},
      {"bytes appended", mission + std::string(12, 'x'), true, "12 bytes too long"},
      {"cut short", mission.substr(0, 20000), false, "cut short: 20,000 of 76,162 bytes"},
      {"cut in the briefings", mission.substr(0, firstBriefing + 0x400), false,
       "cut short: 10,210 of at least 74,626 bytes"},
      {"a header cut short", mission.substr(0, 100), false, "cut short: 100 of at least 164 bytes"},
      {"a TIE Fighter mission", tieFighter, false, "a TIE Fighter mission (an earlier game)"},
      {"another platform", otherPlatform, false, "not a mission file"},
      {"random bytes", std::string(5000, '\x5A'), false, "not a mission file"},
      {"nothing", "", false, "not a mission file"},
      {"a negative briefing length", negativeBriefing, false, "not a mission file"},
      {"more flight groups than a mission holds", manyGroups, false, "not a mission file"},
      {"negative messages", negativeMessages, false, "not a mission file"},
      {"an unknown mission type", noType, false, "not a mission file"},
  };
  for (const auto& c : cases)
    for (const TMissionDepth depth : {TMissionDepth::Sizes, TMissionDepth::Whole}) {
      const TMissionReading reading = ReadMissionBytes(c.Bytes, depth);
      EXPECT_EQ(reading.IsMission(), c.Mission) << c.Name;
      EXPECT_EQ(reading.Reason.Text(), c.Reason) << c.Name;
    }
}

TEST(MissionFile, ReadsOnlyTheHeaderAndTheSizesForAVerdictAndNothingPastTheEnd) {
  TMissionShape shape;
  shape.FlightGroups.assign(60, {"Wing", 1});
  shape.BriefingTextLength = 40;
  const std::string mission = MakeMission(shape);
  for (const TMissionDepth depth : {TMissionDepth::Sizes, TMissionDepth::Whole}) {
    std::uint64_t read = 0;
    std::uint64_t furthest = 0;
    const TMissionReading reading = ReadMission(
        mission.size(),
        [&](std::uint64_t offset, char* into, std::size_t count) {
          const std::size_t piece =
              offset < mission.size() ? mission.substr(offset, count).copy(into, count) : 0;
          read += piece;
          furthest = std::max(furthest, offset + piece);
          return piece;
        },
        depth);
    EXPECT_TRUE(reading.IsMission());
    EXPECT_EQ(reading.Mission->Players.size(), depth == TMissionDepth::Whole ? 60u : 0u);
    EXPECT_LE(furthest, mission.size());
    if (depth == TMissionDepth::Sizes) {
      EXPECT_LE(read, 48u * 1024) << "of a mission of " << mission.size() << " bytes";
    }
  }
  // A file over the bound is not read at all.
  const TMissionReading large = ReadMission(
      MaxMissionSize + 1, [](std::uint64_t, char*, std::size_t) -> std::size_t { throw 0; },
      TMissionDepth::Whole);
  EXPECT_EQ(large.Reason.Text(), "larger than 16 MiB, the most a mission may be");
}

TEST(MissionFile, ReadsAFileOnDisk) {
  const test::TTempDir temp;
  test::WriteBytes(temp.Path() / "m.tie", MakeMission({}));
  EXPECT_TRUE(ReadMissionFile((temp.Path() / "m.tie").string()).IsMission());
}

} // namespace
} // namespace flightdeck
