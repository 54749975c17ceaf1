#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QLocalServer;

namespace flightdeck {

// One window per user: a start that finds a window already running hands it its arguments and
// ends; the running one carries them out as if it had been started with them.
class TSingleInstance : public QObject {
  Q_OBJECT

public:
  // `name`: the same for every start of the same user.
  explicit TSingleInstance(QString name, QObject* parent = nullptr);

  // True when another instance runs and has taken `arguments` (possibly none).
  bool HandOver(const QStringList& arguments) const;
  // From now on, what later starts hand over goes to `onArguments`.
  void Listen(std::function<void(const QStringList& arguments)> onArguments);

  // The name for the user running this program.
  static QString NameForThisUser();

private:
  QString FName;
  QLocalServer* FServer = nullptr;
  std::function<void(const QStringList&)> FOnFiles;
};

} // namespace flightdeck
