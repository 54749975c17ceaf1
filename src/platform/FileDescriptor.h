#pragma once

#include <unistd.h>

namespace flightdeck {

// Owns an open POSIX file descriptor and closes it when it goes.
class TFileDescriptor {
public:
  explicit TFileDescriptor(int fd) : FFd(fd) {}
  ~TFileDescriptor() { Close(); }
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;

  int Get() const { return FFd; }

  // Closes now, so that a late write error (a full disk on some file systems) is seen.
  int Close() {
    const int result = FFd >= 0 ? close(FFd) : 0;
    FFd = -1;
    return result;
  }

private:
  int FFd;
};

} // namespace flightdeck
