// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/NextNumber.h"
#include "support/ListRecords.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

int NextEngagementNumber(std::vector<TListFileItem> records) {
  TListItemRefs refs;
  for (TListFileItem& record : records)
    refs.push_back(&record);
  return NextNumber(likEngagement, refs);
}

TListFileItem Engagement(int number) {
  return test::Record(likEngagement, number);
}

TEST(NextNumber, IsTheSmallestNumberTheKindDoesNotUse) {
  EXPECT_EQ(NextEngagementNumber({}), 0);
  EXPECT_EQ(NextEngagementNumber({Engagement(0), Engagement(1), Engagement(3)}), 2);
  EXPECT_EQ(NextEngagementNumber({Engagement(1), Engagement(2)}), 0);
  EXPECT_EQ(NextEngagementNumber({Engagement(0), Engagement(0)}), 1);
  EXPECT_EQ(NextEngagementNumber({Engagement(-1), Engagement(0), Engagement(5000)}), 1);
  EXPECT_EQ(NextEngagementNumber({test::Record(likBattle, 0), test::Record(likCampaign, 0)}), 0);
}

TEST(NextNumber, FreeNumbersComeOutInTheOrderRepeatedNextNumberGives) {
  std::vector<TListFileItem> records = {Engagement(0), Engagement(2), Engagement(3), Engagement(6),
                                        test::Record(likBattle, 1)};
  TListItemRefs refs;
  for (TListFileItem& record : records)
    refs.push_back(&record);
  TFreeNumbers numbers(likEngagement, refs);
  for (int expected : {1, 4, 5, 7, 8})
    EXPECT_EQ(numbers.Take(), expected);
}

} // namespace
} // namespace flightdeck
