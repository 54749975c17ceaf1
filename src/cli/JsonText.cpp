#include "cli/JsonText.h"

#include "platform/Windows1252.h"

#include <cstdio>

namespace flightdeck {

std::string JsonString(std::string_view windows1252Text) {
  return JsonStringUtf8(Windows1252ToUtf8(windows1252Text));
}

std::string JsonStringUtf8(std::string_view utf8Text) {
  std::string out = "\"";
  for (const char c : utf8Text) {
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
      if (static_cast<unsigned char>(c) < 0x20) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
        out += escaped;
      } else {
        out += c;
      }
    }
  }
  return out + "\"";
}

} // namespace flightdeck
