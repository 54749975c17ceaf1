// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/JsonText.h"

#include "cli/Complaints.h"
#include "platform/Windows1252.h"

#include <cstdio>

namespace flightdeck {

std::string JsonString(std::string_view windows1252Text) {
  return JsonStringUtf8(Windows1252ToUtf8(windows1252Text));
}

std::string JsonStringUtf8(std::string_view utf8Text) {
  const std::string text = LenientUtf8(utf8Text);
  std::string out = "\"";
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    switch (c) {
    case '"':
      out += "\\\"";
      break;
    case '\\':
      out += "\\\\";
      break;
    case '\b':
      out += "\\b";
      break;
    case '\f':
      out += "\\f";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    default:
      // C0 and C1 controls and DEL are escaped, so that no output can steer a terminal.
      if (const std::optional<unsigned> control = ControlCharacterAt(text, at)) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", *control);
        out += escaped;
      } else {
        out += c;
      }
    }
  }
  return out + "\"";
}

} // namespace flightdeck
