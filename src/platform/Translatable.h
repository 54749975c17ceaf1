// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a text of the core that the window shows in the user's language: it stays English here,
// as the command line prints it, and the window looks it up by its context and English words
// (lupdate collects it as it does QT_TRANSLATE_NOOP).
#define TRANSLATABLE(context, text) text
