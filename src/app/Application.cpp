// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"

#include "app/CoreText.h"
#include "app/Prompts.h"
#include "platform/Message.h"
#include "widgets/PathText.h"

#include <QMessageBox>

#include <exception>

namespace flightdeck {

TixoApplication::TixoApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("flightdeck"));
  // The desktop entry's name, by which a desktop finds the window's icon and groups its windows.
  setDesktopFileName(QStringLiteral("io.github.flightdeck.Flightdeck"));
  // No display name: the window system would append it to every dialog's caption.
}

TixoApplication* TixoApplication::Instance() {
  return static_cast<TixoApplication*>(QCoreApplication::instance());
}

bool TixoApplication::notify(QObject* receiver, QEvent* event) {
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
