// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HostPath.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flightdeck {

// The operating system's files, on host paths (see HostPath): the one interface over which the
// rest of the program reaches them, built for POSIX (HostFiles_posix.cpp) and for Win32
// (HostFiles_win.cpp). On Windows a host path is the program's Windows-1252 text with "/" as
// separator, handed to the wide-character API.
//
// Calls that answer with false leave the reason as the last host error (LastHostError).

// An open file of the host, closed when it goes.
class THostFile {
public:
  THostFile() = default;
  ~THostFile();
  THostFile(THostFile&& other) noexcept;
  THostFile& operator=(THostFile&& other) noexcept;
  THostFile(const THostFile&) = delete;
  THostFile& operator=(const THostFile&) = delete;

  // The regular file at `hostPath`, open for reading. Anything but a regular file is refused
  // without being read, so that a FIFO or a device cannot hang or flood the program; so is a
  // link, unless `followLink`. Failures raise EInOutError.
  static THostFile OpenRegular(const THostPath& hostPath, bool followLink = true);
  // A new file at `hostPath`, open for writing; not open when it cannot be made, with a name
  // that is taken told by IsAlreadyExists.
  static THostFile CreateNew(const THostPath& hostPath);
  // The file at `hostPath`, made or emptied, open for writing; readable by its owner only.
  static THostFile CreatePrivate(const THostPath& hostPath);

  bool IsOpen() const { return FHandle != Closed; }
  // Of a file opened for reading, as it was when opened.
  std::uint64_t Size() const { return FSize; }
  // Reads into `buffer`; 0 at the end. Failures raise EInOutError on `hostPath`.
  std::size_t Read(char* buffer, std::size_t size, const THostPath& hostPath) const;
  // Reads from `offset` on, leaving where Read goes on unchanged where the host allows.
  std::size_t ReadAt(char* buffer, std::size_t size, std::uint64_t offset,
                     const THostPath& hostPath) const;
  bool WriteAll(std::string_view bytes) const;
  bool Sync() const; // on disk before it returns
  // Gives the file the permissions of another (THostFileState::Permissions).
  bool TakePermissions(std::uint32_t permissions) const;
  // Closes now, so that a late write error (a full disk on some file systems) is seen.
  bool Close();

private:
  static constexpr std::intptr_t Closed = -1;
  explicit THostFile(std::intptr_t handle) : FHandle(handle) {}
  std::intptr_t FHandle = Closed;
  std::uint64_t FSize = 0;
};

// What the host knows of an entry, links followed.
struct THostFileState {
  bool Regular = false;
  bool Directory = false;
  std::uint64_t Size = 0;
  // The file itself, whatever path reaches it, and when it last changed (nanoseconds).
  std::uint64_t Volume = 0;
  std::uint64_t Index = 0;
  std::int64_t Modified = 0;
  std::int64_t Changed = 0;
  // Who may do what with it: POSIX permission bits; Windows leaves them to the folder's rules.
  std::uint32_t Permissions = 0;

  bool operator==(const THostFileState&) const = default;
  // The file itself, whatever path reaches it: "volume:index".
  std::string Identity() const { return std::to_string(Volume) + ":" + std::to_string(Index); }
  // Whether this is the file `before` was, of the same size and last written at the same time:
  // it holds the same bytes, unless its time of writing was set back. A move or a second link
  // changes no more than its time of change.
  bool IsUnwrittenSince(const THostFileState& before) const {
    return Volume == before.Volume && Index == before.Index && Size == before.Size &&
           Modified == before.Modified;
  }
};
std::optional<THostFileState> HostFileState(const THostPath& hostPath);
// Whether the entry exists itself, a link that leads nowhere too.
bool HostEntryExists(const THostPath& hostPath);
// Whether the entry is a link (on Windows, any reparse point) rather than what it leads to.
bool IsHostLink(const THostPath& hostPath);
// The target of a link, with every link followed; `hostPath` for anything else. On Windows,
// any existing file by its real path, spelled as on disk.
THostPath FollowHostLink(const THostPath& hostPath);
// The path with every link and "." or ".." followed; empty when it does not exist.
THostPath RealHostPath(const THostPath& hostPath);

bool RemoveHostFile(const THostPath& hostPath);
// Puts `from` in place of `to`, replacing it, on disk before it returns where the host allows.
bool RenameHostFile(const THostPath& from, const THostPath& to);
bool MakeHostDirectory(const THostPath& hostPath);
// A second name for the file at `existing`.
bool LinkHostFile(const THostPath& existing, const THostPath& link);
bool SetHostModifiedTime(const THostPath& hostPath, std::int64_t seconds);
// The names in a folder, without "." and "..", at most `limit` of them in the host's order;
// empty when it cannot be read.
std::vector<std::string> ReadHostFolder(const THostPath& hostFolder, std::size_t limit = SIZE_MAX);
// The system's temporary folder, ending with "/".
THostPath HostTemporaryBase();
// Makes a folder that only its owner may enter (POSIX: mode 0700).
bool MakePrivateHostDirectory(const THostPath& hostPath);
// Raises EInOutError, in words, for the last error of making a temporary folder in `base`.
[[noreturn]] void RaiseTemporaryFolderError(const THostPath& base);
// Whether the entry at `hostPath` itself (not where a link leads) is a file, or a private
// folder (POSIX: mode 0700), of the user running the program.
bool IsOwnHostEntry(const THostPath& hostPath, bool folder);

// Whether names that differ only in case are different names (POSIX), or the host matches
// them without regard to case itself (Windows).
bool HostNamesHaveCase();

// The running process, and whether the one of that number has ended.
long HostProcessId();
bool HostProcessEnded(long processId);
// Eight hex digits each, the same for every process: of the machine's start, and of the process
// namespace (the processes this one can see). Zeros where the host does not tell.
std::string HostBootTag();
std::string HostProcessSpaceTag();

// The last error of the calling thread, in the host's numbering, and what kind it is.
int LastHostError();
bool IsNotFound(int error);
bool IsAlreadyExists(int error);
// A name the host cannot hold (too long, or of characters it refuses): no such file can exist.
bool IsNameRefused(int error);
// Reasons the program gives itself, in the host's numbering.
int NotARegularFileError(bool directory);
int IsALinkError();
int TooLargeError();

// Reads at most `size` bytes of the process's standard input, as bytes; 0 at its end.
std::size_t ReadStandardInput(char* buffer, std::size_t size);
int NoSuchFileError();

// The folder of the host's per-user data for this program: $XDG_DATA_HOME/flightdeck or
// ~/.local/share/flightdeck; %LOCALAPPDATA%\Flightdeck on Windows.
THostPath HostDataFolder();

// Reads the regular file at `hostPath` as it is on disk, whatever a transaction stages for
// it, handing its bytes to `consume` piece by piece. Failures raise EInOutError, and so does a
// file larger than `limit`, before it is read.
void ReadHostPieces(const THostPath& hostPath, const std::function<void(std::string_view)>& consume,
                    std::uint64_t limit = UINT64_MAX);
std::string ReadHostFile(const THostPath& hostPath);
// The same for a file of at most `limit` bytes: a larger one is refused unread.
std::string ReadHostFile(const THostPath& hostPath, std::uint64_t limit);

} // namespace flightdeck
