// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"

#include "platform/InstanceAddress.h"
#include "widgets/PathText.h"

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <optional>

namespace flightdeck {

namespace {

constexpr int ConnectTimeout = 500; // ms; a running window answers at once
constexpr int DialogPoll = 200;     // ms between looks whether a dialog is still open

// A hand-off: each argument as its length in bytes, ":" and its bytes, whatever they hold (line
// breaks, bytes that are no UTF-8); then a line end, so that one cut short is told from a whole
// one.
QByteArray Framed(const std::vector<std::string>& arguments) {
  QByteArray message;
  for (const std::string& argument : arguments)
    message += QByteArray::number(static_cast<qsizetype>(argument.size())) + ':' +
               QByteArray::fromStdString(argument);
  return message + '\n';
}

// The arguments of a whole hand-off; none for anything else.
std::optional<std::vector<std::string>> Unframed(const QByteArray& message) {
  std::vector<std::string> arguments;
  qsizetype at = 0;
  while (at < message.size() - 1) {
    const qsizetype colon = message.indexOf(':', at);
    bool number = false;
    const qsizetype length = colon > at ? message.mid(at, colon - at).toLongLong(&number) : -1;
    if (!number || length < 0 || length > message.size() - colon - 2)
      return std::nullopt;
    arguments.push_back(message.mid(colon + 1, length).toStdString());
    at = colon + 1 + length;
  }
  if (at != message.size() - 1 || !message.endsWith('\n'))
    return std::nullopt;
  return arguments;
}

// Whether a window answers on `path` now.
bool Answers(const QString& path) {
  QLocalSocket socket;
  socket.connectToServer(path);
  const bool answered = socket.waitForConnected(ConnectTimeout);
  socket.abort();
  return answered;
}

} // namespace

TSingleInstance::TSingleInstance(QString path, QObject* parent)
    : QObject(parent), FPath(std::move(path)) {}

QString TSingleInstance::PathForThisSession() {
  QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (display.isEmpty())
    display = qEnvironmentVariable("DISPLAY");
  return PathText(InstanceAddress(display.toStdString()));
}

bool TSingleInstance::HandOver(const std::vector<std::string>& arguments) const {
  if (FPath.isEmpty() || !IsOwnOrFreeAddress(ProgramPath(FPath)))
    return false;
  QLocalSocket socket;
  socket.connectToServer(FPath);
  if (!socket.waitForConnected(ConnectTimeout))
    return false;
  socket.write(Framed(arguments));
  socket.flush();
  socket.waitForBytesWritten(ConnectTimeout);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState)
    socket.waitForDisconnected(ConnectTimeout);
  return true;
}

void TSingleInstance::Listen(std::function<void(const std::vector<std::string>&)> onArguments) {
  FOnArguments = std::move(onArguments);
  if (FPath.isEmpty() || !IsOwnOrFreeAddress(ProgramPath(FPath)))
    return; // someone else's: this window simply runs on its own
  // A window that did not take a hand-off in time still runs there: its socket stays. A socket
  // left by a window that crashed is in the way of the new one.
  if (Answers(FPath))
    return;
  FServer = new QLocalServer(this);
  FServer->setSocketOptions(QLocalServer::UserAccessOption);
  QLocalServer::removeServer(FPath);
  FServer->listen(FPath);
  connect(FServer, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = FServer->nextPendingConnection()) {
      socket->setReadBufferSize(MaxMessage + 1);
      connect(socket, &QLocalSocket::readyRead, this, [socket] {
        if (socket->bytesAvailable() <= MaxMessage)
          return;
        socket->setProperty("refused", true); // whole: nothing of it is carried out
        socket->abort();
      });
      connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
        socket->deleteLater();
        std::optional<std::vector<std::string>> arguments = Unframed(socket->readAll());
        if (socket->property("refused").toBool() || !arguments)
          return; // cut short, or no hand-off at all
        FWaiting.push_back(std::move(*arguments));
        CarryOutWaiting();
      });
    }
  });
}

void TSingleInstance::CarryOutWaiting() {
  if (FCarryingOut)
    return; // the one being carried out goes on with the rest
  if (QApplication::activeModalWidget()) {
    QTimer::singleShot(DialogPoll, this, [this] { CarryOutWaiting(); });
    return;
  }
  FCarryingOut = true;
  while (!FWaiting.empty() && !QApplication::activeModalWidget()) {
    const std::vector<std::string> arguments = std::move(FWaiting.front());
    FWaiting.pop_front();
    if (FOnArguments)
      FOnArguments(arguments);
  }
  FCarryingOut = false;
  if (!FWaiting.empty())
    QTimer::singleShot(DialogPoll, this, [this] { CarryOutWaiting(); });
}

} // namespace flightdeck
