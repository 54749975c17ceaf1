// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FlatSpeedButton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

using namespace flightdeck;

namespace {

const QRgb Face = qRgb(192, 192, 192), Light = qRgb(255, 255, 255), Midlight = qRgb(223, 223, 223),
           Dark = qRgb(128, 128, 128), Shadow = qRgb(0, 0, 0);

QPalette ClassicPalette() {
  QPalette palette;
  palette.setColor(QPalette::Button, Face);
  palette.setColor(QPalette::Light, Light);
  palette.setColor(QPalette::Midlight, Midlight);
  palette.setColor(QPalette::Dark, Dark);
  palette.setColor(QPalette::Shadow, Shadow);
  palette.setColor(QPalette::ButtonText, Qt::black);
  return palette;
}

QImage Render(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  image.fill(Qt::magenta);
  widget.render(&image);
  return image;
}

// A 16 x 16 glyph: a black square (4..11) on a magenta ground.
QImage SquareGlyph() {
  QImage glyph(16, 16, QImage::Format_RGB32);
  glyph.fill(qRgb(255, 0, 255));
  for (int y = 4; y < 12; ++y)
    for (int x = 4; x < 12; ++x)
      glyph.setPixel(x, y, qRgb(0, 0, 0));
  return glyph;
}

void Move(QWidget& widget, QPoint at) {
  QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&widget, &move);
}

} // namespace

class TFlatSpeedButtonTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QWidget> FParent;
  TFlatSpeedButton* NewButton() {
    auto* button = new TFlatSpeedButton(FParent.get());
    button->setPalette(ClassicPalette());
    button->resize(25, 25);
    return button;
  }

