// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Windows1252.h"

#include <QString>

#include <optional>
#include <string>

namespace flightdeck {

// List texts are Windows-1252; the window shows and edits them as QStrings.
inline QString FromList(const std::string& text) {
  return QString::fromStdString(Windows1252ToUtf8(text));
}
inline std::string ToList(const QString& text) {
  return Utf8ToWindows1252(text.toStdString());
}
// Nothing for a text with a character the code page lacks.
inline std::optional<std::string> ListTextExactly(const QString& text) {
  return Utf8ToWindows1252Exactly(text.toStdString());
}

} // namespace flightdeck
