// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/BevelPanel.h"

#include "widgets/StatusTextFit.h"
#include "widgets/WidgetAccessibility.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QPainter>

#include <vector>

namespace flightdeck {

namespace {

// Draws the segments of a polyline one pixel wide, each without its end point, as a Windows
// pen does; the points are inclusive pixel positions on horizontal or vertical lines.
void Polyline(QPainter& painter, const std::vector<QPoint>& points, const QColor& color) {
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    QPoint at = points[i];
    const QPoint to = points[i + 1];
    const QPoint step((to.x() > at.x()) - (to.x() < at.x()), (to.y() > at.y()) - (to.y() < at.y()));
    for (; at != to; at += step)
      painter.fillRect(at.x(), at.y(), 1, 1, color);
  }
}

// A bevel of `lines` lines inside `r`, the lit colour along top and left, the shaded one along
// right and bottom, for the sides in `sides`; `r` shrinks by the bevel's width on every side.
void FramedBevel(QPainter& painter, QRect& r, int lines, TBevelOptions sides, const QColor& lit,
                 const QColor& shaded) {
  for (int i = 0; i < lines; ++i) {
    const QPoint bottomLeft(r.left(), r.bottom()), topLeft = r.topLeft(), topRight = r.topRight();
    std::vector<QPoint> litLine;
    if (sides & boLeft)
      litLine.insert(litLine.end(), {bottomLeft, topLeft});
    if (sides & boTop) {
      if (litLine.empty())
        litLine.push_back(topLeft);
      litLine.push_back(topRight);
    }
    Polyline(painter, litLine, lit);
    std::vector<QPoint> shadedLine;
    if (sides & boRight)
      shadedLine.insert(shadedLine.end(), {topRight, r.bottomRight()});
    if (sides & boBottom) {
      if (shadedLine.empty())
        shadedLine.push_back(r.bottomRight());
      shadedLine.push_back(bottomLeft - QPoint(1, 0));
    }
    Polyline(painter, shadedLine, shaded);
    r.adjust(1, 1, -1, -1);
  }
}

} // namespace

TBevelPanel::TBevelPanel(QWidget* parent)
    : QWidget(parent), FBevelHighlight(palette().color(QPalette::Light)),
      FBevelShadow(palette().color(QPalette::Dark)), FColor(palette().color(QPalette::Button)) {
  InstallWidgetAccessibility();
  setAttribute(Qt::WA_OpaquePaintEvent);
  setContentsMargins(FrameWidth(), FrameWidth(), FrameWidth(), FrameWidth());
}

int TBevelPanel::FrameWidth() const {
  return (FBevelOuter != bvNone ? FBevelWidth : 0) + FBorderWidth +
         (FBevelInner != bvNone ? FBevelWidth : 0);
}

void TBevelPanel::Changed() {
  setContentsMargins(FrameWidth(), FrameWidth(), FrameWidth(), FrameWidth());
  update();
}

void TBevelPanel::SetBevelOptions(TBevelOptions value) {
  if (value != FBevelOptions) {
    FBevelOptions = value;
    update();
  }
}

void TBevelPanel::SetBevelHighlight(const QColor& value) {
  if (value != FBevelHighlight) {
    FBevelHighlight = value;
    update();
  }
}

void TBevelPanel::SetBevelShadow(const QColor& value) {
  if (value != FBevelShadow) {
    FBevelShadow = value;
    update();
  }
}

void TBevelPanel::SetAlignment(Qt::Alignment value) {
  FAlignment = value;
  update();
}

void TBevelPanel::SetBevelInner(TPanelBevel value) {
  FBevelInner = value;
  Changed();
}

void TBevelPanel::SetBevelOuter(TPanelBevel value) {
  FBevelOuter = value;
  Changed();
}

void TBevelPanel::SetBevelWidth(int value) {
  FBevelWidth = std::max(value, 1);
  Changed();
}

void TBevelPanel::SetBorderWidth(int value) {
  FBorderWidth = std::max(value, 0);
  Changed();
}

void TBevelPanel::SetColor(const QColor& value) {
  FColor = value;
  update();
}

void TBevelPanel::SetCaption(const QString& value) {
  if (value == FCaption)
    return;
  FCaption = value;
  update();
  // A status panel's new text is read out, as a status bar's message is.
  QAccessibleEvent changed(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

void TBevelPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QRect r = rect();
  painter.fillRect(r, FColor);
  // Qt's right and bottom are the last pixels, where the bevel's lines go.
  const auto bevel = [&](TPanelBevel kind) {
    if (kind == bvNone)
      return;
    const bool lowered = kind == bvLowered;
    FramedBevel(painter, r, FBevelWidth, FBevelOptions, lowered ? FBevelShadow : FBevelHighlight,
                lowered ? FBevelHighlight : FBevelShadow);
  };
  bevel(FBevelOuter);
  FramedBevel(painter, r, FBorderWidth, FBevelOptions, FColor, FColor);
  bevel(FBevelInner);
  if (!FCaption.isEmpty()) {
    const int h = fontMetrics().height();
    r.setTop((r.top() + r.bottom() + 1 - h) / 2);
    r.setHeight(h);
    painter.setPen(palette().color(QPalette::WindowText));
    // A caption too long for the panel ends in "..."; the whole of it is the tooltip.
    const QFontMetrics metrics = fontMetrics();
    const QString shown = FitStatusText(
        FCaption, r.width() - 2,
        [&](const QString& text) { return metrics.horizontalAdvance(text); },
        [](const QString&) { return false; }, QLatin1Char('/'));
    setToolTip(shown == FCaption ? QString() : FCaption);
    painter.drawText(r, static_cast<int>(FAlignment | Qt::AlignVCenter | Qt::TextExpandTabs),
                     shown);
  }
  painter.end();
  if (OnPaint)
    OnPaint(*this);
}

void TBevelPanel::enterEvent(QEnterEvent* event) {
  if (OnMouseEnter)
    OnMouseEnter(*this, childAt(event->position().toPoint()));
  QWidget::enterEvent(event);
}

void TBevelPanel::leaveEvent(QEvent* event) {
  if (OnMouseExit)
    OnMouseExit(*this, nullptr);
  QWidget::leaveEvent(event);
}

} // namespace flightdeck
