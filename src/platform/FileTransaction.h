#pragma once

#include "platform/ReplacementFile.h"

#include <string_view>
#include <vector>

namespace flightdeck {

// Replaces a set of files together. Stage writes each new content to a temporary file in the
// target's directory; Commit renames them over their targets in the order staged. Until
// Commit, no target is touched: a failure (raised as EInOutError) or a transaction that is
// dropped uncommitted leaves every old file byte-for-byte intact and no temporary file behind.
class TFileTransaction {
public:
  void Stage(std::string_view path, std::string_view bytes);
  void Commit();

private:
  std::vector<TReplacementFile> FStaged;
};

// A transaction of one file.
void SaveFileAtomically(std::string_view path, std::string_view bytes);

} // namespace flightdeck
