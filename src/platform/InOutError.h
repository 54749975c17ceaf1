#pragma once

#include <stdexcept>
#include <string>

namespace flightdeck {

// A file-system failure, carrying the message the user is shown.
class EInOutError : public std::runtime_error {
public:
  explicit EInOutError(int errorCode, std::string path = {});
  // The same failure told in words of its own.
  EInOutError(int errorCode, std::string path, const std::string& message);

  // The operating system's error number behind the failure.
  int ErrorCode() const { return FErrorCode; }
  // The file it concerns, as the host names it; empty when not known.
  const std::string& Path() const { return FPath; }

  // "File access denied", "Disk full" or "I/O error N".
  static std::string MessageFor(int errorCode);

private:
  int FErrorCode;
  std::string FPath;
};

// Raises EInOutError for the calling thread's last error number, on `path`.
[[noreturn]] void RaiseLastIOError(const std::string& path = {});

} // namespace flightdeck
