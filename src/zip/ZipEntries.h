// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zip/ZipDosTime.h"
#include "zip/ZipTypes.h"

#include <zip.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace flightdeck {

// An open libzip archive; dropped without zip_close, it is discarded unchanged.
struct TZipDiscard {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using TZipHandle = std::unique_ptr<zip_t, TZipDiscard>;

// libzip's message for an error code.
std::string ZipErrorText(int code);

// The statistics of entry `index`; `central` as ReadCentralDirectory gives it.
TZipFileStats EntryStats(zip_t* archive, zip_uint64_t index,
                         const std::vector<TCentralEntry>& central);

// True for an entry stored as a symbolic link by a Unix zip tool.
bool IsSymbolicLink(zip_t* archive, zip_uint64_t index);

} // namespace flightdeck
