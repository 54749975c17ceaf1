// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Message.h"

namespace flightdeck {

std::string TMessage::Text() const {
  std::string text;
  text.reserve(FWords.size());
  for (std::size_t i = 0; i < FWords.size(); ++i) {
    const char next = i + 1 < FWords.size() ? FWords[i + 1] : '\0';
    const auto argument = static_cast<std::size_t>(next - '1');
    if (FWords[i] == '%' && next >= '1' && next <= '9' && argument < FArguments.size()) {
      text += FArguments[argument].Text();
      ++i;
    } else {
      text += FWords[i];
    }
  }
  return text;
}

namespace {

// Halves joined, so that a list of any length nests only as deep as its length's logarithm.
TMessage ListOf(const TMessage* first, std::size_t count) {
  if (count == 1)
    return *first;
  const std::size_t half = count / 2;
  return {TRANSLATABLE("Message", "%1, %2"),
          {ListOf(first, half), ListOf(first + half, count - half)}};
}

} // namespace

TMessage ListOf(const std::vector<TMessage>& items) {
  return items.empty() ? TMessage() : ListOf(items.data(), items.size());
}

} // namespace flightdeck
