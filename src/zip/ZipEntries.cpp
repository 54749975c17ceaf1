// SPDX-License-Identifier: GPL-3.0-or-later
#include "zip/ZipEntries.h"

#include "platform/AsciiCase.h"
#include "zip/ZipDosTime.h"
#include "zip/ZipNames.h"

namespace flightdeck {

namespace {

constexpr std::size_t MaxComment = 255;

// The bits of a Unix mode, as an archive made on Unix keeps them, whatever the host.
constexpr zip_uint32_t UnixTypeMask = 0170000;
constexpr zip_uint32_t UnixLinkType = 0120000;
constexpr zip_uint32_t UnixDirectoryType = 0040000;
constexpr zip_uint32_t UnixOwnerWrite = 0200;

// The MS-DOS attribute bits of an entry; for one made on Unix without them, taken from its mode.
TZipAttributes EntryAttributes(zip_t* archive, zip_uint64_t index) {
  zip_uint8_t system = 0;
  zip_uint32_t attributes = 0;
  if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0)
    return 0;
  auto bits = static_cast<TZipAttributes>(attributes & 0x3F);
  const zip_uint32_t mode = attributes >> 16;
  if (bits == 0 && system == ZIP_OPSYS_UNIX && mode != 0) {
    if ((mode & UnixTypeMask) == UnixDirectoryType)
      bits |= 0x10;
    if ((mode & UnixOwnerWrite) == 0)
      bits |= 0x01;
  }
  return bits;
}

} // namespace

std::string ZipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

TZipFileStats EntryStats(zip_t* archive, zip_uint64_t index,
                         const std::vector<TCentralEntry>& central) {
  TZipFileStats stats;
  stats.EntryIndex = static_cast<std::uint32_t>(index);
  zip_stat_t entry;
  zip_stat_init(&entry);
  if (zip_stat_index(archive, index, 0, &entry) != 0)
    return stats;
  stats.StoredName = EntryName(archive, index);
  stats.FileName = LowerCaseAscii(stats.StoredName);
  if (entry.valid & ZIP_STAT_SIZE)
    stats.OriginalSize = static_cast<std::uint32_t>(entry.size);
  if (entry.valid & ZIP_STAT_COMP_SIZE)
    stats.CompressedSize = static_cast<std::uint32_t>(entry.comp_size);
  if (entry.valid & ZIP_STAT_CRC)
    stats.Crc32 = entry.crc;
  if (entry.valid & ZIP_STAT_COMP_METHOD)
    stats.CompressionMethod = static_cast<std::uint8_t>(entry.comp_method);
  if (entry.valid & ZIP_STAT_ENCRYPTION_METHOD) {
    stats.EncryptionMethod = static_cast<std::uint8_t>(entry.encryption_method);
    stats.Encrypted = entry.encryption_method != ZIP_EM_NONE;
  }
  if (entry.size > 0 && entry.comp_size < entry.size)
    stats.CompressionRatio = static_cast<std::uint8_t>(100 - entry.comp_size * 100 / entry.size);
  if (index < central.size())
    stats.DateTime = DosDateTime(central[index].DosTime);
  stats.Attributes = EntryAttributes(archive, index);
  zip_uint32_t length = 0;
  if (const char* comment = zip_file_get_comment(archive, index, &length, 0))
    stats.Comment.assign(comment, std::min<std::size_t>(length, MaxComment));
  return stats;
}

bool IsSymbolicLink(zip_t* archive, zip_uint64_t index) {
  zip_uint8_t system = 0;
  zip_uint32_t attributes = 0;
  return zip_file_get_external_attributes(archive, index, 0, &system, &attributes) == 0 &&
         system == ZIP_OPSYS_UNIX && ((attributes >> 16) & UnixTypeMask) == UnixLinkType;
}

} // namespace flightdeck
