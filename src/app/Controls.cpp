// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Controls.h"

#include "widgets/FlatSpeedButton.h"

#include <QAction>

#include <algorithm>

namespace flightdeck {

QAction* NamedAction(QObject* parent, const char* name, const QString& caption,
                     const QKeySequence& shortcut, const QString& hint) {
  auto* action = new QAction(caption, parent);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(shortcut);
  action->setStatusTip(hint);
  return action;
}

TFlatSpeedButton* ToolButton(QWidget* parent, const char* name, const QString& hint) {
  auto* button = new TFlatSpeedButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFixedSize(25, 25);
  button->setStatusTip(hint);
  button->setToolTip(hint);
  return button;
}

TFlatSpeedButton* ToolButton(QWidget* parent, const char* name, TToolGlyph glyph,
                             const QString& hint) {
  TFlatSpeedButton* button = ToolButton(parent, name, hint);
  button->SetGlyph(ToolGlyph(glyph));
  return button;
}

int TextBoxHeight(const QFontMetrics& metrics) {
  return std::max(17, metrics.height() + 3);
}

int CaptionButtonHeight(const QFontMetrics& metrics) {
  return std::max(25, metrics.height() + 9);
}

} // namespace flightdeck
