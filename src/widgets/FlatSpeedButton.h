// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QPixmap;

namespace flightdeck {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Where glyph and caption stand in a button's content rectangle of `size`.
struct TButtonPlacement {
  QPoint GlyphPos;
  QRect TextRect;
};
TButtonPlacement PlaceGlyphAndCaption(QSize content, QSize glyph, QSize text, TButtonLayout layout,
                                      int margin, int spacing);

// A flat tool-bar button: no frame at rest, a thin raised one while the pointer is over it, a
// sunken one while it is pressed or stuck down. Buttons with the same GroupIndex under one
// parent act as radio buttons. It shows a glyph (a strip of one to four images: up, disabled,
// pressed, stuck down) and an optional caption.
class TFlatSpeedButton : public QWidget {
  Q_OBJECT

public:
  enum TState { bsUp, bsDisabled, bsDown, bsExclusive }; // up, disabled, pressed, stuck down

  explicit TFlatSpeedButton(QWidget* parent = nullptr);
  ~TFlatSpeedButton() override;

  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value);
  bool Down() const { return FDown; }
  void SetDown(bool value);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& value);
  const QImage& Glyph() const { return FGlyph; }
  void SetGlyph(const QImage& value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout value);
  int Margin() const { return FMargin; }
  void SetMargin(int value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int value);

  TState State() const { return FState; }
  // Presses the button as a click, the keyboard or assistive technology do: a group's button
  // goes down and stays.
  void Click();
  bool Hot() const { return FHot; }

  std::function<void()> OnClick, OnDblClick, OnMouseEnter, OnMouseLeave;
  std::function<void(QMouseEvent*)> OnMouseDown, OnMouseMove, OnMouseUp;

  QSize sizeHint() const override { return {25, 25}; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

private:
  void TellGroup();
  void GroupNotice(const TFlatSpeedButton& sender);
  void SetState(TState state);
  bool IsInside(const QPoint& at) const;
  QImage GlyphImage(TState state) const;

  bool FAllowAllUp = false;
  int FGroupIndex = 0;
  bool FDown = false;
  QString FCaption;
  QImage FGlyph;
  int FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  TState FState = bsUp;
  bool FHot = false;
  bool FTracking = false;
  int FShortcutId = 0;
  std::shared_ptr<QPixmap> FPattern; // the checker shared by all buttons, while any needs it
};

} // namespace flightdeck
