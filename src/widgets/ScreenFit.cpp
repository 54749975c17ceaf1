// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ScreenFit.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace flightdeck {

void FitOnScreen(QWidget& window) {
  const QWidget* anchor = window.parentWidget() ? window.parentWidget()->window() : &window;
  const QScreen* screen = anchor->screen();
  if (!screen)
    return;
  // Before a window is first shown its frame is not known: room for a usual title bar.
  const QRect area = screen->availableGeometry().marginsRemoved(QMargins(4, 30, 4, 4));
  if (window.minimumSizeHint().width() > area.width()) {
    // Too wide for the screen: its texts break into lines, and its lists of choices take the
    // width they are given rather than that of their longest choice.
    for (QLabel* label : window.findChildren<QLabel*>())
      label->setWordWrap(true);
    for (QComboBox* choices : window.findChildren<QComboBox*>())
      choices->setMinimumWidth(12 * choices->fontMetrics().averageCharWidth());
  }
  if (window.layout())
    window.layout()->activate();
  const QSize size = window.size().boundedTo(area.size()).expandedTo(window.minimumSize());
  if (size != window.size())
    window.resize(size);
  window.move(
      std::clamp(window.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())),
      std::clamp(window.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
}

} // namespace flightdeck
