// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the window's test classes in one application object.

#include "app/Application.h"

#include <utility>

int RunFlightdeckFormTest(int argc, char** argv);
int RunNumberCommandsTest(int argc, char** argv);
int RunEditCommandsTest(int argc, char** argv);
int RunInstallCommandsTest(int argc, char** argv);
int RunPackCommandsTest(int argc, char** argv);
int RunCliParityTest(int argc, char** argv);
int RunProblemCommandsTest(int argc, char** argv);
int RunReachTest(int argc, char** argv);

int main(int argc, char** argv) {
  flightdeck::TixoApplication application(argc, argv);
  // FLIGHTDECK_TEST_CLASS names the one class to run, for a run of its own on another screen.
  const QByteArray only = qgetenv("FLIGHTDECK_TEST_CLASS");
  const std::pair<const char*, int (*)(int, char**)> classes[] = {
      {"FlightdeckForm", RunFlightdeckFormTest},   {"NumberCommands", RunNumberCommandsTest},
      {"EditCommands", RunEditCommandsTest},       {"InstallCommands", RunInstallCommandsTest},
      {"PackCommands", RunPackCommandsTest},       {"CliParity", RunCliParityTest},
      {"ProblemCommands", RunProblemCommandsTest}, {"Reach", RunReachTest}};
  int failures = 0;
  for (const auto& [name, run] : classes)
    if (only.isEmpty() || only == name)
      failures += run(argc, argv);
  return failures == 0 ? 0 : 1;
}
