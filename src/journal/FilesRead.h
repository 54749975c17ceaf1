// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ContentDigest.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flightdeck {

// A file a command read, and what it held then: the digest of its bytes, "-" when there was
// no such file. A command that writes what it made of those bytes checks first that they are
// still what it read (see TSession::Expect).
struct TFileRead {
  std::string Path; // a program path
  std::string Digest;
  // The file as it was when read: while it stays so, it still holds those bytes.
  std::optional<THostFileState> State;
};
using TFilesRead = std::vector<TFileRead>;

// What was read of the file at `path`: `bytes`, its whole content, and the file's state, so that
// checking it again does not read the file while it is unchanged.
TFileRead FileRead(std::string_view path, std::string_view bytes);
// The same, for a file whose digest the reader took as it went.
TFileRead FileRead(std::string_view path, const TContentDigest& digest);
// A file that was looked for and not found.
TFileRead FileNotFound(std::string_view path);

// Whether the file is still what was read: unchanged, or changed to the same bytes.
bool IsAsRead(const TFileRead& read);

} // namespace flightdeck
