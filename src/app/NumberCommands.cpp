// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NumberCommands.h"

#include "app/ListText.h"

#include <algorithm>
#include <optional>

namespace flightdeck {

namespace {

// The number typed into the box: leading blanks skipped, then the digits up to the first
// character that is not one. Empty when the box holds no digit at all.
std::optional<std::int32_t> TypedNumber(const QString& text) {
  if (!std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
    return std::nullopt;
  std::int32_t value = 0;
  int at = 0;
  while (at < text.size() && text[at] == QLatin1Char(' '))
    ++at;
  for (; at < text.size() && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9'); ++at)
    value = value * 10 + (text[at].unicode() - '0');
  return value;
}

QString Quoted(const QString& text) {
  return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

void TNumberCommands::Renumber(TMissionNode& entry, const QString& typed, const QString& shown) {
  const TRenumbering renumbering =
      FList.Document()->PlanRenumbering(entry, TypedNumber(typed).value_or(entry.Record.Number));
  const auto clash = [&] { return Quoted(FromList(renumbering.Clash->Label)); };
  if (!renumbering.Clash ||
      FPrompts.Ask(
          QStringLiteral("Confirm"),
          clash() +
              QStringLiteral(" is presently using this number.  Would you like to assign the next "
                             "available number (") +
              QString::number(renumbering.Next) + QStringLiteral(") to ") + clash() +
              QStringLiteral(", and then assign the number (") +
              QString::number(renumbering.Number) + QStringLiteral(") to ") + Quoted(shown) +
              QLatin1Char('?')))
    FList.Document()->Renumber(renumbering);
}

} // namespace flightdeck
