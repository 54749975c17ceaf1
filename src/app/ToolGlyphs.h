// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace flightdeck {

enum class TToolGlyph {
  Folder,
  NewMission,
  OpenMission,
  EditMission,
  InstallMission,
  InstallPack,
  Neutral,
  Rebel,
  Imperial
};

// The tool-bar pictures, drawn for this program at 16 x 16 on a magenta ground, which the
// buttons take as transparent (it is the colour of the lower-left pixel).
QImage ToolGlyph(TToolGlyph glyph);

} // namespace flightdeck
