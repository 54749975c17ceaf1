// SPDX-License-Identifier: GPL-3.0-or-later
// flightdeck: the window of the mission catalogue editor and pack installer.

#include "app/Application.h"
#include "app/Prompts.h"
#include "app/SingleInstance.h"
#include "app/TixoFlightdeckForm.h"
#include "app/Translations.h"
#include "platform/EndRequests.h"
#include "platform/ProgramArguments.h"
#include "platform/ProgramPlaces.h"
#include "services/GameFinder.h"
#include "widgets/PathText.h"

#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>

#include <iostream>
#include <string_view>

using namespace flightdeck;

namespace {

// The window's settings file, named after the program (see SettingsFilePath); its folder is
// made when it is the user's settings folder.
QString SettingsFileName() {
  const QFileInfo program(QCoreApplication::applicationFilePath());
  const std::string file =
      SettingsFilePath(ProgramPath(program.absolutePath()),
                       ProgramPath(program.completeBaseName() + QStringLiteral(".ini")));
  const QString settings = QString::fromStdString(file);
  QDir().mkpath(QFileInfo(settings).absolutePath());
  return settings;
}

// What a start asks of the window: a game directory to show, files to install. Paths are made
// absolute, so that a window started elsewhere finds them too.
struct TStartRequest {
  std::string Game; // the host's bytes, whatever they are
  QStringList Files;

  static TStartRequest From(const std::vector<std::string>& arguments) {
    TStartRequest request;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      if (arguments[i] == "--game" && i + 1 < arguments.size())
        request.Game = Absolute(arguments[++i]);
      else
        request.Files << QFileInfo(PathText(arguments[i])).absoluteFilePath();
    }
    return request;
  }
  std::vector<std::string> Arguments() const {
    std::vector<std::string> arguments;
    if (!Game.empty())
      arguments = {"--game", Game};
    for (const QString& file : Files)
      arguments.push_back(ProgramPath(file));
    return arguments;
  }
  static std::string Absolute(const std::string& path) {
    return QDir::isRelativePath(PathText(path)) ? ProgramPath(QDir::currentPath()) + "/" + path
                                                : path;
  }
  void CarryOut(TixoFlightdeckForm& form) const {
    TixoApplication::Instance()->RunGuarded([&] {
      if (!Game.empty())
        form.OpenGameDirectory(Game);
      form.OfferGamesFound([&form, files = Files] { form.OpenFiles(files); });
    });
  }
};

} // namespace

int main(int argc, char** argv) {
  // Answered before the window system is touched, so that they work without a display.
  const std::string_view option = argc == 2 ? argv[1] : "";
  if (option == "-h" || option == "--help") {
    std::cout << "usage: flightdeck [--game DIR] [PACK.ixo | MISSION.tie ...]\n"
                 "       flightdeck --help | --version\n"
                 "Mission catalogue editor and pack installer for X-wing vs. TIE Fighter. --game "
                 "shows that game "
                 "directory; packs and missions named are installed as if dropped on the window, "
                 "by the window already running if there is one. At the first start it looks "
                 "for the game in "
              << GamePlacesSearched()
              << ". flightdeck-cli --help tells the commands for scripts.\n";
    return 0;
  }
  if (option == "--version") {
    std::cout << "flightdeck " << FLIGHTDECK_VERSION << "\n";
    return 0;
  }
  TixoApplication application(argc, argv);
  ShowInLanguage(QLocale());
  const TStartRequest request = TStartRequest::From(ProgramArguments(argc, argv));
  // One window per user and display: a second start hands what it was asked to the first and
  // ends.
  TSingleInstance instance(TSingleInstance::PathForThisSession());
  if (instance.HandOver(request.Arguments()))
    return 0;

  TDialogPrompts prompts;
  application.SetPrompts(&prompts);
  TixoFlightdeckForm form({SettingsFileName(), &prompts});
  prompts.SetParent(&form);
  form.show();
  // A logout ends the window as a close does: its settings and the list being edited are kept.
  if (const int ends = EndRequestDescriptor(); ends >= 0) {
    auto* requests = new QSocketNotifier(ends, QSocketNotifier::Read, &form);
    QObject::connect(requests, &QSocketNotifier::activated, &form, [&form] {
      TakeEndRequests();
      form.close();
    });
  }
  instance.Listen([&form](const std::vector<std::string>& handed) {
    form.raise();
    form.activateWindow();
    TStartRequest::From(handed).CarryOut(form);
  });
  request.CarryOut(form);
  return application.exec();
}
