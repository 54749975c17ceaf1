// SPDX-License-Identifier: GPL-3.0-or-later
// A mission file's layout: a header, then sections whose sizes its counts give, eight briefings
// of texts of any length, and fixed texts at its end.

#include "missions/MissionFile.h"

#include "platform/Limits.h"
#include "platform/Translatable.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <array>

namespace flightdeck {

namespace {

constexpr std::uint64_t HeaderSize = 0xA4;
constexpr std::uint64_t FlightGroupSize = 0x562;
constexpr std::uint64_t MessageSize = 0x74;
constexpr std::uint64_t GlobalGoalsSize = 10u * 0x80;
constexpr std::uint64_t TeamSize = 0x1E7;
constexpr std::uint64_t TeamCount = 10;
constexpr std::uint64_t BriefingCount = 8;
constexpr std::uint64_t BriefingFixedSize = 0x334;
constexpr std::uint64_t BriefingTexts = 64; // 32 tags, then 32 strings
constexpr std::uint64_t FlightGroupGoalTextsSize = 8u * 3 * 64;
constexpr std::uint64_t GlobalGoalTextsSize = 10u * 0x1500;
constexpr std::uint64_t XvTClosingSize = 1024; // the description
constexpr std::uint64_t BalanceOfPowerTextSize =
    4096; // each of the debriefings and the description

constexpr int XvTPlatform = 12;
constexpr int BalanceOfPowerPlatform = 14;
constexpr int TieFighterPlatform = -1; // 0xFFFF
constexpr int LastPlay = 4;

// Offsets within a flight group and a team.
constexpr std::uint64_t FlightGroupNameSize = 20;
constexpr std::uint64_t FlightGroupPlayerAt = 0x64;
constexpr std::uint64_t TeamNameAt = 0x02;
constexpr std::uint64_t TeamNameSize = 16;

// "98,304": a count of bytes as the messages give it.
std::string Grouped(std::uint64_t number) {
  const std::string digits = std::to_string(number);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0)
      grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

TMissionReading NotAMission(TMessage reason) {
  return {std::nullopt, std::move(reason)};
}

TMissionReading NotAMissionFile() {
  return NotAMission(TMessage::Own(TRANSLATABLE("Message", "not a mission file")));
}

TMissionReading CutShort(std::uint64_t size, std::uint64_t wanted, bool atLeast) {
  return NotAMission({atLeast ? TRANSLATABLE("Message", "cut short: %1 of at least %2 bytes")
                              : TRANSLATABLE("Message", "cut short: %1 of %2 bytes"),
                      {Grouped(size), Grouped(wanted)}});
}

// The file's bytes read forward in blocks, so that walking the briefings' lengths costs a few
// reads, not one a length. Nothing is read that the file does not hold.
class TMissionCursor {
public:
  TMissionCursor(std::uint64_t size, const TMissionBytes& bytes) : FSize(size), FBytes(bytes) {}

