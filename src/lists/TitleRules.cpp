// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/TitleRules.h"

#include <algorithm>

namespace flightdeck {

namespace {

constexpr char CtrlZ = 26;

bool Unwritable(TListItemKind kind, char c) {
  return c == '\r' || c == '\n' || c == CtrlZ || (c == ']' && IsGroupHeader(kind));
}

} // namespace

std::string TitleRefusal(TListItemKind kind, std::string_view title) {
  if (std::none_of(title.begin(), title.end(), [&](char c) { return Unwritable(kind, c); }))
    return {};
  std::string message = "A title cannot hold a line break or the character Ctrl-Z";
  if (IsGroupHeader(kind))
    message += ", and the title of a " + std::string(ListItemKindName(kind)) + " cannot hold \"]\"";
  return message + ": the game would read it differently.";
}

std::string WritableTitle(TListItemKind kind, std::string_view title) {
  std::string result(title);
  std::replace_if(
      result.begin(), result.end(), [&](char c) { return Unwritable(kind, c); }, ' ');
  return result;
}

} // namespace flightdeck
