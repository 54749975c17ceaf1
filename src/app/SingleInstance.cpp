#include "app/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace flightdeck {

namespace {

constexpr int ConnectTimeout = 500; // ms; a running window answers at once

} // namespace

TSingleInstance::TSingleInstance(QString name, QObject* parent)
    : QObject(parent), FName(std::move(name)) {}

QString TSingleInstance::NameForThisUser() {
  return QStringLiteral("flightdeck-") + QString::number(getuid());
}

bool TSingleInstance::HandOver(const QStringList& files) const {
  QLocalSocket socket;
  socket.connectToServer(FName);
  if (!socket.waitForConnected(ConnectTimeout))
    return false;
  socket.write((files.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
  socket.flush();
  socket.waitForBytesWritten(ConnectTimeout);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState)
    socket.waitForDisconnected(ConnectTimeout);
  return true;
}

void TSingleInstance::Listen(std::function<void(const QStringList&)> onFiles) {
  FOnFiles = std::move(onFiles);
  FServer = new QLocalServer(this);
  FServer->setSocketOptions(QLocalServer::UserAccessOption);
  // A socket left by a window that crashed is in the way of the new one.
  QLocalServer::removeServer(FName);
  FServer->listen(FName);
  connect(FServer, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = FServer->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
        QStringList files = QString::fromUtf8(socket->readAll()).split(QLatin1Char('\n'));
        files.removeAll(QString());
        socket->deleteLater();
        if (FOnFiles)
          FOnFiles(files);
      });
    }
  });
}

} // namespace flightdeck
