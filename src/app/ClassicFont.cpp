// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ClassicFont.h"

#include <QApplication>
#include <QFontDatabase>

namespace flightdeck {

QFont ClassicFont(const char* family) {
  const QString name = QString::fromLatin1(family);
  if (QFontDatabase::families().contains(name, Qt::CaseInsensitive))
    return QFont(name, 8);
  return QApplication::font();
}

} // namespace flightdeck
