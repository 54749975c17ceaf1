// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the test classes of the window's own controls in one application object.

#include <QApplication>

int RunFolderBrowseDlgTest(int argc, char** argv);
int RunFlatSpeedButtonTest(int argc, char** argv);
int RunBevelPanelTest(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  int failures = 0;
  for (auto run : {RunFolderBrowseDlgTest, RunFlatSpeedButtonTest, RunBevelPanelTest})
    failures += run(argc, argv);
  return failures == 0 ? 0 : 1;
}
