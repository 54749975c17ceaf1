#include "platform/InOutError.h"

#include "platform/HostFiles.h"

namespace flightdeck {

EInOutError::EInOutError(int errorCode, std::string path)
    : std::runtime_error(MessageFor(errorCode)), FErrorCode(errorCode), FPath(std::move(path)) {}

EInOutError::EInOutError(int errorCode, std::string path, const std::string& message)
    : std::runtime_error(message), FErrorCode(errorCode), FPath(std::move(path)) {}

void RaiseLastIOError(const std::string& path) {
  throw EInOutError(LastHostError(), path);
}

} // namespace flightdeck
