#pragma once

#include "zip/ZipTypes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace flightdeck {

// The MS-DOS date and time word of each entry, in central directory order (libzip's index
// order), read straight from the archive: libzip hands out only a normalised time, in which an
// invalid stored date can no longer be told from a valid one. Empty when the central
// directory cannot be found.
std::vector<std::uint32_t> ReadCentralDosTimes(const std::string& hostPath);

// Whether entries of the archive overlap, their data shared by several names: a crafted archive
// that makes a few kilobytes extract as gigabytes.
bool EntriesShareData(const std::string& hostPath);

// Date in the high 16 bits, time in the low 16 bits; an invalid date gives ZipEpoch.
TZipDateTime DosDateTime(std::uint32_t dosTime);

// An entry's date and time is the local time of the machine that stored it, as the format
// defines it; the file system counts seconds since 1970 in UTC. These convert between the two
// in this machine's time zone.
std::int64_t FileTimeOfLocal(TZipDateTime local);
TZipDateTime LocalOfFileTime(std::int64_t seconds);

} // namespace flightdeck
