// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/NextNumber.h"

namespace flightdeck {

TFreeNumbers::TFreeNumbers(TListItemKind kind, const TListItemRefs& items) {
  for (const TListFileItem* item : items)
    if (item->Kind == kind && item->Number >= 0)
      FUsed.insert(item->Number);
}

std::int32_t TFreeNumbers::Take() {
  while (FUsed.count(FCandidate) != 0)
    ++FCandidate;
  return FCandidate++;
}

std::int32_t NextNumber(TListItemKind kind, const TListItemRefs& items) {
  return TFreeNumbers(kind, items).Take();
}

} // namespace flightdeck
