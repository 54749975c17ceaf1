#include "platform/TemporaryFolder.h"

#include "platform/HostPath.h"
#include "platform/InOutError.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace flightdeck {

TTemporaryFolder::TTemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "flightdeck-XXXXXX").string();
  if (!mkdtemp(pattern.data()))
    RaiseLastIOError();
  FPath = pattern + "/";
}

TTemporaryFolder::~TTemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(FPath, ignored);
}

void RenameReplacing(const std::string& from, const std::string& to) {
  const std::string target = HostPath(to);
  if (std::rename(HostPath(from).c_str(), target.c_str()) != 0)
    RaiseLastIOError(target);
  NoteHostEntryCreated(target);
}

} // namespace flightdeck
