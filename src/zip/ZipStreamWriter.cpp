// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a new archive in one pass.

#include "zip/ZipStreamWriter.h"

#include "platform/HostFiles.h"
#include "platform/InOutError.h"

#include <algorithm>

namespace flightdeck {

namespace {

constexpr std::uint32_t Classic = 0xFFFFFFFF; // a field too small: its value is in Zip64 records
constexpr std::uint16_t MadeByUnix = 0x033F;  // Unix, version 6.3 of the format
// As a user's umask of 022 leaves files and folders: no tool extracts them writable by others.
constexpr std::uint32_t FileAttributes = 0100644u << 16;
constexpr std::uint32_t FolderAttributes = 0040755u << 16;
constexpr std::uint16_t Utf8Flag = 0x0800;
constexpr std::uint16_t SlowDeflateFlag = 0x0002;
constexpr std::uint16_t FastDeflateFlag = 0x0004;

void Put(std::string& bytes, std::uint64_t value, int width) {
  for (int i = 0; i < width; ++i)
    bytes += static_cast<char>((value >> (8 * i)) & 0xff);
}

std::uint16_t NeededVersion(const TZipStreamEntry& entry, bool zip64) {
  if (zip64)
    return 45;
  return entry.Deflated || entry.Name.ends_with('/') ? 20 : 10;
}

// The UTF-8 flag only where a name needs it: a plain ASCII name reads alike in every tool.
// A deflated entry tells its speed as zip tools do.
std::uint16_t Flags(const TZipStreamEntry& entry) {
  const std::string& name = entry.Name;
  const std::uint16_t speed = !entry.Deflated    ? 0
                              : entry.Level == 1 ? FastDeflateFlag
                              : entry.Level == 9 ? SlowDeflateFlag
                                                 : 0;
  return speed |
         (std::any_of(name.begin(), name.end(), [](char c) { return (c & 0x80) != 0; }) ? Utf8Flag
                                                                                        : 0);
}

// What a local header and a central directory record share, from "version needed" on.
void PutCommon(std::string& bytes, const TZipStreamEntry& entry, std::uint64_t storedSize,
               bool zip64) {
  Put(bytes, NeededVersion(entry, zip64), 2);
  Put(bytes, Flags(entry), 2);
  Put(bytes, entry.Deflated ? 8 : 0, 2);
  Put(bytes, entry.DosTime, 4);
  Put(bytes, entry.Crc, 4);
  Put(bytes, storedSize, 4);
  Put(bytes, entry.Size, 4);
  Put(bytes, entry.Name.size(), 2);
}

} // namespace

void TZipStreamWriter::Add(const TZipStreamEntry& entry, std::string_view data) {
  if (entry.Size >= Classic || data.size() >= Classic)
    throw EInOutError(TooLargeError(), FFile.Target().Native(),
                      "\"" + entry.Name + "\" is 4 GiB or larger, more than an entry may hold");
  std::string header;
  Put(header, 0x04034b50, 4);
  PutCommon(header, entry, data.size(), false);
  Put(header, 0, 2); // no extra field
  header += entry.Name;
  const std::size_t comment = std::min<std::size_t>(entry.Comment.size(), 0xFFFF);
  const bool zip64 = FOffset >= Classic;
  Put(FDirectory, 0x02014b50, 4);
  Put(FDirectory, MadeByUnix, 2);
  PutCommon(FDirectory, entry, data.size(), zip64);
  Put(FDirectory, zip64 ? 12 : 0, 2);
  Put(FDirectory, comment, 2);
  Put(FDirectory, 0, 4); // the first disk; no internal attributes
  Put(FDirectory, entry.Name.ends_with('/') ? FolderAttributes : FileAttributes, 4);
  Put(FDirectory, zip64 ? Classic : FOffset, 4);
  FDirectory += entry.Name;
  if (zip64) {
    Put(FDirectory, 0x0001, 2);
    Put(FDirectory, 8, 2);
    Put(FDirectory, FOffset, 8);
  }
  FDirectory.append(entry.Comment, 0, comment);
  FFile.Write(header);
  FFile.Write(data);
  FOffset += header.size() + data.size();
  ++FEntries;
}

void TZipStreamWriter::Commit() {
  const std::uint64_t directoryAt = FOffset;
  const std::uint64_t directorySize = FDirectory.size();
  std::string end = std::move(FDirectory);
  const bool zip64 = FEntries >= 0xFFFF || directoryAt >= Classic || directorySize >= Classic;
  if (zip64) {
    Put(end, 0x06064b50, 4);
    Put(end, 44, 8); // the record's size after this field
    Put(end, MadeByUnix, 2);
    Put(end, 45, 2);
    Put(end, 0, 8); // this disk, the directory's disk
    Put(end, FEntries, 8);
    Put(end, FEntries, 8);
    Put(end, directorySize, 8);
    Put(end, directoryAt, 8);
    Put(end, 0x07064b50, 4); // where that record is
    Put(end, 0, 4);
    Put(end, directoryAt + directorySize, 8);
    Put(end, 1, 4); // disks
  }
  Put(end, 0x06054b50, 4);
  Put(end, 0, 4); // this disk, the directory's disk
  Put(end, zip64 ? 0xFFFF : FEntries, 2);
  Put(end, zip64 ? 0xFFFF : FEntries, 2);
  Put(end, zip64 ? Classic : directorySize, 4);
  Put(end, zip64 ? Classic : directoryAt, 4);
  Put(end, 0, 2); // no comment
  FFile.Write(end);
  FFile.Commit();
}

} // namespace flightdeck
