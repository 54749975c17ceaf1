// SPDX-License-Identifier: GPL-3.0-or-later
#include "zip/ZipDosTime.h"
#include "zip/ZipWildcards.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

TEST(ZipOptions, WildcardsMatchLikeZipTools) {
  EXPECT_TRUE(WildcardMatch("b*.tie", "B12.TIE"));
  EXPECT_TRUE(WildcardMatch("*", "dir/a.tie"));
  EXPECT_TRUE(WildcardMatch("m?.tie", "m1.tie"));
  EXPECT_FALSE(WildcardMatch("m?.tie", "m12.tie"));
  EXPECT_TRUE(WildcardMatch("[a-c]1.tie", "b1.tie"));
  EXPECT_FALSE(WildcardMatch("[a-c]1.tie", "d1.tie"));
  EXPECT_TRUE(WildcardMatch("*a*b*c", "xxaxxbxxc"));
  EXPECT_FALSE(WildcardMatch("*a*b*c", "xxaxxbxx"));
  EXPECT_TRUE(WildcardMatch(std::string(40, '*') + "x", std::string(10000, 'a') + "x"));
}

TEST(ZipOptions, DosDatesOutsideTheCalendarGiveTheEpochStartAndTimesOutsideTheFormatItsBounds) {
  using namespace std::chrono;
  // 2001-02-03 04:05:06
  const std::uint32_t valid = ((21u << 9 | 2u << 5 | 3u) << 16) | (4u << 11 | 5u << 5 | 3u);
  EXPECT_EQ(DosDateTime(valid), sys_days{year{2001} / 2 / 3} + hours{4} + minutes{5} + seconds{6});
  EXPECT_EQ(DosDateTime(0), ZipEpoch);                                // month 0, day 0
  EXPECT_EQ(DosDateTime((21u << 9 | 2u << 5 | 30u) << 16), ZipEpoch); // 30 February
  EXPECT_EQ(DosDateTime(((21u << 9 | 2u << 5 | 3u) << 16) | (25u << 11)), ZipEpoch); // hour 25
  EXPECT_EQ(DosTimeWord(DosDateTime(valid) + seconds{1}), valid); // to the even second below
  EXPECT_EQ(DosDateTime(DosTimeWord(sys_days{year{1970} / 1 / 1})), ZipEpoch);
  EXPECT_EQ(DosDateTime(DosTimeWord(sys_days{year{2200} / 1 / 1})),
            sys_days{year{2107} / 12 / 31} + hours{23} + minutes{59} + seconds{58});
}

} // namespace
} // namespace flightdeck
