// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ToolGlyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace flightdeck {

namespace {

void DrawPage(QPainter& painter) {
  painter.setBrush(Qt::white);
  painter.drawPolygon(QPolygon({{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}}));
  painter.drawPolyline(QPolygon({{10, 1}, {10, 4}, {13, 4}}));
}

void DrawFolder(QPainter& painter) {
  painter.setBrush(QColor(0xE8, 0xC0, 0x40));
  painter.drawPolygon(QPolygon({{1, 4}, {6, 4}, {7, 5}, {14, 5}, {14, 13}, {1, 13}}));
}

void DrawArrowDown(QPainter& painter, QColor color) {
  painter.setBrush(color);
  painter.drawPolygon(QPolygon({{6, 1}, {10, 1}, {10, 6}, {13, 6}, {8, 11}, {3, 6}, {6, 6}}));
}

void Draw(QPainter& painter, TToolGlyph glyph) {
  painter.setPen(QPen(Qt::black, 1));
  switch (glyph) {
  case TToolGlyph::Folder:
    DrawFolder(painter);
    break;
  case TToolGlyph::NewMission:
    DrawPage(painter);
    painter.setPen(QPen(QColor(0x20, 0x80, 0x20), 2));
    painter.drawLine(8, 7, 8, 12);
    painter.drawLine(6, 9, 10, 9);
    break;
  case TToolGlyph::OpenMission:
    DrawFolder(painter);
    painter.setBrush(QColor(0xF8, 0xE0, 0x90));
    painter.drawPolygon(QPolygon({{3, 8}, {15, 8}, {13, 13}, {1, 13}}));
    break;
  case TToolGlyph::EditMission:
    DrawPage(painter);
    painter.setPen(QPen(QColor(0x20, 0x40, 0xA0), 2));
    painter.drawLine(5, 12, 11, 6);
    break;
  case TToolGlyph::InstallMission:
    painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(1, 11, 13, 3);
    DrawArrowDown(painter, QColor(0x20, 0x80, 0x20));
    break;
  case TToolGlyph::InstallPack:
    painter.setBrush(QColor(0xB0, 0x80, 0x40));
    painter.drawRect(1, 8, 13, 6);
    painter.drawLine(1, 10, 14, 10);
    DrawArrowDown(painter, QColor(0x20, 0x80, 0x20));
    break;
  case TToolGlyph::Neutral:
    painter.setBrush(QColor(0x90, 0x90, 0x90));
    painter.drawEllipse(2, 2, 11, 11);
    painter.drawLine(2, 7, 13, 7);
    break;
  case TToolGlyph::Rebel:
    painter.setBrush(QColor(0xC0, 0x30, 0x20));
    painter.drawPolygon(QPolygon(
        {{7, 1}, {9, 6}, {14, 6}, {10, 9}, {12, 14}, {7, 11}, {2, 14}, {4, 9}, {0, 6}, {5, 6}}));
    break;
  case TToolGlyph::Imperial:
    painter.setBrush(QColor(0x30, 0x40, 0x90));
    painter.drawEllipse(1, 1, 13, 13);
    painter.setBrush(Qt::white);
    painter.drawEllipse(5, 5, 5, 5);
    break;
  }
}

} // namespace

QImage ToolGlyph(TToolGlyph glyph) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(QColor(255, 0, 255));
  QPainter painter(&image);
  Draw(painter, glyph);
  return image;
}

} // namespace flightdeck