  // Reads `count` bytes from `offset` on (at most a block), fewer at the file's end: at first
  // the header alone, which tells whether more is worth reading.
  void Load(std::uint64_t offset, std::size_t count) {
    FStart = offset;
    FFilled = offset < FSize ? FBytes(offset, FBlock.data(), Clipped(offset, count)) : 0;
  }
  // The bytes from `offset` on, `count` of them (at most a block), or fewer at the file's end.
  std::string_view Read(std::uint64_t offset, std::size_t count) {
    count = std::min(count, BlockSize);
    if (offset < FStart || offset + count > FStart + FFilled)
      Load(offset, BlockSize);
    const std::size_t from = static_cast<std::size_t>(offset - FStart);
    return from < FFilled ? std::string_view(FBlock.data() + from, std::min(count, FFilled - from))
                          : std::string_view();
  }
  // A little-endian signed 16-bit number at `offset`; nothing past the file's end.
  std::optional<int> Short(std::uint64_t offset) {
    if (offset + 2 > FSize)
      return std::nullopt;
    const std::string_view two = Read(offset, 2);
    if (two.size() < 2)
      return std::nullopt;
    const auto low = static_cast<unsigned char>(two[0]);
    const auto high = static_cast<unsigned char>(two[1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
  }
  // A text of `count` bytes padded with zero bytes, as UTF-8, "$" a line break.
  std::string Text(std::uint64_t offset, std::size_t count) {
    std::string text(Read(offset, count));
    text.resize(std::min(text.find('\0'), text.size()));
    std::replace(text.begin(), text.end(), '$', '\n');
    return Windows1252ToUtf8(text);
  }
  int Byte(std::uint64_t offset) {
    const std::string_view one = Read(offset, 1);
    return one.empty() ? 0 : static_cast<unsigned char>(one[0]);
  }

private:
  static constexpr std::size_t BlockSize = 16 << 10; // a mission's briefings, or its longest text
  std::size_t Clipped(std::uint64_t offset, std::size_t count) const {
    return static_cast<std::size_t>(
        std::min<std::uint64_t>(std::min(count, BlockSize), FSize - offset));
  }
  std::uint64_t FSize;
  const TMissionBytes& FBytes;
  std::uint64_t FStart = 0;
  std::size_t FFilled = 0;
  std::array<char, BlockSize> FBlock;
};

// The sections of a mission whose counts are known.
struct TLayout {
  int FlightGroups = 0;
  int Messages = 0;
  std::uint64_t Teams = 0;     // where the teams begin
  std::uint64_t Briefings = 0; // where the briefings begin
  std::uint64_t After = 0;     // the size of what follows the briefings
};

TLayout LayoutOf(int flightGroups, int messages, bool balanceOfPower) {
  TLayout layout{flightGroups, messages};
  const auto groups = static_cast<std::uint64_t>(flightGroups);
  layout.Teams = HeaderSize + groups * FlightGroupSize +
                 static_cast<std::uint64_t>(messages) * MessageSize + GlobalGoalsSize;
  layout.Briefings = layout.Teams + TeamCount * TeamSize;
  layout.After = groups * FlightGroupGoalTextsSize + GlobalGoalTextsSize +
                 (balanceOfPower ? 3 * BalanceOfPowerTextSize : XvTClosingSize);
  return layout;
}

// Where the briefings that begin `at` end, each text's length read in turn: nothing when the
// file ends first, -1 for a length that is negative.
std::optional<std::int64_t> BriefingsEnd(TMissionCursor& cursor, std::uint64_t at) {
  for (std::uint64_t briefing = 0; briefing < BriefingCount; ++briefing) {
    at += BriefingFixedSize;
    for (std::uint64_t text = 0; text < BriefingTexts; ++text) {
      const std::optional<int> length = cursor.Short(at);
      if (!length || *length < 0)
        return length ? std::optional<std::int64_t>(-1) : std::nullopt;
      at += 2 + static_cast<std::uint64_t>(*length);
    }
  }
  return static_cast<std::int64_t>(at);
}

void ReadWhole(TMissionCursor& cursor, const TLayout& layout, std::uint64_t end,
               TMissionFacts& facts) {
  for (std::uint64_t team = 0; team < TeamCount; ++team)
    if (std::string name = cursor.Text(layout.Teams + team * TeamSize + TeamNameAt, TeamNameSize);
        !name.empty())
      facts.Teams.push_back(std::move(name));
  for (int group = 0; group < layout.FlightGroups; ++group) {
    const std::uint64_t at = HeaderSize + static_cast<std::uint64_t>(group) * FlightGroupSize;
    if (cursor.Byte(at + FlightGroupPlayerAt) != 0)
      facts.Players.push_back(cursor.Text(at, FlightGroupNameSize));
  }
  if (facts.Platform == TMissionPlatform::XvT) {
    facts.Description = cursor.Text(end - XvTClosingSize, XvTClosingSize);
    return;
  }
  const std::uint64_t texts = end - 3 * BalanceOfPowerTextSize;
  facts.DebriefingSuccess = cursor.Text(texts, BalanceOfPowerTextSize);
  facts.DebriefingFailure = cursor.Text(texts + BalanceOfPowerTextSize, BalanceOfPowerTextSize);
  facts.Description = cursor.Text(texts + 2 * BalanceOfPowerTextSize, BalanceOfPowerTextSize);
}

} // namespace

TMissionReading ReadMission(std::uint64_t size, const TMissionBytes& bytes, TMissionDepth depth) {
  if (size > MaxMissionSize)
    return NotAMission({TRANSLATABLE("Message", "larger than %1, the most a mission may be"),
                        {SizeInWords(MaxMissionSize)}});
  TMissionCursor cursor(size, bytes);
  cursor.Load(0, HeaderSize);
  const std::optional<int> platform = cursor.Short(0);
  if (platform == TieFighterPlatform)
    return NotAMission(
        TMessage::Own(TRANSLATABLE("Message", "a TIE Fighter mission (an earlier game)")));
  if (platform != XvTPlatform && platform != BalanceOfPowerPlatform)
    return NotAMissionFile();
  if (size < HeaderSize)
    return CutShort(size, HeaderSize, true);
  const int flightGroups = cursor.Short(2).value_or(-1);
  const int messages = cursor.Short(4).value_or(-1);
  const int play = cursor.Byte(0x64);
  if (flightGroups < 0 || messages < 0 || play > LastPlay)
    return NotAMissionFile();
  TMissionFacts facts;
  facts.Platform =
      platform == XvTPlatform ? TMissionPlatform::XvT : TMissionPlatform::BalanceOfPower;
  facts.Play = static_cast<TMissionPlay>(play);
  facts.FlightGroups = flightGroups;
  facts.Messages = messages;
  const TLayout layout =
      LayoutOf(flightGroups, messages, facts.Platform == TMissionPlatform::BalanceOfPower);
  // The least a mission of these counts takes, its briefings empty: more than any mission may
  // be is no mission. A file that ends in its briefings is cut short at least that much.
  const std::uint64_t least =
      layout.Briefings + BriefingCount * (BriefingFixedSize + BriefingTexts * 2) + layout.After;
  if (least > MaxMissionSize)
    return NotAMissionFile();
  const std::optional<std::int64_t> briefingsEnd = BriefingsEnd(cursor, layout.Briefings);
  if (!briefingsEnd)
    return CutShort(size, least, true);
  if (*briefingsEnd < 0)
    return NotAMissionFile();
  const std::uint64_t end = static_cast<std::uint64_t>(*briefingsEnd) + layout.After;
  if (end > size)
    return CutShort(size, end, false);
  facts.BytesBeyond = size - end;
  if (depth == TMissionDepth::Whole)
    ReadWhole(cursor, layout, end, facts);
  TMessage note;
  if (facts.BytesBeyond > 0)
    note = {TRANSLATABLE("Message", "%1 bytes too long"), {Grouped(facts.BytesBeyond)}};
  return {std::move(facts), std::move(note)};
}

} // namespace flightdeck
