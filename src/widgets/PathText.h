// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HostPath.h"

#include <QDir>
#include <QString>

#include <string>

namespace flightdeck {

// The window's only crossings between its text and a program path. Program paths are UTF-8 on
// every host; the platform layer hands Windows their UTF-16 spelling. Shown, a path has the
// host's separators.
inline std::string ProgramPath(const QString& text) {
  return text.toStdString();
}
inline QString PathText(const std::string& path) {
  return QDir::toNativeSeparators(QString::fromStdString(path));
}
inline QString PathText(const THostPath& path) {
  return PathText(path.Native());
}

// A folder of the program's as it is spelled on disk, without a separator at its end, for
// dialogs, tooltips and messages.
inline QString OnDiskFolder(const std::string& folder) {
  QString path = PathText(HostPath(folder));
  while (path.size() > 1 && path.endsWith(QDir::separator()))
    path.chop(1);
  return path;
}

} // namespace flightdeck
