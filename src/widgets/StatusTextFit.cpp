// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/StatusTextFit.h"

namespace flightdeck {

namespace {

// "\games\xvt\" gives "\...\xvt\", then "\...\"; "...\" gives "".
QString ShortenOneLevel(const QString& directory, QChar separator) {
  if (directory == QString(separator))
    return {};
  const QString ellipsis = QStringLiteral("...") + separator;
  QString rest = directory;
  const bool leading = rest.startsWith(separator);
  if (leading)
    rest.remove(0, 1);
  if (rest.startsWith(ellipsis))
    rest.remove(0, ellipsis.size());
  const qsizetype next = rest.indexOf(separator);
  rest = next < 0 ? QString() : ellipsis + rest.mid(next + 1);
  return leading ? separator + rest : rest;
}

QString ShortenPath(const QString& path, int maxWidth,
                    const std::function<int(const QString&)>& widthOf, QChar separator) {
  QString drive = path.size() >= 2 && path[1] == QLatin1Char(':') ? path.left(2) : QString();
  const qsizetype lastSeparator = path.lastIndexOf(separator);
  QString directory = path.mid(drive.size(), lastSeparator + 1 - drive.size());
  const QString name = path.mid(lastSeparator + 1);
  const QString droppedDrive = separator + QStringLiteral("...") + separator;
  while ((!drive.isEmpty() || !directory.isEmpty()) &&
         widthOf(drive + directory + name) > maxWidth) {
    if (directory == droppedDrive) {
      drive.clear();
      directory = QStringLiteral("...") + separator;
    } else if (!directory.isEmpty()) {
      directory = ShortenOneLevel(directory, separator);
    } else {
      drive.clear();
    }
  }
  return drive + directory + name;
}

QString CutAtEnd(const QString& text, int maxWidth,
                 const std::function<int(const QString&)>& widthOf) {
  QString kept = text;
  while (!kept.isEmpty()) {
    kept.chop(1);
    QString candidate = kept + QStringLiteral("...");
    if (widthOf(candidate) <= maxWidth)
      return candidate;
  }
  return QStringLiteral("...");
}

} // namespace

QString FitStatusText(const QString& text, int maxWidth,
                      const std::function<int(const QString&)>& widthOf,
                      const std::function<bool(const QString&)>& isFolder, QChar separator) {
  if (text.isEmpty() || widthOf(text) <= maxWidth)
    return text;
  return isFolder(text) ? ShortenPath(text, maxWidth, widthOf, separator)
                        : CutAtEnd(text, maxWidth, widthOf);
}

} // namespace flightdeck
