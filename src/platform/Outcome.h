// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Message.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace flightdeck {

// The result of an operation that did all it had to and has nothing to give back.
struct TDone {};

// What an operation that can fail in an expected way gives back: its result, or why it failed
// in words the user reads, and notes worth telling either way. Failures of the file system are
// no outcome: they raise EInOutError.
template <typename T = TDone>
class TOutcome {
public:
  TOutcome(T value) : FValue(std::move(value)) {} // NOLINT: a result is a successful outcome
  // NOLINTNEXTLINE(performance-unnecessary-value-param): it is moved, which the check misses here
  static TOutcome Failure(TMessage reason) {
    TOutcome outcome;
    outcome.FError = std::move(reason);
    return outcome;
  }

  bool Ok() const { return FValue.has_value(); }
  explicit operator bool() const { return Ok(); }
  T& Value() { return *FValue; }
  const T& Value() const { return *FValue; }
  std::string Error() const { return FError.Text(); }
  const TMessage& ErrorMessage() const { return FError; }

  std::vector<TMessage> Notes;

private:
  TOutcome() = default;
  std::optional<T> FValue;
  TMessage FError;
};

} // namespace flightdeck
