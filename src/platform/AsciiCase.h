// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace flightdeck {

// Case rules of file names and list texts: ASCII letters only, so UTF-8 names stay intact.
char LowerAscii(char c);
std::string LowerCaseAscii(std::string_view text);
bool SameTextAscii(std::string_view a, std::string_view b);

} // namespace flightdeck
