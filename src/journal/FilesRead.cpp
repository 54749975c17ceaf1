// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/FilesRead.h"

#include "platform/ContentDigest.h"
#include "platform/HostPath.h"

namespace flightdeck {

TFileRead FileRead(std::string_view path, std::string_view bytes) {
  TContentDigest digest;
  digest.Add(bytes);
  return FileRead(path, digest);
}

TFileRead FileRead(std::string_view path, const TContentDigest& digest) {
  return {std::string(path), digest.Text(), HostFileState(HostPath(path))};
}

TFileRead FileNotFound(std::string_view path) {
  return {std::string(path), "-", std::nullopt};
}

bool IsAsRead(const TFileRead& read) {
  const THostPath host = HostPath(read.Path);
  return (read.State && HostFileState(host) == read.State) || HostFileDigest(host) == read.Digest;
}

} // namespace flightdeck
