// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace flightdeck {

// The About box: product, version, publisher, logo and two links to our web pages.
class TixoAboutBox : public QDialog {
  Q_OBJECT

public:
  explicit TixoAboutBox(QWidget* parent = nullptr);
};

// The README, the manual: installed, beside the program, or in the source tree of a build;
// empty when there is none.
QString ReadmePath();

} // namespace flightdeck
