// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace flightdeck {

enum TBevelSide : std::uint8_t {
  boTop = 1 << 0,
  boRight = 1 << 1,
  boBottom = 1 << 2,
  boLeft = 1 << 3
};
using TBevelOptions = std::uint8_t; // a set of TBevelSide
inline constexpr TBevelOptions AllBevelSides = boTop | boRight | boBottom | boLeft;

enum TPanelBevel { bvNone, bvLowered, bvRaised };

// A panel with an outer and an inner bevel and a border between them, any side of which may
// be left out (the bevels still take their width there), an optional caption, and notices when
// the pointer enters or leaves. Children are laid out inside the bevels.
class TBevelPanel : public QWidget {
  Q_OBJECT

public:
  explicit TBevelPanel(QWidget* parent = nullptr);

  TBevelOptions BevelOptions() const { return FBevelOptions; }
  void SetBevelOptions(TBevelOptions value);
  QColor BevelHighlight() const { return FBevelHighlight; }
  void SetBevelHighlight(const QColor& value);
  QColor BevelShadow() const { return FBevelShadow; }
  void SetBevelShadow(const QColor& value);

  Qt::Alignment Alignment() const { return FAlignment; }
  void SetAlignment(Qt::Alignment value);
  TPanelBevel BevelInner() const { return FBevelInner; }
  void SetBevelInner(TPanelBevel value);
  TPanelBevel BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TPanelBevel value);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int value);
  QColor Color() const { return FColor; }
  void SetColor(const QColor& value);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& value);
  bool Locked = false;

  std::function<void(TBevelPanel&, QWidget*control)> OnMouseEnter, OnMouseExit;
  std::function<void(TBevelPanel&)> OnPaint;

protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

private:
  // The space the bevels and the border take on every side.
  int FrameWidth() const;
  void Changed();

  TBevelOptions FBevelOptions = AllBevelSides;
  QColor FBevelHighlight;
  QColor FBevelShadow;
  Qt::Alignment FAlignment = Qt::AlignHCenter;
  TPanelBevel FBevelInner = bvNone;
  TPanelBevel FBevelOuter = bvRaised;
  int FBevelWidth = 1;
  int FBorderWidth = 0;
  QColor FColor;
  QString FCaption;
};

} // namespace flightdeck
