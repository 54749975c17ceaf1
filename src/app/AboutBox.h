// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace flightdeck {

// The About box: product, version, publisher, logo, a link to the README and one to the demo
// game at `demoGame` (none when empty), which closes the box to open it.
class TixoAboutBox : public QDialog {
  Q_OBJECT

public:
  explicit TixoAboutBox(const QString& demoGame, QWidget* parent = nullptr);
  bool DemoGameChosen() const { return FDemoGameChosen; }

private:
  bool FDemoGameChosen = false;
};

// The demo game shipped with the program: installed, beside the program, or in the source tree
// of a build; empty when there is none.
QString DemoGamePath();
// Where the demo game at `demoGame` is copied before it opens, in the user's data folder, when the
// user may not change it where it is (installed with the program, or in a folder the user
// cannot write); empty when it opens where it is.
QString DemoGameCopyPath(const QString& demoGame);

// The README, the manual: installed, beside the program, or in the source tree of a build;
// empty when there is none.
QString ReadmePath();

} // namespace flightdeck
