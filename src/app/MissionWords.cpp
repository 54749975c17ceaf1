// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MissionWords.h"

#include "app/CoreText.h"
#include "widgets/PathText.h"

#include <QCoreApplication>

namespace flightdeck {

namespace {

QString Translated(const char* text) {
  return QCoreApplication::translate("Mission", text);
}

QString Joined(const std::vector<std::string>& names) {
  QStringList texts;
  for (const std::string& name : names)
    texts << QString::fromStdString(name);
  return texts.isEmpty() ? QStringLiteral("-") : texts.join(QStringLiteral(", "));
}

} // namespace

QString PlayWords(TMissionPlay play) {
  constexpr const char* words[] = {
      QT_TRANSLATE_NOOP("Mission", "training"), QT_TRANSLATE_NOOP("Mission", "unknown type"),
      QT_TRANSLATE_NOOP("Mission", "melee"), QT_TRANSLATE_NOOP("Mission", "multiplayer training"),
      QT_TRANSLATE_NOOP("Mission", "multiplayer combat")};
  return Translated(words[static_cast<std::size_t>(play)]);
}

QString MissionKindWords(const TMissionFacts& facts) {
  return Translated(QT_TRANSLATE_NOOP("Mission", "%1, %2"))
      .arg(PlayWords(facts.Play),
           facts.Platform == TMissionPlatform::XvT
               ? QStringLiteral("X-wing vs. TIE Fighter") // not translated: a name
               : Translated(QT_TRANSLATE_NOOP("Mission", "Balance of Power (the expansion)")));
}

QStringList MissionLines(const TMissionReading& reading) {
  if (!reading.Mission)
    return {Translated(QT_TRANSLATE_NOOP("Mission", "No mission of this game: %1"))
                .arg(MessageText(reading.Reason, PathText))};
  const TMissionFacts& facts = *reading.Mission;
  QStringList lines = {
      Translated(QT_TRANSLATE_NOOP("Mission", "Mission: %1")).arg(MissionKindWords(facts)),
      Translated(QT_TRANSLATE_NOOP("Mission", "Flight groups: %1, messages: %2"))
          .arg(facts.FlightGroups)
          .arg(facts.Messages),
      Translated(QT_TRANSLATE_NOOP("Mission", "Teams: %1")).arg(Joined(facts.Teams)),
      Translated(QT_TRANSLATE_NOOP("Mission", "Flown by players: %1")).arg(Joined(facts.Players))};
  if (!reading.Reason.Empty())
    lines << MessageText(reading.Reason, PathText);
  lines << QString() << QString::fromStdString(facts.Description);
  if (facts.Platform == TMissionPlatform::BalanceOfPower)
    lines << QString() << Translated(QT_TRANSLATE_NOOP("Mission", "After success:"))
          << QString::fromStdString(facts.DebriefingSuccess) << QString()
          << Translated(QT_TRANSLATE_NOOP("Mission", "After failure:"))
          << QString::fromStdString(facts.DebriefingFailure);
  return lines;
}

} // namespace flightdeck
