// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace flightdeck {

// Every function takes a program path (see HostPath) and raises EInOutError when the file
// system fails. They see the disk as it is: a command's staged files are read through its
// transaction.

bool FileExists(std::string_view path);      // exists and is a regular file
bool DirectoryExists(std::string_view path); // exists and is a directory
bool EntryExists(std::string_view path);     // exists as anything: file, folder, pipe, link

// The whole content of a file, bytes as they are; only regular files are read, and with a
// `limit`, only those of at most that many bytes.
std::string ReadFileBytes(std::string_view path);
std::string ReadFileBytes(std::string_view path, std::uint64_t limit);
// At most the first `limit` bytes of a regular file.
std::string ReadFileStart(std::string_view path, std::uint64_t limit);
// A regular file handed to `consume` piece by piece; one larger than `limit` is refused.
void ReadFilePieces(std::string_view path, const std::function<void(std::string_view)>& consume,
                    std::uint64_t limit = UINT64_MAX);

// Raises EInOutError unless the regular file can be opened for reading.
void CheckFileReadable(std::string_view path);

// Copies `source` over `destination`, replacing it only when the copy is complete. For files
// outside a game: a game's files change through its session.
void CopyFileReplacing(std::string_view source, std::string_view destination);
// Writes `bytes` as the whole new content of the file at `path`, the same way.
void SaveFileAtomically(std::string_view path, std::string_view bytes);

// Writes what comes on standard input, to its end, as the whole new content of the file at
// `path`; more than `limit` bytes are refused with EInOutError.
void SaveStandardInput(std::string_view path, std::uint64_t limit);

// Deletes a file; false when it could not be deleted.
bool RemoveFile(std::string_view path);

// True when both paths name the same existing file.
bool IsSameFile(std::string_view a, std::string_view b);

// Seconds since 1970 of the file's last change; empty when it does not exist.
std::optional<std::int64_t> FileModifiedTime(std::string_view path);

// Creates the directory and every missing one above it.
void ForceDirectories(std::string_view path);

// True when `path`, with every link in it followed, lies within `directory`.
bool IsInsideDirectory(std::string_view path, std::string_view directory);

} // namespace flightdeck
