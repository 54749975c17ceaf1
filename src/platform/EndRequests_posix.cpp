// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EndRequests.h"

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace flightdeck {

namespace {

int Ends[2] = {-1, -1}; // written by the handler, read by the event loop

void Requested(int) {
  const char byte = 1;
  (void)!write(Ends[1], &byte, 1); // a request already waiting is enough
}

} // namespace

int EndRequestDescriptor() {
  static const int descriptor = [] {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, Ends) != 0)
      return -1;
    struct sigaction action {};
    action.sa_handler = Requested;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    return Ends[0];
  }();
  return descriptor;
}

void TakeEndRequests() {
  char bytes[16];
  while (Ends[0] >= 0 && read(Ends[0], bytes, sizeof bytes) > 0) {
  }
}

} // namespace flightdeck
