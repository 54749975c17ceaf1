// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace flightdeck {

// A new, private folder below the system's temporary folder, removed with everything in it
// when the object goes. Raises EInOutError when it cannot be created.
class TTemporaryFolder {
public:
  TTemporaryFolder();
  ~TTemporaryFolder();
  TTemporaryFolder(const TTemporaryFolder&) = delete;
  TTemporaryFolder& operator=(const TTemporaryFolder&) = delete;

  // The folder's path, ending with a separator.
  const std::string& Path() const { return FPath; }

private:
  std::string FPath;
};

// Renames `from` over `to`, replacing it.
void RenameReplacing(const std::string& from, const std::string& to);

} // namespace flightdeck
