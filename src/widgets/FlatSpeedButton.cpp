// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FlatSpeedButton.h"

#include "widgets/WidgetAccessibility.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QShortcutEvent>

#include <array>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

namespace flightdeck {

namespace {

constexpr int MaxGlyphs = 4;

// The colours a button is drawn in, all from the palette, so that a dark or high-contrast
// theme draws it as its own.
struct TEdgeColors {
  QColor Face, Light, Midlight, Dark, Shadow;
  QColor DisabledText;
  // On a light face, what is disabled is embossed, lit and shaded, as on the classic desktop; on
  // a dark one, a light emboss would stand out as a frame, so it is drawn flat in the disabled
  // text colour.
  bool Embossed() const { return Face.lightness() >= 128; }
};

TEdgeColors EdgeColors(const QPalette& palette) {
  // The face is that of an enabled button in every state, as the panel around it is: a theme
  // whose disabled buttons are of another colour would set them off in boxes.
  return {palette.color(QPalette::Active, QPalette::Button),
          palette.color(QPalette::Light),
          palette.color(QPalette::Midlight),
          palette.color(QPalette::Dark),
          palette.color(QPalette::Shadow),
          palette.color(QPalette::Disabled, QPalette::ButtonText)};
}

// The sides of a rectangle (right and bottom exclusive) in one colour each.
void TopLeftEdge(QPainter& painter, const QRect& r, const QColor& color) {
  painter.fillRect(r.left(), r.top(), r.width(), 1, color);
  painter.fillRect(r.left(), r.top(), 1, r.height(), color);
}
void BottomRightEdge(QPainter& painter, const QRect& r, const QColor& color) {
  painter.fillRect(r.left(), r.bottom(), r.width(), 1, color);
  painter.fillRect(r.right(), r.top(), 1, r.height(), color);
}

// The 8 x 8 checker of a stuck-down button: the light colour (white on the classic desktop)
// where x and y have the same parity, the face elsewhere. Shared by the buttons of one palette.
std::shared_ptr<QPixmap> SharedPattern(const QColor& light, const QColor& face) {
  static std::weak_ptr<QPixmap> shared;
  static std::array<QRgb, 2> sharedColors;
  const std::array<QRgb, 2> colors = {light.rgb(), face.rgb()};
  if (auto pattern = shared.lock(); pattern && sharedColors == colors)
    return pattern;
  QImage image(8, 8, QImage::Format_RGB32);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      image.setPixel(x, y, colors[static_cast<std::size_t>((x + y) % 2)]);
  auto pattern = std::make_shared<QPixmap>(QPixmap::fromImage(image));
  shared = pattern;
  sharedColors = colors;
  return pattern;
}

// Images made from glyphs, shared by every button showing the same glyph in the same colours.
using TGlyphKey = std::tuple<qint64, int, int, QRgb, QRgb, QRgb, QRgb>;
std::map<TGlyphKey, QImage>& GlyphCache() {
  static std::map<TGlyphKey, QImage> cache;
  return cache;
}

bool IsWhite(QRgb pixel) {
  return (pixel & 0xFFFFFF) == 0xFFFFFF;
}

// `source` with each pixel as `colour` makes it.
QImage EachPixel(const QImage& source, const std::function<QRgb(QRgb)>& colour) {
  QImage image(source.size(), QImage::Format_ARGB32);
  for (int y = 0; y < source.height(); ++y)
    for (int x = 0; x < source.width(); ++x)
      image.setPixel(x, y, colour(source.pixel(x, y)));
  return image;
}

// A disabled look derived from the glyph: its shape (neither `transparent` nor white) embossed
// on the face, lit one pixel right and down, shaded in place.
QImage EmbossedGlyph(const QImage& source, QRgb transparent, const TEdgeColors& colors) {
  QImage image(source.size(), QImage::Format_ARGB32);
  image.fill(colors.Face);
  const std::vector<std::pair<int, QColor>> layers =
      colors.Embossed() ? std::vector<std::pair<int, QColor>>{{1, colors.Light}, {0, colors.Dark}}
                        : std::vector<std::pair<int, QColor>>{{0, colors.DisabledText}};
  for (const auto& [offset, color] : layers)
    for (int y = 0; y + offset < source.height(); ++y)
      for (int x = 0; x + offset < source.width(); ++x)
        if (const QRgb pixel = source.pixel(x, y); pixel != transparent && !IsWhite(pixel))
          image.setPixel(x + offset, y + offset, color.rgb());
  return image;
}

QImage MakeGlyphImage(const QImage& strip, int numGlyphs, TFlatSpeedButton::TState state,
                      const TEdgeColors& colors) {
  const int width = strip.width() / numGlyphs;
  const int index = state < numGlyphs ? state : 0;
  const QImage source =
      strip.copy(index * width, 0, width, strip.height()).convertToFormat(QImage::Format_ARGB32);
  const QRgb transparent = strip.pixel(0, strip.height() - 1);
  if (state == TFlatSpeedButton::bsDisabled && numGlyphs >= 2)
    // A disabled image of its own: white lights, grey shades, the transparent colour is face.
    return EachPixel(source, [&](QRgb pixel) {
      return pixel == transparent             ? colors.Face.rgb()
             : IsWhite(pixel)                 ? colors.Light.rgb()
             : (pixel & 0xFFFFFF) == 0x808080 ? colors.Dark.rgb()
                                              : pixel;
    });
  if (state == TFlatSpeedButton::bsDisabled)
    return EmbossedGlyph(source, transparent, colors);
  // Stuck down, the pattern shows through where the glyph is transparent.
  return EachPixel(source, [&](QRgb pixel) {
    return pixel != transparent                     ? pixel
           : state == TFlatSpeedButton::bsExclusive ? qRgba(0, 0, 0, 0)
                                                    : colors.Face.rgb();
  });
}

} // namespace

TButtonPlacement PlaceGlyphAndCaption(QSize content, QSize glyph, QSize text, TButtonLayout layout,
                                      int margin, int spacing) {
  glyph = glyph.expandedTo(QSize(0, 0)); // a missing glyph or caption takes no room
  text = text.expandedTo(QSize(0, 0));
  const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  TButtonPlacement placement;
  QPoint textPos;
  if (horizontal) {
    placement.GlyphPos.setY((content.height() - glyph.height() + 1) / 2);
    textPos.setY((content.height() - text.height() + 1) / 2);
  } else {
    placement.GlyphPos.setX((content.width() - glyph.width() + 1) / 2);
    textPos.setX((content.width() - text.width() + 1) / 2);
  }
  if (text.width() == 0 || glyph.width() == 0)
    spacing = 0;
  const int size = horizontal ? content.width() : content.height();
  const int g = horizontal ? glyph.width() : glyph.height();
  const int t = horizontal ? text.width() : text.height();
  if (margin == -1 && spacing == -1) {
    margin = spacing = (size - (g + t)) / 3;
  } else if (margin == -1) {
    margin = (size - (g + spacing + t) + 1) / 2;
  } else if (spacing == -1) {
    spacing = (size - (margin + g) - t) / 2;
  }
  const bool glyphFirst = layout == blGlyphLeft || layout == blGlyphTop;
  const int glyphAt = glyphFirst ? margin : size - margin - g;
  const int textAt = glyphFirst ? glyphAt + g + spacing : glyphAt - spacing - t;
  if (horizontal) {
    placement.GlyphPos.setX(glyphAt);
    textPos.setX(textAt);
  } else {
    placement.GlyphPos.setY(glyphAt);
    textPos.setY(textAt);
  }
  placement.TextRect = QRect(textPos, text);
  return placement;
}

TFlatSpeedButton::TFlatSpeedButton(QWidget* parent) : QWidget(parent) {
  InstallWidgetAccessibility();
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_Hover);
  resize(25, 25);
}

