// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CoreText.h"

namespace flightdeck {

QString MessageText(const TMessage& message, QString (*text)(const std::string&)) {
  if (!message.Translatable())
    return text(message.Words());
  const QString words = CoreText("Message", message.Words());
  const std::vector<TMessage>& arguments = message.Arguments();
  // Each argument put in once, as the core does: one that holds "%2" stays as it is.
  QString shown;
  for (qsizetype i = 0; i < words.size(); ++i) {
    const QChar next = i + 1 < words.size() ? words[i + 1] : QChar();
    const auto argument = static_cast<std::size_t>(next.unicode() - u'1');
    if (words[i] == QLatin1Char('%') && next >= QLatin1Char('1') && next <= QLatin1Char('9') &&
        argument < arguments.size()) {
      shown += MessageText(arguments[argument], text);
      ++i;
    } else {
      shown += words[i];
    }
  }
  return shown;
}

} // namespace flightdeck
