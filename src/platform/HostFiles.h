#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace flightdeck {

// Reads the regular file at the host path `hostPath` as it is on disk, whatever a transaction
// stages for it, handing its bytes to `consume` piece by piece. Anything but a regular file is
// refused without being read (EISDIR for a directory, EINVAL else), so that a FIFO or a device
// cannot hang or flood the program. Failures raise EInOutError.
void ReadHostPieces(const std::string& hostPath,
                    const std::function<void(std::string_view)>& consume);
std::string ReadHostFile(const std::string& hostPath);

} // namespace flightdeck