TFlatSpeedButton::~TFlatSpeedButton() = default;

void TFlatSpeedButton::SetAllowAllUp(bool value) {
  if (value == FAllowAllUp)
    return;
  FAllowAllUp = value;
  TellGroup();
}

void TFlatSpeedButton::SetGroupIndex(int value) {
  if (value == FGroupIndex)
    return;
  FGroupIndex = value;
  TellGroup();
}

void TFlatSpeedButton::SetDown(bool value) {
  if (FGroupIndex == 0)
    value = false;
  if (value == FDown || (FDown && !FAllowAllUp))
    return;
  FDown = value;
  SetState(value ? bsExclusive : bsUp);
  if (value)
    TellGroup();
}

void TFlatSpeedButton::SetCaption(const QString& value) {
  if (value == FCaption)
    return;
  FCaption = value;
  if (FShortcutId != 0)
    releaseShortcut(FShortcutId);
  const QKeySequence accelerator = QKeySequence::mnemonic(value);
  FShortcutId = accelerator.isEmpty() ? 0 : grabShortcut(accelerator);
  update();
}

void TFlatSpeedButton::SetGlyph(const QImage& value) {
  FGlyph = value;
  if (value.height() > 0 && value.width() % value.height() == 0) {
    const int count = value.width() / value.height();
    FNumGlyphs = count <= MaxGlyphs ? count : 1;
  }
  update();
}