private Q_SLOTS:
  void init() { FParent = std::make_unique<QWidget>(); }
  void cleanup() { FParent.reset(); }

  void facesAtRestHotPressedAndStuckDown() {
    TFlatSpeedButton& button = *NewButton();
    QImage face = Render(button);
    QCOMPARE(face.pixel(0, 0), Face);
    QCOMPARE(face.pixel(24, 24), Face);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    QVERIFY(button.Hot());
    face = Render(button);
    QCOMPARE(face.pixel(24, 12), Shadow); // outer raised edge, bottom and right
    QCOMPARE(face.pixel(12, 24), Shadow);
    QCOMPARE(face.pixel(0, 12), Light); // inner raised edge, top and left
    QCOMPARE(face.pixel(12, 0), Light);
    QCOMPARE(face.pixel(23, 12), Dark); // inner raised edge, bottom and right
    QCOMPARE(face.pixel(12, 23), Dark);
    QCOMPARE(face.pixel(12, 12), Face);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(12, 12));
    QCOMPARE(button.State(), TFlatSpeedButton::bsDown);
    face = Render(button);
    QCOMPARE(face.pixel(0, 12), Shadow); // inner sunken edge, top and left
    QCOMPARE(face.pixel(24, 12), Light); // outer sunken edge, bottom and right
    QCOMPARE(face.pixel(1, 12), Dark);   // outer sunken edge inside, top and left
    QCOMPARE(face.pixel(12, 12), Face);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(12, 12));

    button.SetGroupIndex(1);
    button.SetDown(true);
    QCOMPARE(button.State(), TFlatSpeedButton::bsExclusive);
    face = Render(button);
    QCOMPARE(face.pixel(0, 12), Shadow);
    QCOMPARE(face.pixel(1, 12), Dark);
    // The checker: white where x and y have the same parity, within the shifted content.
    QCOMPARE(face.pixel(4, 4), Light);
    QCOMPARE(face.pixel(4, 5), Face);
    QCOMPARE(face.pixel(22, 22), Light);
    QCOMPARE(face.pixel(23, 23), Face); // the content less its last row and column
  }

  void disabledGlyphAndCaptionAreEmbossed() {
    TFlatSpeedButton& button = *NewButton();
    button.SetGlyph(SquareGlyph());
    QImage face = Render(button);
    QCOMPARE(face.pixel(10, 10), Shadow); // the glyph at (4, 4), its transparent ground the face
    QCOMPARE(face.pixel(6, 6), Face);
    button.setEnabled(false);
    face = Render(button);
    QCOMPARE(button.State(), TFlatSpeedButton::bsDisabled);
    QCOMPARE(face.pixel(10, 10), Dark);  // shaded in place
    QCOMPARE(face.pixel(16, 16), Light); // lit one pixel right and down
    QCOMPARE(face.pixel(6, 6), Face);

    TFlatSpeedButton& text = *NewButton();
    text.resize(65, 25);
    text.SetCaption(QStringLiteral("Next"));
    text.setEnabled(false);
    const QImage caption = Render(text);
    bool grey = false, white = false, black = false;
    for (int y = 0; y < caption.height(); ++y)
      for (int x = 0; x < caption.width(); ++x) {
        grey = grey || caption.pixel(x, y) == qRgb(128, 128, 128);
        white = white || caption.pixel(x, y) == qRgb(255, 255, 255);
        black = black || caption.pixel(x, y) == qRgb(0, 0, 0);
      }
    QVERIFY(grey && white && !black);
  }

  void glyphAndCaptionPlacement() {
    const QSize glyph(16, 16), text(20, 10);
    const auto at = [&](QSize content, TButtonLayout layout, int margin, int spacing,
                        QSize caption) {
      const TButtonPlacement placement =
          PlaceGlyphAndCaption(content, glyph, caption, layout, margin, spacing);
      return std::pair{placement.GlyphPos, placement.TextRect.topLeft()};
    };
    QCOMPARE(at({60, 20}, blGlyphLeft, -1, 4, text), std::pair(QPoint(10, 2), QPoint(30, 5)));
    QCOMPARE(at({60, 20}, blGlyphRight, -1, 4, text), std::pair(QPoint(34, 2), QPoint(10, 5)));
    QCOMPARE(at({60, 20}, blGlyphLeft, -1, -1, text), std::pair(QPoint(8, 2), QPoint(32, 5)));
    QCOMPARE(at({60, 20}, blGlyphLeft, 2, -1, text), std::pair(QPoint(2, 2), QPoint(29, 5)));
    QCOMPARE(at({60, 20}, blGlyphRight, 3, 5, text), std::pair(QPoint(41, 2), QPoint(16, 5)));
    QCOMPARE(at({30, 60}, blGlyphTop, -1, 4, text), std::pair(QPoint(7, 15), QPoint(5, 35)));
    QCOMPARE(at({30, 60}, blGlyphBottom, -1, 4, text), std::pair(QPoint(7, 29), QPoint(5, 15)));
    QCOMPARE(at({30, 60}, blGlyphTop, 0, -1, text), std::pair(QPoint(7, 0), QPoint(5, 33)));
    QCOMPARE(at({60, 20}, blGlyphLeft, -1, 4, QSize()).first,
             QPoint(22, 2));                                         // no caption: no spacing
    QCOMPARE(at({10, 20}, blGlyphLeft, -1, 4, text).first.x(), -14); // truncated toward zero
  }

  void groupsBehaveLikeRadioButtons() {
    TFlatSpeedButton* buttons[] = {NewButton(), NewButton(), NewButton()};
    int clicks = 0;
    for (TFlatSpeedButton* button : buttons) {
      button->SetGroupIndex(1);
      button->OnClick = [&] { ++clicks; };
    }
    buttons[0]->SetDown(true);
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    QVERIFY(buttons[1]->Down() && !buttons[0]->Down() && !buttons[2]->Down());
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    QVERIFY(buttons[1]->Down());
    QCOMPARE(buttons[1]->State(), TFlatSpeedButton::bsExclusive);
    QCOMPARE(clicks, 2);

    buttons[0]->SetAllowAllUp(true); // the group takes it over
    QVERIFY(buttons[1]->AllowAllUp());
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    QVERIFY(!buttons[0]->Down() && !buttons[1]->Down() && !buttons[2]->Down());

    TFlatSpeedButton& alone = *NewButton();
    alone.SetDown(true);
    QVERIFY(!alone.Down());
  }

  void draggingOutsideDoesNotClickAndDoubleClicksNeedDown() {
    TFlatSpeedButton& button = *NewButton();
    int clicks = 0, doubles = 0;
    button.OnClick = [&] { ++clicks; };
    button.OnDblClick = [&] { ++doubles; };
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(12, 12));
    Move(button, QPoint(12, 25)); // the row below still counts as inside
    QCOMPARE(button.State(), TFlatSpeedButton::bsDown);
    Move(button, QPoint(12, 26));
    QCOMPARE(button.State(), TFlatSpeedButton::bsUp);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(12, 26));
    QCOMPARE(clicks, 0);
    QCOMPARE(button.State(), TFlatSpeedButton::bsUp);

    QTest::mouseDClick(&button, Qt::LeftButton);
    QCOMPARE(doubles, 0);
    button.SetGroupIndex(2);
    button.SetDown(true);
    QTest::mouseDClick(&button, Qt::LeftButton);
    QCOMPARE(doubles, 1);
  }

  void numberOfGlyphsFollowsTheStrip() {
    TFlatSpeedButton& button = *NewButton();
    button.SetGlyph(QImage(40, 20, QImage::Format_RGB32));
    QCOMPARE(button.NumGlyphs(), 2);
    button.SetGlyph(QImage(100, 20, QImage::Format_RGB32));
    QCOMPARE(button.NumGlyphs(), 1);
    button.SetNumGlyphs(3);
    button.SetGlyph(QImage(30, 20, QImage::Format_RGB32));
    QCOMPARE(button.NumGlyphs(), 3);
    button.SetNumGlyphs(9);
    QCOMPARE(button.NumGlyphs(), 4);
    button.SetNumGlyphs(0);
    QCOMPARE(button.NumGlyphs(), 4);
  }
};

int RunFlatSpeedButtonTest(int argc, char** argv) {
  TFlatSpeedButtonTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "FlatSpeedButtonTest.moc"
