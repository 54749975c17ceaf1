#include "platform/TemporaryFolder.h"

#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"

#include <filesystem>

namespace flightdeck {

TTemporaryFolder::TTemporaryFolder() : FPath(MakeHostTemporaryFolder()) {}

TTemporaryFolder::~TTemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(FPath, ignored);
}

void RenameReplacing(const std::string& from, const std::string& to) {
  const std::string target = HostPath(to);
  if (!RenameHostFile(HostPath(from), target))
    RaiseLastIOError(target);
  NoteHostEntryCreated(target);
}

} // namespace flightdeck
