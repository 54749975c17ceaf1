// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace flightdeck {

// The text of the program's own records (the history's, and what a command keeps with its
// entry): lines of texts, each ended by "\n", sealed by a last line "digest DIGEST" of the lines
// before it, so that a record cut short anywhere, or changed, is told from a whole one.

// A text as a record keeps it on its line: control characters and "%" written as %XX.
std::string RecordEscaped(std::string_view text);
std::string RecordUnescaped(std::string_view text);
// A whole number of at most nine digits; none for anything else.
std::optional<int> SmallRecordNumber(std::string_view text);
// `body`, lines ended by "\n", with its seal.
std::string SealedRecord(std::string body);
// The lines of a sealed record before its seal, when the seal is theirs; none for a record cut
// short or changed.
std::optional<std::string_view> CheckedRecordBody(std::string_view text);

} // namespace flightdeck
