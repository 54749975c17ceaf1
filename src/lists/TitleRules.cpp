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

TMessage TitleRefusal(TListItemKind kind, std::string_view title) {
  if (std::none_of(title.begin(), title.end(), [&](char c) { return Unwritable(kind, c); }))
    return {};
  if (!IsGroupHeader(kind))
    return TMessage::Own(TRANSLATABLE("Message", "A title cannot hold a line break or the "
                                                 "character Ctrl-Z: the game would read it "
                                                 "differently."));
  return {TRANSLATABLE("Message", "A title cannot hold a line break or the character Ctrl-Z, and "
                                  "the title of a %1 cannot hold \"]\": the game would read it "
                                  "differently."),
          {TMessage::Own(ListItemKindName(kind).data())}};
}

std::string WritableTitle(TListItemKind kind, std::string_view title) {
  std::string result(title);
  std::replace_if(
      result.begin(), result.end(), [&](char c) { return Unwritable(kind, c); }, ' ');
  return result;
}

} // namespace flightdeck
