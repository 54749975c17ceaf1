#pragma once

#include "lists/MissionTypes.h"

#include <string>

namespace flightdeck {

// The pack commands of flightdeck-cli; each returns the exit code and reports on the streams.
int InstallPackCommand(const std::string& gameDirectory, TMissionType type, TGender gender,
                       const std::string& pack);
int BuildPackCommand(const std::string& gameDirectory, TMissionType type, TGender gender,
                     const std::string& label, const std::string& pack);
int PackInfoCommand(const std::string& pack);

} // namespace flightdeck
