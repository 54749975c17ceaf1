#pragma once

#include <QIcon>

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

// The tool-bar pictures, drawn for this program at 16 x 16.
QIcon ToolGlyph(TToolGlyph glyph);

} // namespace flightdeck
