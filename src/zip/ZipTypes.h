// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace flightdeck {

using TZipCompressionLevel = int; // 0 (store) to 9

enum TZipOverwrite : std::uint8_t { zowAsk, zowNever, zowAlways };

// MS-DOS attribute bits of an entry: 0x01 read-only, 0x02 hidden, 0x04 system, 0x08 volume
// label, 0x10 directory, 0x20 archive.
using TZipAttributes = std::uint8_t;

using TZipDateTime = std::chrono::sys_seconds;

// The MS-DOS time of 1 January 1980, where the zip format's dates begin; an entry whose stored
// date is not a valid date is given this one.
inline constexpr TZipDateTime ZipEpoch{std::chrono::sys_days{std::chrono::year{1980} / 1 / 1}};

struct TZipFileStats {
  std::string FileName;   // lower case
  std::string StoredName; // as the archive spells it
  std::uint32_t OriginalSize = 0;
  std::uint32_t CompressedSize = 0;
  std::uint32_t Crc32 = 0;
  TZipAttributes Attributes = 0;
  TZipDateTime DateTime = ZipEpoch;
  std::uint32_t EntryIndex = 0;
  std::uint8_t CompressionMethod = 0; // 0 stored, 8 deflated, ...
  std::uint8_t CompressionRatio = 0;  // percent saved
  std::uint8_t EncryptionMethod = 0;
  bool Encrypted = false;
  std::string Comment; // at most 255 characters
};

struct TZipSkipping {
  std::string FileName; // lower case
  std::uint8_t Reason = 0;
};

// Why an entry was skipped.
enum TZipSkipReason : std::uint8_t {
  zsrUnsafeName = 1,   // it would leave the extract directory, or has no usable name
  zsrTooLarge = 2,     // larger than an entry may be
  zsrSymbolicLink = 3, // links are never extracted
  zsrNotNewer = 4,     // freshen or update found the file on disk as new
  zsrExists = 5,       // the file exists and is not to be replaced
  zsrUnreadable = 6,   // its data is damaged or needs a password that was not given
};

// What to do with a file that extraction would overwrite.
enum TZipReplaceAnswer : std::uint8_t { zraReplace = 0, zraSkip = 1, zraRename = 2 };

struct TZipReplace {
  std::string FileName;
  std::string NewName; // empty on entry; a bare name when the answer is zraRename
  std::uint8_t Answer = zraReplace;
};

enum TZipPasswordAnswer : std::uint8_t { zpaNone = 0, zpaSkip = 1, zpaUse = 2 };

struct TZipPwdQuery {
  std::string FileName;
  std::string Password; // at most 80 characters; empty on entry
  std::uint8_t Answer = zpaNone;
};

struct TZipFileComment {
  std::string FileName;
  std::string Comment; // at most 255 characters; empty on entry
};

} // namespace flightdeck
