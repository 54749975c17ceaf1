// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace flightdeck {

// The window's classic font, 8 pt `family` ("Arial", "MS Sans Serif"), where that family is
// installed; elsewhere the desktop's general font at the size the user chose, so that the
// window reads as the desktop's own instead of a stand-in drawn at a fixed size.
QFont ClassicFont(const char* family);

} // namespace flightdeck
