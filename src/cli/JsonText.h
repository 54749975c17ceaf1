// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace flightdeck {

// A JSON string literal, quotes included, of Windows-1252 text.
std::string JsonString(std::string_view windows1252Text);
// The same of text that should be UTF-8, such as a host path: a byte that is not valid UTF-8 is
// written as its Windows-1252 character, so that the output is valid UTF-8 whatever the path.
std::string JsonStringUtf8(std::string_view utf8Text);

} // namespace flightdeck
