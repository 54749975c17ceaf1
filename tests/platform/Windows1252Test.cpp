// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Windows1252.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

TEST(Windows1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte)
    all += static_cast<char>(byte);
  EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
  EXPECT_EQ(Windows1252ToUtf8("\x80\x9f\xe9"), "\xe2\x82\xac\xc5\xb8\xc3\xa9");
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToWindows1252("Caf\xc3\xa9 \xe2\x82\xac"), "Caf\xe9 \x80");
  EXPECT_EQ(Utf8ToWindows1252("\xe2\x98\x85 \xf0\x9f\x9a\x80"), "? ?");
  EXPECT_EQ(Utf8ToWindows1252("bad \xc3 end \xff"), "bad ? end ?");
}

} // namespace
} // namespace flightdeck
