// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/BevelPanel.h"
#include "widgets/MaskedImage.h"

#include <QTest>
#include <QVBoxLayout>

using namespace flightdeck;

namespace {

const QRgb Grey = qRgb(192, 192, 192), White = qRgb(255, 255, 255), Black = qRgb(0, 0, 0);

QImage Render(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  image.fill(Qt::magenta);
  widget.render(&image);
  return image;
}

QImage Filled(QSize size, QRgb left, QRgb right) {
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x)
      image.setPixel(x, y, x < size.width() / 2 ? left : right);
  return image;
}

} // namespace

class TBevelPanelTest : public QObject {
  Q_OBJECT

  static void Classic(TBevelPanel& panel) {
    panel.SetColor(Grey);
    panel.SetBevelHighlight(White);
    panel.SetBevelShadow(Black);
    panel.resize(20, 10);
  }

private Q_SLOTS:
  void topAndBottomOnlyDrawTwoEtchedLines() {
    TBevelPanel panel;
    Classic(panel);
    panel.SetBevelOptions(boTop | boBottom);
    panel.SetBevelOuter(bvLowered);
    panel.SetBevelInner(bvRaised);
    const QImage image = Render(panel);
    QCOMPARE(image.pixel(5, 0), Black); // outer, lowered: shaded above
    QCOMPARE(image.pixel(5, 9), White);
    QCOMPARE(image.pixel(5, 1), White); // inner, raised: lit above
    QCOMPARE(image.pixel(5, 8), Black);
    for (const QPoint side : {QPoint(0, 5), QPoint(19, 5), QPoint(1, 5), QPoint(18, 5)})
      QCOMPARE(image.pixel(side), Grey);
    QCOMPARE(image.pixel(19, 0), Grey); // the top line ends before the top-right corner
    QCOMPARE(image.pixel(0, 9), White); // the bottom line runs to the bottom-left corner
  }

  void noSidesDrawNoLinesButKeepTheirWidth() {
    TBevelPanel panel;
    Classic(panel);
    panel.SetBevelOptions(0);
    panel.SetBevelInner(bvLowered);
    panel.SetBorderWidth(2);
    int painted = 0;
    panel.OnPaint = [&](TBevelPanel&) { ++painted; };
    auto* child = new QWidget(&panel);
    auto* layout = new QVBoxLayout(&panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(child);
    panel.resize(40, 30);
    const QImage image = Render(panel);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (!child->geometry().contains(x, y))
          QCOMPARE(image.pixel(x, y), Grey);
    QCOMPARE(child->geometry(), QRect(4, 4, 32, 22)); // 1 + 2 + 1 on every side
    QVERIFY(painted > 0);
  }

  void sidesAreStoredAsBits() {
    QCOMPARE(int(boTop), 1);
    QCOMPARE(int(boRight), 2);
    QCOMPARE(int(boBottom), 4);
    QCOMPARE(int(boLeft), 8);
    TBevelPanel panel;
    QCOMPARE(panel.BevelOptions(), AllBevelSides);
    QCOMPARE(panel.BevelOuter(), bvRaised);
    QCOMPARE(panel.BevelInner(), bvNone);
    QCOMPARE(panel.BevelWidth(), 1);
    QCOMPARE(panel.BorderWidth(), 0);
  }

  void maskedImageCentresAndCombinesByAndThenOr() {
    QWidget background;
    background.resize(100, 100);
    background.setAutoFillBackground(true);
    QPalette blue;
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    background.setPalette(blue);
    auto* image = new TMaskedImage(&background);
    QCOMPARE(image->size(), QSize(100, 100));
    image->SetCenter(true);
    // Left half: red through a black mask. Right half: green, where the mask keeps the ground.
    image->SetMask(Filled({40, 30}, qRgb(0, 0, 0), qRgb(255, 255, 255)));
    image->SetPicture(Filled({40, 30}, qRgb(255, 0, 0), qRgb(0, 255, 0)));
    QCOMPARE(image->DestinationRect(), QRect(30, 35, 40, 30));
    const QImage drawn = Render(background);
    QCOMPARE(drawn.pixel(35, 40), qRgb(255, 0, 0));   // masked in: the picture alone
    QCOMPARE(drawn.pixel(65, 40), qRgb(0, 255, 255)); // kept ground, lightened by OR
    QCOMPARE(drawn.pixel(10, 10), qRgb(0, 0, 255));   // outside the picture: the ground
    QCOMPARE(drawn.pixel(29, 40), qRgb(0, 0, 255));
  }

  void autoSizeFollowsALoadedPicture() {
    TMaskedImage image;
    image.move(5, 7);
    image.SetAutoSize(true);
    image.SetPicture(QImage(64, 48, QImage::Format_RGB32));
    QCOMPARE(image.geometry(), QRect(5, 7, 64, 48));
    image.SetPicture(QImage());
    QCOMPARE(image.size(), QSize(64, 48));
  }
};

int RunBevelPanelTest(int argc, char** argv) {
  TBevelPanelTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "BevelPanelTest.moc"
