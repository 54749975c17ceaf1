// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

#include <functional>

namespace flightdeck {

class TPrompts;

inline const QString ApplicationTitle = QStringLiteral("Ixo Kit"); // not translated

// The application object. An exception that escapes a command (a file that could not be
// read or written, most often) is shown in a message box captioned with the application
// title; the command ends where it stood and the program carries on.
class TixoApplication : public QApplication {
public:
  TixoApplication(int& argc, char** argv);

  // Where errors are shown; the window's prompts once it exists.
  void SetPrompts(TPrompts* prompts) { FPrompts = prompts; }

  bool notify(QObject* receiver, QEvent* event) override;

  // Runs `action` the way a command runs: an exception is shown, not passed on.
  // False when one was shown.
  bool RunGuarded(const std::function<void()>& action);

  static TixoApplication* Instance();

private:
  void ShowException(const QString& message);

  TPrompts* FPrompts = nullptr;
};

} // namespace flightdeck
