// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "missions/MissionFile.h"

#include <QString>
#include <QStringList>

namespace flightdeck {

// A mission's type in the window's words: "melee".
QString PlayWords(TMissionPlay play);
// A mission's facts in the window's words: "melee, X-wing vs. TIE Fighter".
QString MissionKindWords(const TMissionFacts& facts);
// Everything a file tells as a mission, a line each, for the Mission view: its game and type,
// its flight groups, messages, teams and players, and its texts; or why it is no mission.
QStringList MissionLines(const TMissionReading& reading);

} // namespace flightdeck
