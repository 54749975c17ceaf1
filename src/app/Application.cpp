// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"

#include "app/CoreText.h"
#include "app/Prompts.h"
#include "platform/FreedMemory.h"
#include "platform/Message.h"
#include "widgets/PathText.h"
#include "widgets/ScreenFit.h"

#include <QDialog>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>

#include <exception>

namespace flightdeck {

TixoApplication::TixoApplication(int& argc, char** argv) : QApplication(argc, argv) {
  MapLargeBlocksApart();
  setApplicationName(QStringLiteral("flightdeck"));
  // The desktop entry's name, by which a desktop finds the window's icon and groups its windows.
  setDesktopFileName(QStringLiteral("io.github.flightdeck.Flightdeck"));
  // The sizes a window list or title bar asks for: X11 takes every size offered into one
  // property, which must stay below the server's request size.
  const QImage icon(QStringLiteral(":/icons/flightdeck-256.png"));
  QIcon sized;
  for (const int side : {16, 24, 32, 48, 64})
    sized.addPixmap(
        QPixmap::fromImage(icon.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  setWindowIcon(sized);
  // No display name: the window system would append it to every dialog's caption.
}

TixoApplication* TixoApplication::Instance() {
  return static_cast<TixoApplication*>(QCoreApplication::instance());
}

bool TixoApplication::notify(QObject* receiver, QEvent* event) {
  // Every dialog fits the screen it opens on, however small.
  if (event->type() == QEvent::Show && receiver->isWidgetType())
    if (auto* dialog = qobject_cast<QDialog*>(receiver); dialog && dialog->isWindow())
      FitOnScreen(*dialog);
  bool handled = false;
  RunGuarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

bool TixoApplication::RunGuarded(const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const EMessageError& error) {
    ShowException(MessageText(error.Message(), PathText));
  } catch (const std::exception& error) {
    ShowException(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    ShowException(QCoreApplication::translate("flightdeck::TixoApplication", "Unexpected error"));
  }
  return false;
}

void TixoApplication::ShowException(const QString& message) {
  if (FPrompts)
    FPrompts->Message(ApplicationTitle, message, TMessageButtons::Ok, TMessageIcon::Warning);
  else
    QMessageBox::warning(nullptr, ApplicationTitle, message);
}

} // namespace flightdeck
