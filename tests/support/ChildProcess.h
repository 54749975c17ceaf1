// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace flightdeck::test {

// What happened in a child process: Skipped with a reason when its preparation was not
// possible on this machine, otherwise the message of the EInOutError the action raised
// ("" when it raised none).
struct TChildOutcome {
  bool Skipped = false;
  std::string Message;
};

// Runs `prepare`, then `action`, in a forked child, so that a test may drop privileges or
// mount a file system without affecting the rest of the run. `prepare` signals that it cannot
// work here by throwing std::runtime_error.
TChildOutcome RunInChild(const std::function<void()>& prepare, const std::function<void()>& action);

// Preparations.
void BecomeUnprivileged(); // root gives up its rights, so that permissions hold for it too
// A private mount namespace with a tmpfs of `bytes` bytes mounted on `directory`.
void MountSmallFileSystem(const std::string& directory, unsigned bytes);

} // namespace flightdeck::test
