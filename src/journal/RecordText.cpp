// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/RecordText.h"

#include "platform/ContentDigest.h"

#include <algorithm>
#include <cstdio>

namespace flightdeck {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

std::string DigestOf(std::string_view text) {
  TContentDigest digest;
  digest.Add(text);
  return digest.Text();
}

} // namespace

std::string RecordEscaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f || c == '%') {
      char code[4];
      std::snprintf(code, sizeof code, "%%%02X", byte);
      escaped += code;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string RecordUnescaped(std::string_view text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
        HexDigit(text[i + 2]) >= 0) {
      plain += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
      i += 2;
      continue;
    }
    plain += text[i];
  }
  return plain;
}

std::optional<int> SmallRecordNumber(std::string_view text) {
  if (text.empty() || text.size() > 9 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return std::stoi(std::string(text));
}

std::string SealedRecord(std::string body) {
  const std::string digest = DigestOf(body);
  body += "digest " + digest + "\n";
  return body;
}

std::optional<std::string_view> CheckedRecordBody(std::string_view text) {
  if (text.empty() || text.back() != '\n')
    return std::nullopt;
  const std::size_t last = text.rfind('\n', text.size() - 2);
  const std::string_view body = text.substr(0, last == std::string_view::npos ? 0 : last + 1);
  if (text.substr(body.size()) != "digest " + DigestOf(body) + "\n")
    return std::nullopt;
  return body;
}

} // namespace flightdeck
