// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace flightdeck {

// A picture drawn through a black-and-white mask: the mask is combined with what lies behind
// the control by AND (black where the picture goes), then the picture by OR (black where the
// background stays). The control is not opaque and paints no background of its own.
class TMaskedImage : public QWidget {
  Q_OBJECT

public:
  explicit TMaskedImage(QWidget* parent = nullptr);

  const QImage& Picture() const { return FPicture; }
  void SetPicture(const QImage& value);
  const QImage& Mask() const { return FMask; }
  void SetMask(const QImage& value) { FMask = value; } // shows at the next repaint
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  bool Center() const { return FCenter; }
  void SetCenter(bool value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool value);

  // Where the picture is drawn.
  QRect DestinationRect() const;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  void PictureChanged();

  QImage FPicture;
  QImage FMask;
  bool FAutoSize = false;
  bool FCenter = false;
  bool FStretch = false;
};

} // namespace flightdeck
