// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HostPath.h"

#include <string>
#include <string_view>

namespace flightdeck {

// Host paths as the Win32 wide-character API takes and gives them. The program's host paths are
// UTF-8, as on Linux; a byte that is not (a path spelt in Windows-1252 by older code) is read as
// its Windows-1252 character. "/" and "\\" are the separators of each side.
std::wstring WideHostPath(const THostPath& hostPath);
std::string NarrowHostPath(std::wstring_view widePath);

} // namespace flightdeck
