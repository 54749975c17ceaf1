// flightdeck: the mission manager's window.

#include "app/Application.h"
#include "app/Prompts.h"
#include "app/TixoFlightdeckForm.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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
  TixoApplication application(argc, argv);
  TDialogPrompts prompts;
  application.SetPrompts(&prompts);
  TixoFlightdeckForm form({SettingsFileName(), &prompts});
  prompts.SetParent(&form);
  form.show();
  return application.exec();
}
