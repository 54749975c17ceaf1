// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class QLocalServer;

namespace flightdeck {

// One window per user and session: a start that finds a window already running on the same
// display hands it its arguments and ends; the running one carries them out as if it had been
// started with them, one after another and never while one of its dialogs is open.
class TSingleInstance : public QObject {
  Q_OBJECT

public:
  // `path`: the socket, the same for every start of the same user on the same display; empty
  // for none (every start opens its own window).
  explicit TSingleInstance(QString path, QObject* parent = nullptr);

  // True when another instance runs and has taken `arguments` (possibly none), each any bytes
  // the host can name a file by. A socket that is not the user's own is never spoken to.
  bool HandOver(const std::vector<std::string>& arguments) const;
  // From now on, what later starts hand over goes to `onArguments`, unless the socket's name is
  // taken by someone else or another window answers on it.
  void Listen(std::function<void(const std::vector<std::string>& arguments)> onArguments);

  // The socket of this user's session on this display (see InstanceAddress); empty when there
  // is no safe place for one.
  static QString PathForThisSession();
  static constexpr qint64 MaxMessage = 64 << 10; // a longer hand-off is refused

private:
  void CarryOutWaiting();

  QString FPath;
  QLocalServer* FServer = nullptr;
  std::function<void(const std::vector<std::string>&)> FOnArguments;
  std::deque<std::vector<std::string>> FWaiting; // hand-offs not carried out yet, oldest first
  bool FCarryingOut = false;
};

} // namespace flightdeck
