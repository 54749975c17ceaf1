// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/TextHelpers.h"
#include "platform/PathNames.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

TEST(TextHelpers, TextBeforeAndAfterSplitAtTheFirstDelimiter) {
  EXPECT_EQ(TextBefore("Series=Spring=Cup", "="), "Series");
  EXPECT_EQ(TextAfter("Series=Spring=Cup", "="), "Spring=Cup");
  EXPECT_EQ(TextBefore("pack.ixo", "."), "pack");
  EXPECT_EQ(TextAfter("a.b.mcl", "."), "b.mcl");
  EXPECT_EQ(TextBefore("none", "="), "none");
  EXPECT_EQ(TextAfter("none", "="), "none");
  EXPECT_EQ(TextAfter("Name=", "="), "");
  EXPECT_EQ(TextAfter("series=x", "Series="), "series=x"); // case-sensitive
}

TEST(TextHelpers, ExtensionIsTheTextFromTheLastDotUnlessASeparatorFollows) {
  EXPECT_EQ(ExtractFileExt("mission.tie"), ".tie");
  EXPECT_EQ(ExtractFileExt("[Vol. 2]"), ". 2]");
  EXPECT_EQ(ExtractFileExt("a.b\\c"), "");
  EXPECT_EQ(ExtractFileExt("[a.b]:"), "");
  EXPECT_EQ(ExtractFileExt("none"), "");
  EXPECT_EQ(ExtractFilePath("c:\\xvt\\combat\\mission.lst"), "c:\\xvt\\combat\\");
  EXPECT_EQ(ExtractFilePath("c:mission.lst"), "c:");
  EXPECT_EQ(ExtractFilePath("mission.lst"), "");
}

TEST(TextHelpers, TrimAndBareNames) {
  EXPECT_EQ(Trim(" \t b1.lst \x01 "), "b1.lst");
  EXPECT_EQ(Trim(" \r\n "), "");
  EXPECT_EQ(Trim("\xa0x\xa0"), "\xa0x\xa0"); // only ASCII spaces and controls go
  EXPECT_TRUE(IsBareFileName("b1.lst"));
  for (const char* name : {"", ".", "..", "..\\b.lst", "sub/b.lst", "c:b.lst", "/etc/passwd"})
    EXPECT_FALSE(IsBareFileName(name)) << name;
}

TEST(TextHelpers, ListNumbersReadLikeTheGameReadsThem) {
  const std::pair<const char*, int> cases[] = {{"0", 0},
                                               {"42", 42},
                                               {"  7", 7},
                                               {"12abc", 12},
                                               {"abc", 0},
                                               {"-7", -7},
                                               {"+7", 7},
                                               {"-7x", 7},
                                               {"-", 0},
                                               {"", 0},
                                               {"$1F", 31},
                                               {"$1f", 31},
                                               {" $ff", 255},
                                               {"$1G", 1},
                                               {"-$1F", 0},
                                               {"4 2", 4},
                                               {"\t5", 0},
                                               {"-0", 0},
                                               {"2147483647", 2147483647},
                                               {"-2147483648", -2147483647 - 1},
                                               {"$FFFFFFFF", 2147483647},
                                               {"2147483648", 2147483647},
                                               {"-2147483649", -2147483647 - 1},
                                               {"99999999999999999999x", 2147483647}};
  for (const auto& [line, number] : cases)
    EXPECT_EQ(ReadListNumber(line), number) << '"' << line << '"';
}

} // namespace
} // namespace flightdeck
