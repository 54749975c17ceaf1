// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HostPath.h"
#include "zip/ZipTypes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace flightdeck {

// What the central directory says of an entry, read straight from the archive: its MS-DOS date
// and time word (libzip hands out only a normalised time, in which an invalid stored date can no
// longer be told from a valid one), and the span of the archive it takes at least: its local
// header, its name and its compressed data (0 to 0 when Zip64 fields hold them).
struct TCentralEntry {
  std::uint32_t DosTime = 0;
  std::uint64_t Start = 0;
  std::uint64_t End = 0;
};
// The entries in central directory order (libzip's index order); empty when the central
// directory cannot be found.
std::vector<TCentralEntry> ReadCentralDirectory(const THostPath& hostPath);

// Whether entries of the archive overlap, their data shared by several names: a crafted archive
// that makes a few kilobytes extract as gigabytes.
bool EntriesShareData(const std::vector<TCentralEntry>& entries);

// Date in the high 16 bits, time in the low 16 bits; an invalid date gives ZipEpoch.
TZipDateTime DosDateTime(std::uint32_t dosTime);
// The word of a time, to the even second below; a time outside 1980 to 2107 gives the nearest
// one the format holds.
std::uint32_t DosTimeWord(TZipDateTime local);

// An entry's date and time is the local time of the machine that stored it, as the format
// defines it; the file system counts seconds since 1970 in UTC. These convert between the two
// in this machine's time zone.
std::int64_t FileTimeOfLocal(TZipDateTime local);
TZipDateTime LocalOfFileTime(std::int64_t seconds);

} // namespace flightdeck
