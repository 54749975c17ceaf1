// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

namespace flightdeck {

// Shows the window and its dialogs in the language of `locale` (the system's at start), where
// Flightdeck has a translation for it, and in English otherwise. Qt's own texts (those of the
// file dialog, a text field's menu) follow where the system holds Qt's translations.
void ShowInLanguage(const QLocale& locale);

} // namespace flightdeck
