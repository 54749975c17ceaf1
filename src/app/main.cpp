// flightdeck: the mission manager's window.

#include "app/Application.h"
#include "app/Prompts.h"
#include "app/TixoFlightdeckForm.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <iostream>
#include <string_view>

using namespace flightdeck;

namespace {

// The settings file is named after the program and lives beside it, as a portable program's
// does; an installed copy, whose folder is not writable, keeps it in the user's settings.
QString SettingsFileName() {
  const QFileInfo program(QCoreApplication::applicationFilePath());
  const QString name = program.completeBaseName() + QStringLiteral(".ini");
  if (QFileInfo(program.absolutePath()).isWritable())
    return program.absoluteDir().filePath(name);
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  QDir().mkpath(folder);
  return QDir(folder).filePath(name);
}

} // namespace

int main(int argc, char** argv) {
  // Answered before the window system is touched, so that they work without a display.
  const std::string_view option = argc == 2 ? argv[1] : "";
  if (option == "-h" || option == "--help") {
    std::cout << "usage: flightdeck [--help | --version]\n"
                 "The mission manager for X-wing vs. TIE Fighter. Choose the game's folder with "
                 "File > Set XvT Directory; flightdeck-cli --help tells the commands for "
                 "scripts.\n";
    return 0;
  }
  if (option == "--version") {
    std::cout << "flightdeck " << FLIGHTDECK_VERSION << "\n";
    return 0;
  }
  TixoApplication application(argc, argv);
  TDialogPrompts prompts;
  application.SetPrompts(&prompts);
  TixoFlightdeckForm form({SettingsFileName(), &prompts});
  prompts.SetParent(&form);
  form.show();
  form.OfferGamesFound();
  return application.exec();
}
