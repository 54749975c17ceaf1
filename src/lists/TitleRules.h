// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/MissionTypes.h"
#include "platform/Message.h"

#include <string>
#include <string_view>

namespace flightdeck {

// Whether a title of a record of `kind` reads back from its file as the same text: no line
// break (CR, LF) and no Ctrl-Z anywhere, which would end the line or the file, and no "]" in
// the title of a group header, which ends the title there. "" when it does; otherwise the
// message to show, naming what the title may not hold.
TMessage TitleRefusal(TListItemKind kind, std::string_view title);

// `title` with every character that would not read back replaced by a blank.
std::string WritableTitle(TListItemKind kind, std::string_view title);

} // namespace flightdeck
