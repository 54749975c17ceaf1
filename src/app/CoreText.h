// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/MissionTypes.h"
#include "platform/Message.h"

#include <QCoreApplication>

#include <string>
#include <string_view>

namespace flightdeck {

// A text the core marks TRANSLATABLE, in the language the window is shown in.
inline QString CoreText(const char* context, std::string_view english) {
  return QCoreApplication::translate(context, std::string(english).c_str());
}

// A kind of list entry in words: "Battle", "Tournament Series".
inline QString KindName(TListItemKind kind) {
  return CoreText("Message", ListItemKindName(kind));
}

// A category and a side in words, as the window's tabs and side menu name them: "Battles",
// "Rebel".
QString CategoryName(TMissionType type);
QString SideName(TGender side);

// A message of the core in the window's language. Its texts that are not its own words (names,
// titles, the system's words) are read by `text`: FromList for the game's text.
QString MessageText(const TMessage& message, QString (*text)(const std::string&));

} // namespace flightdeck
