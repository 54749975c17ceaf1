// flightdeck: the mission manager's window.

#include "app/Application.h"
#include "app/Prompts.h"
#include "app/SingleInstance.h"
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
    std::cout << "usage: flightdeck [--game DIR] [PACK.ixo | MISSION.tie ...]\n"
                 "       flightdeck --help | --version\n"
                 "The mission manager for X-wing vs. TIE Fighter. --game shows that game "
                 "directory; packs and missions named are installed as if dropped on the window, "
                 "by the window already running if there is one. flightdeck-cli --help tells the "
                 "commands for scripts.\n";
    return 0;
  }
  if (option == "--version") {
    std::cout << "flightdeck " << FLIGHTDECK_VERSION << "\n";
    return 0;
  }
  TixoApplication application(argc, argv);
  QString game;
  QStringList files;
  const QStringList arguments = application.arguments();
  for (int i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QStringLiteral("--game") && i + 1 < arguments.size())
      game = arguments[++i];
    else
      files << QFileInfo(arguments[i]).absoluteFilePath();
  }
  // One window per user: a second start hands its files to the first and ends.
  TSingleInstance instance(TSingleInstance::NameForThisUser());
  if (game.isEmpty() && instance.HandOver(files))
    return 0;

  TDialogPrompts prompts;
  application.SetPrompts(&prompts);
  TixoFlightdeckForm form({SettingsFileName(), &prompts});
  prompts.SetParent(&form);
  form.show();
  instance.Listen([&form](const QStringList& handed) {
    form.raise();
    form.activateWindow();
    TixoApplication::Instance()->RunGuarded([&] { form.OpenFiles(handed); });
  });
  TixoApplication::Instance()->RunGuarded([&] {
    if (!game.isEmpty())
      form.OpenGameDirectory(game.toStdString());
    form.OfferGamesFound();
    form.OpenFiles(files);
  });
  return application.exec();
}
