#include "lists/NextNumber.h"

namespace flightdeck {

TFreeNumbers::TFreeNumbers(TListItemKind kind, const TListItemRefs& items) {
  // With k records of the kind, a free number is at most k: larger numbers need no tracking.
  std::size_t count = 0;
  for (const TListFileItem* item : items)
    count += item->Kind == kind;
  FUsed.assign(count + 1, false);
  for (const TListFileItem* item : items)
    if (item->Kind == kind && item->Number >= 0 && static_cast<std::size_t>(item->Number) <= count)
      FUsed[static_cast<std::size_t>(item->Number)] = true;
}

std::int32_t TFreeNumbers::Take() {
  while (static_cast<std::size_t>(FCandidate) < FUsed.size() &&
         FUsed[static_cast<std::size_t>(FCandidate)])
    ++FCandidate;
  return FCandidate++;
}

std::int32_t NextNumber(TListItemKind kind, const TListItemRefs& items) {
  return TFreeNumbers(kind, items).Take();
}

} // namespace flightdeck
