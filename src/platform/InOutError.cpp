// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InOutError.h"

#include "platform/HostFiles.h"
#include "platform/Translatable.h"

#include <algorithm>
#include <string_view>

namespace flightdeck {

namespace {

TMessage MessageWithFile(const TMessage& reason, const std::string& path) {
  return path.empty() ? reason : TMessage(TRANSLATABLE("Message", "%1: \"%2\""), {reason, path});
}

} // namespace

TMessage EInOutError::ReasonFor(int errorCode) {
  // The words MessageFor gives of its own, on every system.
  constexpr std::string_view own[] = {TRANSLATABLE("Message", "File access denied"),
                                      TRANSLATABLE("Message", "Disk full"),
                                      TRANSLATABLE("Message", "Is a folder, not a file"),
                                      TRANSLATABLE("Message", "Is a link, not a file"),
                                      TRANSLATABLE("Message", "Not a regular file")};
  std::string words = MessageFor(errorCode);
  const auto found = std::find(std::begin(own), std::end(own), words);
  return found == std::end(own) ? TMessage(std::move(words)) : TMessage::Own(found->data());
}

EInOutError::EInOutError(int errorCode, std::string path)
    : EMessageError(MessageWithFile(ReasonFor(errorCode), path)), FErrorCode(errorCode),
      FPath(std::move(path)), FReason(ReasonFor(errorCode)) {}

EInOutError::EInOutError(int errorCode, std::string path, TMessage message)
    : EMessageError(message), FErrorCode(errorCode), FPath(std::move(path)),
      FReason(std::move(message)) {}

void RaiseLastIOError(const std::string& path) {
  throw EInOutError(LastHostError(), path);
}

} // namespace flightdeck
