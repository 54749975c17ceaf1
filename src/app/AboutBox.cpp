// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutBox.h"

#include "app/Application.h"
#include "platform/HostFiles.h"
#include "platform/ProgramPlaces.h"
#include "widgets/MaskedImage.h"
#include "widgets/PathText.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QUrl>

#include <functional>

namespace flightdeck {

namespace {

// Everything the box says about us, in one place.
const char* const Version = "v1.0";
const char* const Publisher = QT_TRANSLATE_NOOP("flightdeck::TixoAboutBox", "The Flightdeck team");
const char* const Description =
    QT_TRANSLATE_NOOP("flightdeck::TixoAboutBox",
                      "Mission catalogue editor and pack installer for X-wing vs. TIE Fighter");
const char* const Copyright =
    QT_TRANSLATE_NOOP("flightdeck::TixoAboutBox", "Copyright \u00a9 2026 The Flightdeck team");
const char* const ReadmeText =
    QT_TRANSLATE_NOOP("flightdeck::TixoAboutBox", "How to use Flightdeck (README)");
const char* const DemoGameText =
    QT_TRANSLATE_NOOP("flightdeck::TixoAboutBox", "The demo game to try it on");

// The first of `candidates` (relative to the program's folder, or absolute) that exists: the
// README and the demo game lie under share/ when installed on Linux, beside the program on
// Windows, and in the source tree of a build.
QString Beside(std::initializer_list<const char*> candidates) {
  const QDir program(QCoreApplication::applicationDirPath());
  for (const char* candidate : candidates) {
    const QFileInfo found(program.filePath(QString::fromUtf8(candidate)));
    if (found.exists())
      return found.canonicalFilePath();
  }
  return {};
}

constexpr int LogoSize = 64;

// The emblem's shape: a ring with a wing across it.
QPainterPath LogoShape() {
  QPainterPath shape;
  shape.addEllipse(QRectF(4, 4, 56, 56));
  shape.addEllipse(QRectF(14, 14, 36, 36));
  QPainterPath wing;
  wing.addPolygon(QPolygonF({QPointF(2, 36), QPointF(32, 20), QPointF(62, 36), QPointF(32, 30)}));
  return shape.united(wing);
}

// The picture is black wherever the background is to show through; the mask black where the
// picture is to appear.
QImage LogoPicture() {
  QImage picture(LogoSize, LogoSize, QImage::Format_RGB32);
  picture.fill(Qt::black);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QLinearGradient steel(0, 0, LogoSize, LogoSize);
  steel.setColorAt(0, QColor(0xC8, 0xD4, 0xE0));
  steel.setColorAt(1, QColor(0x40, 0x58, 0x80));
  painter.fillPath(LogoShape(), steel);
  return picture;
}

QImage LogoMask() {
  QImage mask(LogoSize, LogoSize, QImage::Format_RGB32);
  mask.fill(Qt::white);
  QPainter painter(&mask);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillPath(LogoShape(), Qt::black);
  return mask;
}

// A link to a local file or folder, which `follow` takes; a plain text when there is none to
// link to.
QLabel* LinkLabel(const QString& path, const char* text, QWidget* parent,
                  const std::function<void(const QString&)>& follow) {
  if (path.isEmpty())
    return new QLabel(TixoAboutBox::tr(text), parent);
  auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>")
                               .arg(QUrl::fromLocalFile(path).toString(), TixoAboutBox::tr(text)),
                           parent);
  label->setCursor(Qt::PointingHandCursor);
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  QObject::connect(label, &QLabel::linkActivated, label, follow);
  return label;
}

} // namespace

TixoAboutBox::TixoAboutBox(const QString& demoGame, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ixoAboutBox"));
  setWindowTitle(tr("About %1").arg(ApplicationTitle));
  auto* logo = new TMaskedImage(this);
  logo->setObjectName(QStringLiteral("Logo"));
  logo->SetMask(LogoMask());
  logo->SetAutoSize(true);
  logo->SetPicture(LogoPicture());
  logo->setFixedSize(LogoSize, LogoSize);

  auto* product = new QLabel(ApplicationTitle, this);
  product->setObjectName(QStringLiteral("ProductName"));
  QFont large = product->font();
  large.setPointSize(large.pointSize() + 6);
  large.setBold(true);
  product->setFont(large);
  auto* version = new QLabel(QString::fromUtf8(Version), this);
  version->setObjectName(QStringLiteral("Version"));
  auto* close = new QPushButton(tr("OK"), this);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QGridLayout(this);
  layout->addWidget(logo, 0, 0, 3, 1, Qt::AlignTop);
  layout->addWidget(product, 0, 1);
  layout->addWidget(version, 1, 1);
  layout->addWidget(new QLabel(tr(Description), this), 2, 1);
  layout->addWidget(new QLabel(tr(Publisher), this), 3, 1);
  layout->addWidget(new QLabel(tr(Copyright), this), 4, 1);
  layout->addWidget(LinkLabel(ReadmePath(), ReadmeText, this,
                              [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); }),
                    5, 1);
  // The demo game opens in the window.
  layout->addWidget(LinkLabel(demoGame, DemoGameText, this,
                              [this](const QString&) {
                                FDemoGameChosen = true;
                                accept();
                              }),
                    6, 1);
  layout->addWidget(close, 7, 1, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString DemoGamePath() {
  return Beside(
      {"../share/flightdeck/demo-game", "demo-game", FLIGHTDECK_SOURCE_TREE "/examples/demo-game"});
}

QString DemoGameCopyPath(const QString& demoGame) {
  if (demoGame.isEmpty() ||
      (!IsInstalledProgramFolder(ProgramPath(QCoreApplication::applicationDirPath())) &&
       IsHostFolderWritable(ProgramPath(demoGame))))
    return {};
  return PathText(HostDataFolder() / "demo-game");
}

QString ReadmePath() {
  return Beside(
      {"../share/doc/flightdeck/README.md", "README.md", FLIGHTDECK_SOURCE_TREE "/README.md"});
}

} // namespace flightdeck
