// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ReplacementFile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace flightdeck {

// An entry as it is stored: its data already stored or deflated, its checksum and sizes known.
struct TZipStreamEntry {
  std::string Name; // UTF-8; a folder's ends with "/"
  bool Deflated = false;
  std::uint32_t Crc = 0;
  std::uint64_t Size = 0;
  std::uint32_t DosTime = 0;
  std::string Comment;
  int Level = 6; // of a deflated entry: zip tools mark 1 as fast and 9 as slow
};

// Writes a new archive front to back: each entry's header and data as it comes, then the
// central directory, with Zip64 records once the entries or offsets outgrow the classic ones.
// Only the central directory is held, some fifty bytes an entry. The archive replaces the
// file at its path on Commit; dropped before, it leaves nothing. Failures raise EInOutError.
class TZipStreamWriter {
public:
  explicit TZipStreamWriter(const std::string& archivePath) : FFile(archivePath) {}

  // `data`: the entry's bytes as stored, at most 4 GiB less a byte, as its uncompressed size.
  void Add(const TZipStreamEntry& entry, std::string_view data);
  void Commit();

private:
  TReplacementFile FFile;
  std::string FDirectory;
  std::uint64_t FOffset = 0; // where the next entry begins
  std::uint64_t FEntries = 0;
};

} // namespace flightdeck
