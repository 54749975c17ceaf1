// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the window's test classes in one application object.

#include "app/Application.h"

int RunFlightdeckFormTest(int argc, char** argv);
int RunNumberCommandsTest(int argc, char** argv);
int RunEditCommandsTest(int argc, char** argv);
int RunInstallCommandsTest(int argc, char** argv);
int RunPackCommandsTest(int argc, char** argv);
int RunCliParityTest(int argc, char** argv);
int RunProblemCommandsTest(int argc, char** argv);

int main(int argc, char** argv) {
  flightdeck::TixoApplication application(argc, argv);
  int failures = 0;
  for (auto run :
       {RunFlightdeckFormTest, RunNumberCommandsTest, RunEditCommandsTest, RunInstallCommandsTest,
        RunPackCommandsTest, RunCliParityTest, RunProblemCommandsTest})
    failures += run(argc, argv);
  return failures == 0 ? 0 : 1;
}
