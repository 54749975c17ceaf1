#pragma once

#include <string>
#include <string_view>

namespace flightdeck {

// Host paths as the Win32 wide-character API takes and gives them: the program's Windows-1252
// text through our own codec, "/" and "\\" as the separators of each side.
std::wstring WideHostPath(const std::string& hostPath);
std::string NarrowHostPath(std::wstring_view widePath);

} // namespace flightdeck
