// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextLines.h"

#include <gtest/gtest.h>

#include <vector>

namespace flightdeck {
namespace {

std::vector<std::string> AllLines(std::string text) {
  TTextLineReader reader(std::move(text));
  std::vector<std::string> lines;
  while (!reader.Eof())
    lines.push_back(reader.ReadLine());
  return lines;
}

using Lines = std::vector<std::string>;

TEST(TextLineReader, EndsLinesAtCrWithAnOptionalLf) {
  EXPECT_EQ(AllLines("a\r\nb\rc\r\n"), (Lines{"a", "b", "c"}));
  EXPECT_EQ(AllLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(AllLines("a\r\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(AllLines(""), Lines{});
}

TEST(TextLineReader, KeepsLoneLfAndOtherBytesInTheLine) {
  EXPECT_EQ(AllLines("a\nb\nc"), Lines{"a\nb\nc"});
  EXPECT_EQ(AllLines("\n\r\n"), Lines{"\n"});
  EXPECT_EQ(AllLines(std::string("\xe9t\xe9\0x\r\n", 7)), Lines{std::string("\xe9t\xe9\0x", 5)});
}

TEST(TextLineReader, CtrlZEndsTheTextAndReadingPastTheEndGivesEmptyLines) {
  EXPECT_EQ(AllLines("a\r\nb\x1a\r\nc\r\n"), (Lines{"a", "b"}));
  TTextLineReader reader("only\r\n");
  EXPECT_EQ(reader.ReadLine(), "only");
  EXPECT_TRUE(reader.Eof());
  EXPECT_EQ(reader.ReadLine(), "");
  EXPECT_EQ(reader.ReadLine(), "");
}

} // namespace
} // namespace flightdeck