void TFlatSpeedButton::SetNumGlyphs(int value) {
  value = std::min(value, MaxGlyphs);
  if (value <= 0 || value == FNumGlyphs)
    return;
  FNumGlyphs = value;
  update();
}

void TFlatSpeedButton::SetLayout(TButtonLayout value) {
  if (value != FLayout) {
    FLayout = value;
    update();
  }
}

void TFlatSpeedButton::SetMargin(int value) {
  if (value >= -1 && value != FMargin) {
    FMargin = value;
    update();
  }
}

void TFlatSpeedButton::SetSpacing(int value) {
  if (value != FSpacing) {
    FSpacing = value;
    update();
  }
}

void TFlatSpeedButton::SetState(TState state) {
  if (state != FState) {
    FState = state;
    repaint();
  }
}

void TFlatSpeedButton::TellGroup() {
  if (FGroupIndex == 0 || !parentWidget())
    return;
  for (auto* other :
       parentWidget()->findChildren<TFlatSpeedButton*>(QString(), Qt::FindDirectChildrenOnly))
    if (other != this && other->FGroupIndex == FGroupIndex)
      other->GroupNotice(*this);
}

void TFlatSpeedButton::GroupNotice(const TFlatSpeedButton& sender) {
  if (sender.FDown && FDown) {
    FDown = false;
    FState = bsUp;
    FHot = false;
    update();
  }
  FAllowAllUp = sender.FAllowAllUp;
}

bool TFlatSpeedButton::IsInside(const QPoint& at) const {
  // The row just below the button still counts, as it always has for these buttons.
  return at.x() >= 0 && at.x() < width() && at.y() >= 0 && at.y() <= height();
}

void TFlatSpeedButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && isEnabled()) {
    if (!FDown)
      SetState(bsDown);
    FTracking = true;
  }
  if (OnMouseDown)
    OnMouseDown(event);
}

void TFlatSpeedButton::mouseMoveEvent(QMouseEvent* event) {
  if (FTracking) {
    const bool inside = IsInside(event->position().toPoint());
    SetState(FDown ? bsExclusive : inside ? bsDown : bsUp);
  }
  if (OnMouseMove)
    OnMouseMove(event);
}

void TFlatSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && FTracking) {
    FTracking = false;
    const bool inside = IsInside(event->position().toPoint());
    FState = bsUp;
    if (FGroupIndex != 0 && inside) {
      SetDown(!FDown);
      if (FDown)
        FState = bsExclusive; // a button that may not be released stays stuck down
    } else if (FDown) {
      FState = bsExclusive;
    }
    repaint();
    if (inside && OnClick)
      OnClick();
  }
  if (OnMouseUp)
    OnMouseUp(event);
}

void TFlatSpeedButton::keyPressEvent(QKeyEvent* event) {
  // Space or Enter press the button as a click does: a group's button goes down and stays.
  const int key = event->key();
  if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
    QWidget::keyPressEvent(event);
    return;
  }
  Click();
}

void TFlatSpeedButton::Click() {
  if (FGroupIndex != 0 && !FDown)
    SetDown(true);
  repaint();
  if (OnClick)
    OnClick();
}

void TFlatSpeedButton::focusInEvent(QFocusEvent* event) {
  FHot = true; // the focused button shows itself raised, as under the mouse
  update();
  QWidget::focusInEvent(event);
}

void TFlatSpeedButton::focusOutEvent(QFocusEvent* event) {
  FHot = underMouse();
  update();
  QWidget::focusOutEvent(event);
}

void TFlatSpeedButton::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && FDown && OnDblClick)
    OnDblClick();
}

