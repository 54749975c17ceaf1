// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace flightdeck {

// Makes the window `window`, about to be shown, fit the screen it opens on (its parent's): no
// larger than that screen's free area, as far as its layout allows, and wholly on it, so that
// its buttons can be reached on a small screen.
void FitOnScreen(QWidget& window);

} // namespace flightdeck
