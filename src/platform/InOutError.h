#pragma once

#include <stdexcept>
#include <string>

namespace flightdeck {

// A file-system failure, carrying the message the user is shown.
class EInOutError : public std::runtime_error {
public:
  explicit EInOutError(int errorCode);

  // The operating system's error number behind the failure.
  int ErrorCode() const { return FErrorCode; }

  // "File access denied", "Disk full" or "I/O error N".
  static std::string MessageFor(int errorCode);

private:
  int FErrorCode;
};

// Raises EInOutError for the calling thread's last error number.
[[noreturn]] void RaiseLastIOError();

} // namespace flightdeck
