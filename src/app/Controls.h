// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ToolGlyphs.h"

#include <QFontMetrics>
#include <QKeySequence>
#include <QString>

class QAction;
class QObject;
class QWidget;

namespace flightdeck {

class TFlatSpeedButton;

// The window's controls, made alike wherever they are made.

// A command with its object name, caption, shortcut and status-line hint.
QAction* NamedAction(QObject* parent, const char* name, const QString& caption,
                     const QKeySequence& shortcut = {}, const QString& hint = {});
// A tool-bar button with a picture, its hint shown as a tooltip and on the status line.
TFlatSpeedButton* ToolButton(QWidget* parent, const char* name, const QString& hint);
TFlatSpeedButton* ToolButton(QWidget* parent, const char* name, TToolGlyph glyph,
                             const QString& hint);

// Heights that grow with the font, from those of the classic 8 pt font: a line of text in a
// box, a button with a caption.
int TextBoxHeight(const QFontMetrics& metrics);
int CaptionButtonHeight(const QFontMetrics& metrics);

} // namespace flightdeck
