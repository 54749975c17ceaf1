// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/ListFileItem.h"

#include <cstdint>
#include <unordered_set>

namespace flightdeck {

// The number a new entry holds until the next free one is known: the largest the number box
// can show, so that it blocks no low number while the numbers in use are gathered.
constexpr std::int32_t PlaceholderNumber = 9999;

// The smallest number n >= 0 that no record of `kind` in `items` carries.
std::int32_t NextNumber(TListItemKind kind, const TListItemRefs& items);

// Hands out the free numbers of one kind in increasing order, as NextNumber would give them
// one after another while records with those numbers are appended.
class TFreeNumbers {
public:
  TFreeNumbers(TListItemKind kind, const TListItemRefs& items);
  std::int32_t Take();

private:
  std::unordered_set<std::int32_t> FUsed;
  std::int32_t FCandidate = 0; // every number below it is taken
};

} // namespace flightdeck
