// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Message.h"

namespace flightdeck {

std::string FillIn(std::string_view words, std::size_t count,
                   const std::function<std::string(std::size_t)>& argument) {
  std::string text;
  text.reserve(words.size());
  for (std::size_t i = 0; i < words.size(); ++i) {
    const char next = i + 1 < words.size() ? words[i + 1] : '\0';
    const auto number = static_cast<std::size_t>(next - '1');
    if (words[i] == '%' && next >= '1' && next <= '9' && number < count) {
      text += argument(number);
      ++i;
    } else {
      text += words[i];
    }
  }
  return text;
}

std::string TMessage::Text() const {
  return FillIn(FWords, FArguments.size(),
                [this](std::size_t number) { return FArguments[number].Text(); });
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
