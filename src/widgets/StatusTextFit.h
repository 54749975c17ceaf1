// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace flightdeck {

// Shortens `text` until `widthOf` it is at most `maxWidth`. A path of an existing folder
// (`isFolder`) loses folder levels from the front of its directory part, shown as "...", and
// then its drive; any other text is cut at the end, marked with "...".
QString FitStatusText(const QString& text, int maxWidth,
                      const std::function<int(const QString&)>& widthOf,
                      const std::function<bool(const QString&)>& isFolder, QChar separator);

} // namespace flightdeck