void TFlatSpeedButton::enterEvent(QEnterEvent* event) {
  FHot = true;
  update();
  if (OnMouseEnter)
    OnMouseEnter();
  QWidget::enterEvent(event);
}

void TFlatSpeedButton::leaveEvent(QEvent* event) {
  FHot = false;
  update();
  if (OnMouseLeave)
    OnMouseLeave();
  QWidget::leaveEvent(event);
}

void TFlatSpeedButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange ||
      event->type() == QEvent::PaletteChange)
    update();
  QWidget::changeEvent(event);
}

bool TFlatSpeedButton::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut &&
      static_cast<QShortcutEvent*>(event)->shortcutId() == FShortcutId) {
    if (isEnabled() && OnClick)
      OnClick();
    return true;
  }
  return QWidget::event(event);
}

QImage TFlatSpeedButton::GlyphImage(TState state) const {
  const TEdgeColors colors = EdgeColors(palette());
  const TGlyphKey key{FGlyph.cacheKey(),        FNumGlyphs,         state,
                      colors.Face.rgb(),        colors.Light.rgb(), colors.Dark.rgb(),
                      colors.DisabledText.rgb()};
  auto& cache = GlyphCache();
  auto found = cache.find(key);
  if (found == cache.end())
    found = cache.emplace(key, MakeGlyphImage(FGlyph, FNumGlyphs, state, colors)).first;
  return found->second;
}

void TFlatSpeedButton::paintEvent(QPaintEvent*) {
  if (!isEnabled()) {
    FState = bsDisabled;
    FTracking = false;
  } else if (FState == bsDisabled) {
    FState = FDown ? bsExclusive : bsUp;
  }
  const TEdgeColors colors = EdgeColors(palette());
  QPainter painter(this);
  QRect r = rect();
  const bool sunken = FState == bsDown || FState == bsExclusive;
  if (sunken) {
    TopLeftEdge(painter, r, colors.Shadow);
    BottomRightEdge(painter, r, colors.Light);
    r.adjust(1, 1, -1, -1);
    painter.fillRect(r, colors.Face);
    TopLeftEdge(painter, r, colors.Dark);
  } else if (FHot && FState != bsDisabled) {
    BottomRightEdge(painter, r, colors.Shadow);
    r.adjust(0, 0, -1, -1);
    TopLeftEdge(painter, r, colors.Light);
    r.adjust(1, 1, 0, 0);
    painter.fillRect(r, colors.Face);
    BottomRightEdge(painter, r, colors.Dark);
  } else {
    painter.fillRect(r, colors.Face);
  }

  QRect content(1, 1, width() - 3, height() - 3);
  if (sunken)
    content.translate(1, 1);
  if (FState == bsExclusive) {
    FPattern = SharedPattern(colors.Light, colors.Face);
    painter.setBrushOrigin(0, 0);
    painter.fillRect(content.adjusted(0, 0, -1, -1), QBrush(*FPattern));
  }
  const QSize glyphSize =
      FGlyph.isNull() ? QSize() : QSize(FGlyph.width() / FNumGlyphs, FGlyph.height());
  const int textFlags = Qt::TextShowMnemonic | Qt::TextSingleLine;
  const QSize textSize = FCaption.isEmpty() ? QSize() : fontMetrics().size(textFlags, FCaption);
  const TButtonPlacement placement =
      PlaceGlyphAndCaption(content.size(), glyphSize, textSize, FLayout, FMargin, FSpacing);
  if (!FGlyph.isNull())
    painter.drawImage(content.topLeft() + placement.GlyphPos, GlyphImage(FState));
  if (FCaption.isEmpty())
    return;
  const QRect textRect = placement.TextRect.translated(content.topLeft());
  if (FState == bsDisabled && colors.Embossed()) {
    // Embossed: lit one pixel right and down, shaded in place, crisp as such text has to be.
    QFont crisp = font();
    crisp.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(crisp);
    painter.setPen(colors.Light);
    painter.drawText(textRect.translated(1, 1), textFlags, FCaption);
    painter.setPen(colors.Dark);
    painter.drawText(textRect, textFlags, FCaption);
  } else if (FState == bsDisabled) {
    painter.setPen(colors.DisabledText);
    painter.drawText(textRect, textFlags | Qt::AlignCenter, FCaption);
  } else {
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(textRect, textFlags | Qt::AlignCenter, FCaption);
  }
}

} // namespace flightdeck
