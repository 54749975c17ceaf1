// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"

#include "platform/InstanceAddress.h"
#include "widgets/PathText.h"

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace flightdeck {

namespace {

constexpr int ConnectTimeout = 500; // ms; a running window answers at once
constexpr int DialogPoll = 200;     // ms between looks whether a dialog is still open

} // namespace

TSingleInstance::TSingleInstance(QString path, QObject* parent)
    : QObject(parent), FPath(std::move(path)) {}

QString TSingleInstance::PathForThisSession() {
  QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (display.isEmpty())
    display = qEnvironmentVariable("DISPLAY");
  return PathText(InstanceAddress(display.toStdString()));
}

bool TSingleInstance::HandOver(const QStringList& arguments) const {
  if (FPath.isEmpty() || !IsOwnOrFreeAddress(ProgramPath(FPath)))
    return false;
  QLocalSocket socket;
  socket.connectToServer(FPath);
  if (!socket.waitForConnected(ConnectTimeout))
    return false;
  socket.write((arguments.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
  socket.flush();
  socket.waitForBytesWritten(ConnectTimeout);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState)
    socket.waitForDisconnected(ConnectTimeout);
  return true;
}

void TSingleInstance::Listen(std::function<void(const QStringList&)> onArguments) {
  FOnArguments = std::move(onArguments);
  if (FPath.isEmpty() || !IsOwnOrFreeAddress(ProgramPath(FPath)))
    return; // someone else's: this window simply runs on its own
  FServer = new QLocalServer(this);
  FServer->setSocketOptions(QLocalServer::UserAccessOption);
  // A socket left by a window that crashed is in the way of the new one.
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
        const QByteArray message = socket->readAll();
        // A hand-off ends with a line end: one cut short is no hand-off.
        if (socket->property("refused").toBool() || !message.endsWith('\n'))
          return;
        QStringList arguments = QString::fromUtf8(message).split(QLatin1Char('\n'));
        arguments.removeAll(QString());
        FWaiting.push_back(arguments);
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
    const QStringList arguments = std::move(FWaiting.front());
    FWaiting.pop_front();
    if (FOnArguments)
      FOnArguments(arguments);
  }
  FCarryingOut = false;
  if (!FWaiting.empty())
    QTimer::singleShot(DialogPoll, this, [this] { CarryOutWaiting(); });
}

} // namespace flightdeck
