// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ContentDigest.h"

#include <gtest/gtest.h>

#include <string>

namespace flightdeck {
namespace {

// A history keeps the digests of the files its commands wrote, and an undo compares them with
// the files as they are: a digest taken by this build must be the one earlier builds took, in
// whatever pieces its bytes came.
TEST(ContentDigest, IsTheOneEarlierBuildsTookInAnyPieces) {
  std::string text;
  for (int i = 0; i < 300000; ++i)
    text += static_cast<char>(i * 131 + (i >> 7));
  const std::pair<std::size_t, const char*> cases[] = {
      {0, "0:7d4ea97c247ade39"},         {1, "1:840dcbfb5389dcfe"},
      {31, "1f:d5965d6dfab1d0d5"},       {32, "20:12753a0d725ac72e"},
      {33, "21:7923a0d89e7df238"},       {1000, "3e8:a81e33238d5b3374"},
      {299999, "493df:bf1ab4b81b9e8bad"}};
  for (const auto& [size, expected] : cases) {
    const std::string_view bytes = std::string_view(text).substr(0, size);
    TContentDigest whole;
    whole.Add(bytes);
    TContentDigest pieces;
    for (std::size_t at = 0; at < size; at += 7 + at % 61)
      pieces.Add(bytes.substr(at, 7 + at % 61));
    EXPECT_EQ(whole.Text(), expected) << size;
    EXPECT_EQ(pieces.Text(), expected) << size;
  }
}

} // namespace
} // namespace flightdeck
