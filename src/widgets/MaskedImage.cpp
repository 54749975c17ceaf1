// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/MaskedImage.h"

#include <QPainter>

namespace flightdeck {

TMaskedImage::TMaskedImage(QWidget* parent) : QWidget(parent) {
  resize(100, 100);
}

void TMaskedImage::SetPicture(const QImage& value) {
  FPicture = value;
  PictureChanged();
}

void TMaskedImage::SetAutoSize(bool value) {
  FAutoSize = value;
  PictureChanged();
}

void TMaskedImage::SetCenter(bool value) {
  if (value != FCenter) {
    FCenter = value;
    PictureChanged();
  }
}

void TMaskedImage::SetStretch(bool value) {
  if (value != FStretch) {
    FStretch = value;
    PictureChanged();
  }
}

void TMaskedImage::PictureChanged() {
  if (FAutoSize && FPicture.width() > 0 && FPicture.height() > 0)
    resize(FPicture.size());
  update();
}

QRect TMaskedImage::DestinationRect() const {
  if (FStretch)
    return rect();
  if (FCenter)
    return {(width() - FPicture.width()) / 2, (height() - FPicture.height()) / 2, FPicture.width(),
            FPicture.height()};
  return {QPoint(0, 0), FPicture.size()};
}

void TMaskedImage::paintEvent(QPaintEvent*) {
  if (FPicture.isNull())
    return;
  QPainter painter(this);
  const QRect destination = DestinationRect();
  if (!FMask.isNull()) {
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(destination, FMask.convertToFormat(QImage::Format_RGB32));
  }
  painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
  painter.drawImage(destination, FPicture.convertToFormat(QImage::Format_RGB32));
}

} // namespace flightdeck
