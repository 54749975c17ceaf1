#pragma once

#include <unistd.h>

#include <utility>

namespace flightdeck {

// Owns an open POSIX file descriptor and closes it when it goes.
class TFileDescriptor {
public:
  explicit TFileDescriptor(int fd = -1) : FFd(fd) {}
  ~TFileDescriptor() { Close(); }
  TFileDescriptor(TFileDescriptor&& other) noexcept : FFd(std::exchange(other.FFd, -1)) {}
  TFileDescriptor& operator=(TFileDescriptor&& other) noexcept {
    if (this != &other) {
      Close();
      FFd = std::exchange(other.FFd, -1);
    }
    return *this;
  }

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
