// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace flightdeck {

// Copies the game folder `from` (its category folders and the files directly in them) to `to`,
// which is made with the folders above it. The copy is made beside `to` and takes its name only
// when complete, so `to` is a whole game or nothing; a copy cut short is finished by the next
// call. Raises EInOutError.
void CopyGameFolder(const std::string& from, const std::string& to);

} // namespace flightdeck
