// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace flightdeck {

// A path of the host's file system, as its calls take it: one existing spelling of each name
// ("/" between them), not the program's path that names it (see HostPath). The host-file
// functions, digests, transactions and histories take this type, so that a program path cannot
// reach them by mistake; text becomes a host path only where it is known to be one.
class THostPath {
public:
  THostPath() = default;
  explicit THostPath(std::string native) : FNative(std::move(native)) {}

  const std::string& Native() const { return FNative; }
  const char* c_str() const { return FNative.c_str(); }
  bool Empty() const { return FNative.empty(); }
  // The folder it lies in: "." for a bare name, "/" for one at the root.
  THostPath Parent() const;
  // The entry `name` of this folder.
  THostPath operator/(std::string_view name) const;

  auto operator<=>(const THostPath&) const = default;

private:
  std::string FNative;
};

// Maps a program path onto the host file system the way Wine does: "\" and "/" both separate
// components, and each component is the entry of exactly that name, or else the first entry
// (by byte order) whose name matches without regard to ASCII case (a name not in UTF-8 matching
// as its Windows-1252 characters, as an older tool may have written it). Components that do not
// exist keep the spelling given, so a file created at the result never becomes a second
// spelling of an existing name. On Windows the host matches names itself: the path is used as it
// is, "\\" turned into "/". A path holding a NUL byte names no file: it raises EInOutError.
THostPath HostPath(std::string_view programPath);

// True when the path holds a NUL byte, which no file name can.
bool HasNulByte(std::string_view path);

// While a scope is open on a thread, the names of each folder that the lookup needs are read
// once and kept, so that a command creating or looking up many names in one folder does not
// read that folder again for each. The program's own changes are told to the scope (below);
// scopes nest, and the outermost one forgets everything when it closes.
class THostLookupScope {
public:
  THostLookupScope();
  ~THostLookupScope();
  THostLookupScope(const THostLookupScope&) = delete;
  THostLookupScope& operator=(const THostLookupScope&) = delete;
};

// The program created, resp. removed, the entry at `hostPath`.
void NoteHostEntryCreated(const THostPath& hostPath);
void NoteHostEntryRemoved(const THostPath& hostPath);

// The names in the host folder `hostFolder`, as the open scope knows them when it has looked a
// name up there, or freshly read. Empty when the folder cannot be read.
std::vector<std::string> HostFolderNames(const THostPath& hostFolder);

} // namespace flightdeck
