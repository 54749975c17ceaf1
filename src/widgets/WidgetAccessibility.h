// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace flightdeck {

// Tells assistive technology (screen readers) what our own controls are, which paint their own
// text: a flat button as a button named by its caption or hint, pressed by its action, and
// showing whether it is down; a bevel panel with a caption as status text that reads its
// caption, and one without as a pane. Safe to call any number of times.
void InstallWidgetAccessibility();

} // namespace flightdeck
