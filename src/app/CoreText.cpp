// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CoreText.h"

namespace flightdeck {

QString MessageText(const TMessage& message, QString (*text)(const std::string&)) {
  if (!message.Translatable())
    return text(message.Words());
  const std::vector<TMessage>& arguments = message.Arguments();
  return QString::fromStdString(FillIn(
      CoreText("Message", message.Words()).toStdString(), arguments.size(),
      [&](std::size_t number) { return MessageText(arguments[number], text).toStdString(); }));
}

QString CategoryName(TMissionType type) {
  static const char* const Names[] = {
      QT_TRANSLATE_NOOP("Category", "Battles"), QT_TRANSLATE_NOOP("Category", "Combat"),
      QT_TRANSLATE_NOOP("Category", "Melee"), QT_TRANSLATE_NOOP("Category", "Tournaments"),
      QT_TRANSLATE_NOOP("Category", "Training")};
  return QCoreApplication::translate("Category", Names[type]);
}

QString SideName(TGender side) {
  static const char* const Names[] = {QT_TRANSLATE_NOOP("Side", "Neutral (Multiplayer)"),
                                      QT_TRANSLATE_NOOP("Side", "Rebel"),
                                      QT_TRANSLATE_NOOP("Side", "Imperial")};
  return QCoreApplication::translate("Side", Names[side - gnNeutral]);
}

} // namespace flightdeck
