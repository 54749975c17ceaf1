// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NumberCommands.h"

#include "app/ListText.h"

#include <optional>

namespace flightdeck {

namespace {

// The number in the box: leading blanks skipped, then the digits up to the first character
// that is not one, a minus before them for a number shown as the list holds it. Empty when the
// box holds no digit there.
std::optional<std::int32_t> TypedNumber(const QString& text) {
  qsizetype at = 0;
  while (at < text.size() && text[at] == QLatin1Char(' '))
    ++at;
  const bool negative = at < text.size() && text[at] == QLatin1Char('-');
  const qsizetype digits = negative ? at + 1 : at;
  qsizetype end = digits;
  while (end < text.size() && text[end].isDigit())
    ++end;
  bool number = false;
  const std::int32_t value = text.mid(at, end - at).toInt(&number);
  return end > digits && number ? std::optional(value) : std::nullopt;
}

QString Quoted(const QString& text) {
  return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

void TNumberCommands::Renumber(TMissionNode& entry, const QString& typed, const QString& shown) {
  TMissionTree* tree = FList.DocumentToEdit();
  if (!tree)
    return; // the list was read again: the entry is gone
  const TRenumbering renumbering =
      tree->PlanRenumbering(entry, TypedNumber(typed).value_or(entry.Record.Number));
  const auto clash = [&] { return Quoted(FromList(renumbering.Clash->Label())); };
  if (!renumbering.Clash ||
      FPrompts.Ask(tr("Confirm"),
                   tr("%1 is presently using this number.  Would you like to assign the next "
                      "available number (%2) to %1, and then assign the number (%3) to %4?")
                       .arg(clash(), QString::number(renumbering.Next),
                            QString::number(renumbering.Number), Quoted(shown))))
    tree->Renumber(renumbering);
}

} // namespace flightdeck
