// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HostFiles.h"

#include "platform/InOutError.h"
#include "platform/WidePaths_win.h"
#include "platform/Windows1252.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace flightdeck {

namespace {

HANDLE Handle(std::intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

std::intptr_t Opened(HANDLE handle) {
  return handle == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<std::intptr_t>(handle);
}

HANDLE Open(const THostPath& hostPath, DWORD access, DWORD disposition, DWORD flags = 0) {
  return CreateFileW(WideHostPath(hostPath).c_str(), access,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, disposition,
                     FILE_ATTRIBUTE_NORMAL | flags, nullptr);
}

// 100-nanosecond steps since 1601 to nanoseconds since 1970.
std::int64_t Nanoseconds(std::int64_t steps) {
  return (steps - 116444736000000000LL) * 100;
}

std::int64_t Nanoseconds(const FILETIME& time) {
  return Nanoseconds((static_cast<std::int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

// An existing entry, file or folder, opened to be asked about (or, with `access`, changed).
HANDLE OpenEntry(const THostPath& hostPath, DWORD access = 0) {
  return Open(hostPath, access, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
}

} // namespace

std::wstring WideHostPath(const THostPath& hostPath) {
  const std::u16string text = LenientUtf8ToUtf16(hostPath.Native());
  std::wstring wide(text.begin(), text.end());
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  return wide;
}

std::string NarrowHostPath(std::wstring_view widePath) {
  std::string text = Utf16ToUtf8(std::u16string(widePath.begin(), widePath.end()));
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
}

THostFile THostFile::OpenRegular(const THostPath& hostPath, bool followLink) {
  // A directory opens only with backup semantics: asked for, it is told apart from a file.
  THostFile file(
      Opened(Open(hostPath, GENERIC_READ, OPEN_EXISTING,
                  FILE_FLAG_BACKUP_SEMANTICS | (followLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT))));
  if (!file.IsOpen())
    RaiseLastIOError(hostPath.Native());
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(Handle(file.FHandle), &info))
    RaiseLastIOError(hostPath.Native());
  if (!followLink && (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
    throw EInOutError(IsALinkError(), hostPath.Native());
  const bool directory = info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
  if (directory || GetFileType(Handle(file.FHandle)) != FILE_TYPE_DISK)
    throw EInOutError(NotARegularFileError(directory), hostPath.Native());
  file.FSize = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  return file;
}

THostFile THostFile::CreateNew(const THostPath& hostPath) {
  return THostFile(Opened(Open(hostPath, GENERIC_WRITE, CREATE_NEW)));
}

THostFile THostFile::CreatePrivate(const THostPath& hostPath) {
  // Below the user's own profile, which only the user may read.
  return THostFile(Opened(Open(hostPath, GENERIC_WRITE, CREATE_ALWAYS)));
}

std::size_t THostFile::Read(char* buffer, std::size_t size, const THostPath& hostPath) const {
  DWORD count = 0;
  const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
  if (!ReadFile(Handle(FHandle), buffer, asked, &count, nullptr))
    RaiseLastIOError(hostPath.Native());
  return count;
}

std::size_t THostFile::ReadAt(char* buffer, std::size_t size, std::uint64_t offset,
                              const THostPath& hostPath) const {
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD count = 0;
  const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
  if (!ReadFile(Handle(FHandle), buffer, asked, &count, &at) && GetLastError() != ERROR_HANDLE_EOF)
    RaiseLastIOError(hostPath.Native());
  return count;
}

std::size_t ReadStandardInput(char* buffer, std::size_t size) {
  DWORD count = 0;
  const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
  if (!ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, asked, &count, nullptr) &&
      GetLastError() != ERROR_BROKEN_PIPE) // the writing end closed: the input's end
    RaiseLastIOError("standard input");
  return count;
}

bool THostFile::WriteAll(std::string_view bytes) const {
  while (!bytes.empty()) {
    DWORD count = 0;
    const DWORD asked = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    if (!WriteFile(Handle(FHandle), bytes.data(), asked, &count, nullptr))
      return false;
    bytes.remove_prefix(count);
  }
  return true;
}

bool THostFile::Sync() const {
  return FlushFileBuffers(Handle(FHandle));
}

bool THostFile::TakePermissions(std::uint32_t) const {
  return true; // a new file takes the permissions of its folder
}

bool THostFile::Close() {
  const bool closed = !IsOpen() || CloseHandle(Handle(FHandle));
  FHandle = Closed;
  return closed;
}

std::optional<THostFileState> HostFileState(const THostPath& hostPath) {
  const HANDLE file = OpenEntry(hostPath);
  if (file == INVALID_HANDLE_VALUE)
    return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = GetFileInformationByHandle(file, &info);
  const DWORD error = GetLastError();
  // The time of its last change of any kind, which no program sets; where the volume keeps
  // none, the time of its last write.
  FILE_BASIC_INFO basic{};
  const bool changeKept = known &&
                          GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic) &&
                          basic.ChangeTime.QuadPart != 0;
  CloseHandle(file);
  SetLastError(error);
  if (!known)
    return std::nullopt;
  const bool directory = info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
  return THostFileState{
      !directory,
      directory,
      (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow,
      info.dwVolumeSerialNumber,
      (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
      Nanoseconds(info.ftLastWriteTime),
      changeKept ? Nanoseconds(basic.ChangeTime.QuadPart) : Nanoseconds(info.ftLastWriteTime)};
}

bool HostEntryExists(const THostPath& hostPath) {
  return GetFileAttributesW(WideHostPath(hostPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsHostLink(const THostPath& hostPath) {
  const DWORD attributes = GetFileAttributesW(WideHostPath(hostPath).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

THostPath FollowHostLink(const THostPath& hostPath) {
  // Names match without regard to case here: an existing file goes by its name on disk, so
  // that two spellings of it are one file to the history too.
  const THostPath real = RealHostPath(hostPath);
  return real.Empty() ? hostPath : real;
}

THostPath RealHostPath(const THostPath& hostPath) {
  const HANDLE file = OpenEntry(hostPath);
  if (file == INVALID_HANDLE_VALUE)
    return {};
  wchar_t real[32768];
  const DWORD length = GetFinalPathNameByHandleW(file, real, 32768, FILE_NAME_NORMALIZED);
  CloseHandle(file);
  if (length == 0 || length >= 32768)
    return {};
  std::wstring_view path(real, length);
  if (path.substr(0, 4) == L"\\\\?\\")
    path.remove_prefix(4);
  return THostPath(NarrowHostPath(path));
}

bool RemoveHostFile(const THostPath& hostPath) {
  return DeleteFileW(WideHostPath(hostPath).c_str());
}

bool RenameHostFile(const THostPath& from, const THostPath& to) {
  return MoveFileExW(WideHostPath(from).c_str(), WideHostPath(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool MakeHostDirectory(const THostPath& hostPath) {
  return CreateDirectoryW(WideHostPath(hostPath).c_str(), nullptr);
}

bool LinkHostFile(const THostPath& existing, const THostPath& link) {
  return CreateHardLinkW(WideHostPath(link).c_str(), WideHostPath(existing).c_str(), nullptr);
}

bool SetHostModifiedTime(const THostPath& hostPath, std::int64_t seconds) {
  const HANDLE file = OpenEntry(hostPath, FILE_WRITE_ATTRIBUTES);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  const std::int64_t steps = seconds * 10000000 + 116444736000000000LL;
  FILETIME time{static_cast<DWORD>(steps), static_cast<DWORD>(steps >> 32)};
  const bool set = SetFileTime(file, nullptr, &time, &time);
  const DWORD error = GetLastError();
  CloseHandle(file);
  SetLastError(error);
  return set;
}

std::vector<std::string> ReadHostFolder(const THostPath& hostFolder, std::size_t limit) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found{};
  const THostPath pattern = (hostFolder.Empty() ? THostPath(".") : hostFolder) / "*";
  const HANDLE search = FindFirstFileW(WideHostPath(pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return names;
  do {
    const std::wstring_view name = found.cFileName;
    if (name != L"." && name != L"..")
      names.push_back(NarrowHostPath(name));
  } while (names.size() < limit && FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

THostPath HostTemporaryBase() {
  wchar_t base[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, base);
  if (length == 0 || length > MAX_PATH)
    RaiseTemporaryFolderError({});
  std::string folder = NarrowHostPath(std::wstring_view(base, length));
  return THostPath(folder.back() == '/' ? folder : folder + '/');
}

bool MakePrivateHostDirectory(const THostPath& hostPath) {
  return MakeHostDirectory(hostPath); // below the user's own temporary folder
}

bool IsOwnHostEntry(const THostPath& hostPath, bool folder) {
  const DWORD attributes = GetFileAttributesW(WideHostPath(hostPath).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
         ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folder;
}

bool HostNamesHaveCase() {
  return false;
}

long HostProcessId() {
  return static_cast<long>(GetCurrentProcessId());
}

bool HostProcessEnded(long processId) {
  const HANDLE process =
      OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
  if (!process)
    return GetLastError() == ERROR_INVALID_PARAMETER; // no process of that number
  DWORD code = 0;
  const bool ended = GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
  CloseHandle(process);
  return ended;
}

// Windows runs every process of a session where this one can see it; a process number taken
// again after a restart is only ever taken for a live owner, which keeps what it names.
std::string HostBootTag() {
  return "00000000";
}

std::string HostProcessSpaceTag() {
  return "00000000";
}

int LastHostError() {
  return static_cast<int>(GetLastError());
}

bool IsNotFound(int error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool IsAlreadyExists(int error) {
  return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

bool IsNameRefused(int error) {
  return error == ERROR_INVALID_NAME || error == ERROR_FILENAME_EXCED_RANGE ||
         error == ERROR_BAD_PATHNAME;
}

int NotARegularFileError(bool directory) {
  constexpr int DirectoryNotSupported = 336; // ERROR_DIRECTORY_NOT_SUPPORTED, newer than MinGW's
  return directory ? DirectoryNotSupported : ERROR_BAD_FILE_TYPE;
}

int IsALinkError() {
  return ERROR_CANT_ACCESS_FILE;
}

int TooLargeError() {
  return ERROR_FILE_TOO_LARGE;
}

int NoSuchFileError() {
  return ERROR_FILE_NOT_FOUND;
}

THostPath HostDataFolder() {
  wchar_t folder[MAX_PATH + 1];
  const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", folder, MAX_PATH + 1);
  if (length == 0 || length > MAX_PATH)
    return THostPath("Flightdeck");
  return THostPath(NarrowHostPath(std::wstring_view(folder, length))) / "Flightdeck";
}

} // namespace flightdeck
