// SPDX-License-Identifier: GPL-3.0-or-later
#include "zip/ZipDosTime.h"

#include "platform/CalendarTime.h"
#include "platform/HostFiles.h"
#include "platform/InOutError.h"

#include <algorithm>
#include <ctime>
#include <functional>
#include <optional>
#include <utility>

namespace flightdeck {

namespace {

constexpr std::uint32_t EndOfCentralDirectory = 0x06054b50;
constexpr std::uint32_t Zip64Locator = 0x07064b50;
constexpr std::uint32_t Zip64EndOfCentralDirectory = 0x06064b50;
constexpr std::uint32_t CentralHeader = 0x02014b50;
constexpr std::size_t EndRecordSize = 22;
constexpr std::size_t CentralHeaderSize = 46;
constexpr std::uint64_t LocalHeaderSize = 30;

std::uint64_t Little(const std::string& bytes, std::size_t at, int width) {
  std::uint64_t value = 0;
  for (int i = width - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

// The bytes of the archive at `offset`, all `size` of them, else "".
std::string ReadRange(const THostFile& file, const THostPath& hostPath, std::uint64_t offset,
                      std::uint64_t size) {
  std::string bytes(static_cast<std::size_t>(size), '\0');
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const std::size_t count =
        file.ReadAt(bytes.data() + filled, bytes.size() - filled, offset + filled, hostPath);
    if (count == 0)
      return {};
    filled += count;
  }
  return bytes;
}

} // namespace

namespace {

// Calls `visit` with the central directory and where each of its headers starts; false when
// the directory cannot be found or is malformed.
bool VisitCentralHeaders(const THostPath& hostPath,
                         const std::function<void(const std::string&, std::size_t)>& visit) {
  std::optional<THostFile> opened;
  try {
    opened.emplace(THostFile::OpenRegular(hostPath));
  } catch (const EInOutError&) {
    return false;
  }
  const THostFile& file = *opened;
  const std::uint64_t fileSize = file.Size();
  if (fileSize < EndRecordSize)
    return false;
  // The end record lies within the last 64 KiB plus its own size (its comment is at most that).
  const std::uint64_t tailSize = std::min<std::uint64_t>(fileSize, 65535 + EndRecordSize);
  const std::string tail = ReadRange(file, hostPath, fileSize - tailSize, tailSize);
  if (tail.empty())
    return false;
  std::size_t end = tail.size() - EndRecordSize + 1;
  do {
    --end;
  } while (end > 0 && Little(tail, end, 4) != EndOfCentralDirectory);
  if (Little(tail, end, 4) != EndOfCentralDirectory)
    return false;
  std::uint64_t count = Little(tail, end + 10, 2);
  std::uint64_t size = Little(tail, end + 12, 4);
  std::uint64_t offset = Little(tail, end + 16, 4);
  if (count == 0xFFFF || size == 0xFFFFFFFF || offset == 0xFFFFFFFF) {
    if (end < 20 || Little(tail, end - 20, 4) != Zip64Locator)
      return false;
    const std::uint64_t recordOffset = Little(tail, end - 12, 8);
    if (recordOffset > fileSize || fileSize - recordOffset < 56)
      return false;
    const std::string record = ReadRange(file, hostPath, recordOffset, 56);
    if (record.empty() || Little(record, 0, 4) != Zip64EndOfCentralDirectory)
      return false;
    count = Little(record, 32, 8);
    size = Little(record, 40, 8);
    offset = Little(record, 48, 8);
  }
  if (offset > fileSize || size > fileSize - offset || count > size / CentralHeaderSize)
    return false;
  const std::string directory = ReadRange(file, hostPath, offset, size);
  std::size_t at = 0;
  for (std::uint64_t i = 0; i < count; ++i) {
    if (at > directory.size() || directory.size() - at < CentralHeaderSize ||
        Little(directory, at, 4) != CentralHeader)
      return false;
    visit(directory, at);
    at += CentralHeaderSize + Little(directory, at + 28, 2) + Little(directory, at + 30, 2) +
          Little(directory, at + 32, 2);
  }
  return true;
}

} // namespace

std::vector<TCentralEntry> ReadCentralDirectory(const THostPath& hostPath) {
  std::vector<TCentralEntry> entries;
  if (!VisitCentralHeaders(hostPath, [&](const std::string& directory, std::size_t at) {
        TCentralEntry entry;
        entry.DosTime = static_cast<std::uint32_t>(Little(directory, at + 14, 2) << 16 |
                                                   Little(directory, at + 12, 2));
        // Its local header, its name and its compressed data, from where the header starts.
        const std::uint64_t compressed = Little(directory, at + 20, 4);
        const std::uint64_t offset = Little(directory, at + 42, 4);
        if (compressed != 0xFFFFFFFF && offset != 0xFFFFFFFF) {
          entry.Start = offset;
          entry.End = offset + LocalHeaderSize + Little(directory, at + 28, 2) + compressed;
        }
        entries.push_back(entry);
      }))
    return {};
  return entries;
}

bool EntriesShareData(const std::vector<TCentralEntry>& entries) {
  std::vector<std::pair<std::uint64_t, std::uint64_t>> spans;
  for (const TCentralEntry& entry : entries)
    if (entry.End > 0)
      spans.emplace_back(entry.Start, entry.End);
  std::sort(spans.begin(), spans.end());
  for (std::size_t i = 1; i < spans.size(); ++i)
    if (spans[i].first < spans[i - 1].second)
      return true;
  return false;
}

TZipDateTime DosDateTime(std::uint32_t dosTime) {
  using namespace std::chrono;
  const std::uint32_t date = dosTime >> 16;
  const year_month_day day{year{static_cast<int>(1980 + (date >> 9))}, month{(date >> 5) & 15u},
                           std::chrono::day{date & 31u}};
  const unsigned hours = (dosTime >> 11) & 31u, minutes = (dosTime >> 5) & 63u,
                 seconds = (dosTime & 31u) * 2;
  if (!day.ok() || hours > 23 || minutes > 59 || seconds > 59)
    return ZipEpoch;
  return sys_days{day} + std::chrono::hours{hours} + std::chrono::minutes{minutes} +
         std::chrono::seconds{seconds};
}

std::uint32_t DosTimeWord(TZipDateTime local) {
  using namespace std::chrono;
  const TZipDateTime last = sys_days{year{2107} / 12 / 31} + hours{23} + minutes{59} + seconds{58};
  local = std::clamp(local, ZipEpoch, last);
  const sys_days day = floor<days>(local);
  const year_month_day date{day};
  const hh_mm_ss<seconds> time{local - day};
  const auto dosDate = static_cast<std::uint32_t>(
      static_cast<unsigned>(static_cast<int>(date.year()) - 1980) << 9 |
      static_cast<unsigned>(date.month()) << 5 | static_cast<unsigned>(date.day()));
  return dosDate << 16 |
         static_cast<std::uint32_t>(time.hours().count() << 11 | time.minutes().count() << 5 |
                                    time.seconds().count() / 2);
}

std::int64_t FileTimeOfLocal(TZipDateTime local) {
  using namespace std::chrono;
  const sys_days day = floor<days>(local);
  const year_month_day date{day};
  const hh_mm_ss<seconds> time{local - day};
  std::tm fields{};
  fields.tm_year = static_cast<int>(date.year()) - 1900;
  fields.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
  fields.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
  fields.tm_hour = static_cast<int>(time.hours().count());
  fields.tm_min = static_cast<int>(time.minutes().count());
  fields.tm_sec = static_cast<int>(time.seconds().count());
  fields.tm_isdst = -1; // whatever daylight saving time said on that day
  return static_cast<std::int64_t>(std::mktime(&fields));
}

TZipDateTime LocalOfFileTime(std::int64_t seconds) {
  using namespace std::chrono;
  const std::optional<std::tm> local = LocalCalendarTime(static_cast<std::time_t>(seconds));
  if (!local)
    return ZipEpoch;
  const std::tm& fields = *local;
  const year_month_day date{year{fields.tm_year + 1900},
                            month{static_cast<unsigned>(fields.tm_mon + 1)},
                            day{static_cast<unsigned>(fields.tm_mday)}};
  return sys_days{date} + hours{fields.tm_hour} + minutes{fields.tm_min} +
         std::chrono::seconds{fields.tm_sec};
}

} // namespace flightdeck
