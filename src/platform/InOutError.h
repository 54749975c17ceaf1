// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Message.h"

#include <string>

namespace flightdeck {

// A file-system failure, carrying the message the user is shown: what went wrong, in words,
// and the file it concerns ("Disk full: \"/games/XvT/combat/rebel.lst\"").
class EInOutError : public EMessageError {
public:
  explicit EInOutError(int errorCode, std::string path = {});
  // The same failure told in words of its own, which name the file where they need to.
  EInOutError(int errorCode, std::string path, TMessage message);

  // The operating system's error number behind the failure.
  int ErrorCode() const { return FErrorCode; }
  // The file it concerns, as the host names it; empty when not known.
  const std::string& Path() const { return FPath; }
  // What went wrong without the file, for a message that names the file itself.
  std::string Reason() const { return FReason.Text(); }
  const TMessage& ReasonMessage() const { return FReason; }

  // "File access denied", "Disk full", "Is a folder, not a file", else the system's own words
  // for the error ("File name too long").
  static std::string MessageFor(int errorCode);
  // The same as a message: the program's own words translatable, the system's as they are.
  static TMessage ReasonFor(int errorCode);

private:
  int FErrorCode;
  std::string FPath;
  TMessage FReason;
};

// Raises EInOutError for the calling thread's last error number, on `path`.
[[noreturn]] void RaiseLastIOError(const std::string& path = {});

} // namespace flightdeck
