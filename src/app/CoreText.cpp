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

} // namespace flightdeck
