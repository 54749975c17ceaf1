// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InOutError.h"

#include "platform/HostFiles.h"

namespace flightdeck {

namespace {

std::string MessageWithFile(int errorCode, const std::string& path) {
  const std::string words = EInOutError::MessageFor(errorCode);
  return path.empty() ? words : words + ": \"" + path + "\"";
}

} // namespace

EInOutError::EInOutError(int errorCode, std::string path)
    : std::runtime_error(MessageWithFile(errorCode, path)), FErrorCode(errorCode),
      FPath(std::move(path)), FReason(MessageFor(errorCode)) {}

EInOutError::EInOutError(int errorCode, std::string path, const std::string& message)
    : std::runtime_error(message), FErrorCode(errorCode), FPath(std::move(path)), FReason(message) {
}

void RaiseLastIOError(const std::string& path) {
  throw EInOutError(LastHostError(), path);
}

} // namespace flightdeck
