// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace flightdeck {

// A file-system failure, carrying the message the user is shown: what went wrong, in words,
// and the file it concerns ("Disk full: \"/games/XvT/combat/rebel.lst\"").
class EInOutError : public std::runtime_error {
public:
  explicit EInOutError(int errorCode, std::string path = {});
  // The same failure told in words of its own.
  EInOutError(int errorCode, std::string path, const std::string& message);

  // The operating system's error number behind the failure.
  int ErrorCode() const { return FErrorCode; }
  // The file it concerns, as the host names it; empty when not known.
  const std::string& Path() const { return FPath; }
  // What went wrong without the file, for a message that names the file itself.
  const std::string& Reason() const { return FReason; }

  // "File access denied", "Disk full", "Is a folder, not a file", else the system's own words
  // for the error ("File name too long").
  static std::string MessageFor(int errorCode);

private:
  int FErrorCode;
  std::string FPath;
  std::string FReason;
};

// Raises EInOutError for the calling thread's last error number, on `path`.
[[noreturn]] void RaiseLastIOError(const std::string& path = {});

} // namespace flightdeck
