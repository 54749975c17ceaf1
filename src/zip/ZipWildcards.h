// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace flightdeck {

// Matches a file specification the way zip tools do: "*" and "?" are wildcards (they also
// match "/"), "[abc]" a set; letters match without regard to ASCII case.
bool WildcardMatch(std::string_view pattern, std::string_view name);

} // namespace flightdeck
