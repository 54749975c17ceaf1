// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/FileTransaction.h"
#include "lists/XvTListFile.h"

#include <type_traits>

namespace flightdeck::test {

// Writes what a list or tree stages, at once and without a history, as the tests of the lists
// need.
template <typename TList>
auto Saved(TList& list) {
  TFileTransaction transaction;
  if constexpr (std::is_void_v<decltype(list.Save(transaction))>) {
    list.Save(transaction);
    transaction.Commit();
  } else {
    const auto result = list.Save(transaction);
    transaction.Commit();
    return result;
  }
}

inline void SavedToFile(const TXvTListFile& list, const TListItemRefs& items) {
  TFileTransaction transaction;
  list.SaveToFile(items, transaction);
  transaction.Commit();
}

inline void Resaved(TXvTListFile& list, std::size_t pieceSize = 1 << 16) {
  TFileTransaction transaction;
  list.Resave(transaction, pieceSize);
  transaction.Commit();
}

} // namespace flightdeck::test

#include "journal/Session.h"

namespace flightdeck::test {

// Runs `stage` in a session of its own on `game`, committed when what it gives is a success.
template <typename TStage>
auto InSession(const std::string& game, TStage stage, const THistoryPlace& history = {}) {
  TSession session(game, "test", {}, history);
  auto outcome = stage(session);
  if (outcome)
    session.Commit();
  return outcome;
}

} // namespace flightdeck::test
