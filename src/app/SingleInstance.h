#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QLocalServer;

namespace flightdeck {

// One window per user: a start that finds a window already running hands it the files it was
// given and ends; the running one takes them as if they were dropped on it.
class TSingleInstance : public QObject {
  Q_OBJECT

public:
  // `name`: the same for every start of the same user.
  explicit TSingleInstance(QString name, QObject* parent = nullptr);

  // True when another instance runs and has taken `files` (absolute paths, possibly none).
  bool HandOver(const QStringList& files) const;
  // From now on, what later starts hand over goes to `onFiles`.
  void Listen(std::function<void(const QStringList& files)> onFiles);

  // The name for the user running this program.
  static QString NameForThisUser();

private:
  QString FName;
  QLocalServer* FServer = nullptr;
  std::function<void(const QStringList&)> FOnFiles;
};

} // namespace flightdeck
