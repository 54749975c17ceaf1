// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Translatable.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace flightdeck {

// A message for the user: its English words, where "%1" to "%9" stand for its arguments, which
// are messages in turn (a name, a number, a reason). The words are the message's id: the window
// shows them in the user's language (the core marks them TRANSLATABLE("Message", ...)), the
// command line as they are. A message made from a text alone (a name, the system's words) is
// shown as it is, never translated.
class TMessage {
public:
  TMessage() = default;
  TMessage(std::string text) : FWords(std::move(text)) {} // NOLINT: a text is a message
  TMessage(const char* text) : FWords(text) {}            // NOLINT: a text is a message
  TMessage(const char* words, std::vector<TMessage> arguments)
      : FWords(words), FArguments(std::move(arguments)), FTranslatable(true) {}
  // Words of the core's own with no arguments: "There is nothing to undo."
  static TMessage Own(const char* words) { return {words, {}}; }

  const std::string& Words() const { return FWords; }
  const std::vector<TMessage>& Arguments() const { return FArguments; }
  bool Translatable() const { return FTranslatable; }
  bool Empty() const { return FWords.empty(); }
  // The words with the arguments in their places, each put in once.
  std::string Text() const;

  bool operator==(const TMessage&) const = default;

private:
  std::string FWords;
  std::vector<TMessage> FArguments;
  bool FTranslatable = false;
};

// `words` with "%1" to "%9" replaced by the texts `argument` gives for the numbers 0 to 8, each
// put in once: an argument that holds "%2" stays as it is. A number without an argument stays.
std::string FillIn(std::string_view words, std::size_t count,
                   const std::function<std::string(std::size_t)>& argument);

// "a, b, c": the messages one after the other.
TMessage ListOf(const std::vector<TMessage>& items);

// An error told by a message, which the window shows in the user's language; what() is its
// English text.
class EMessageError : public std::runtime_error {
public:
  explicit EMessageError(TMessage message)
      : std::runtime_error(message.Text()), FMessage(std::move(message)) {}
  const TMessage& Message() const { return FMessage; }

private:
  TMessage FMessage;
};

} // namespace flightdeck
