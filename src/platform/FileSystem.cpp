// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileSystem.h"

#include "platform/HostFiles.h"
#include "platform/HostPath.h"
#include "platform/InOutError.h"
#include "platform/IoFaults.h"
#include "platform/Limits.h"
#include "platform/ReplacementFile.h"

#include <algorithm>

namespace flightdeck {

namespace {

std::optional<THostFileState> StateOf(std::string_view path) {
  if (HasNulByte(path))
    return std::nullopt;
  return HostFileState(HostPath(path));
}

} // namespace

bool FileExists(std::string_view path) {
  const std::optional<THostFileState> state = StateOf(path);
  return state && state->Regular;
}

bool EntryExists(std::string_view path) {
  return !HasNulByte(path) && HostEntryExists(HostPath(path));
}

bool DirectoryExists(std::string_view path) {
  const std::optional<THostFileState> state = StateOf(path);
  return state && state->Directory;
}

void CheckFileReadable(std::string_view path) {
  const THostPath host = HostPath(path);
  CheckIoFault(TIoStep::OpenForReading, host);
  THostFile::OpenRegular(host);
}

void ReadFilePieces(std::string_view path, const std::function<void(std::string_view)>& consume,
                    std::uint64_t limit) {
  const THostPath host = HostPath(path);
  CheckIoFault(TIoStep::OpenForReading, host);
  ReadHostPieces(host, consume, limit);
}

std::string ReadFileBytes(std::string_view path) {
  return ReadFileBytes(path, UINT64_MAX);
}

std::string ReadFileBytes(std::string_view path, std::uint64_t limit) {
  const THostPath host = HostPath(path);
  CheckIoFault(TIoStep::OpenForReading, host);
  return ReadHostFile(host, limit);
}

std::string ReadFileStart(std::string_view path, std::uint64_t limit) {
  const THostPath host = HostPath(path);
  CheckIoFault(TIoStep::OpenForReading, host);
  const THostFile file = THostFile::OpenRegular(host);
  std::string bytes(static_cast<std::size_t>(std::min(limit, file.Size())), '\0');
  std::size_t filled = 0;
  while (filled < bytes.size())
    if (const std::size_t count = file.Read(bytes.data() + filled, bytes.size() - filled, host))
      filled += count;
    else
      break;
  bytes.resize(filled);
  return bytes;
}

void CopyFileReplacing(std::string_view source, std::string_view destination) {
  TReplacementFile file(destination);
  ReadFilePieces(source, [&](std::string_view piece) { file.Write(piece); });
  file.Commit();
}

void SaveFileAtomically(std::string_view path, std::string_view bytes) {
  TReplacementFile file(path);
  file.Write(bytes);
  file.Commit();
}

void SaveStandardInput(std::string_view path, std::uint64_t limit) {
  TReplacementFile file(path);
  std::string piece(std::size_t{64} * 1024, '\0');
  std::uint64_t total = 0;
  while (const std::size_t count = ReadStandardInput(piece.data(), piece.size())) {
    total += count;
    if (total > limit)
      throw EInOutError(TooLargeError(), "standard input",
                        "Input too large: standard input holds more than " + SizeInWords(limit) +
                            ", the most this program reads of it");
    file.Write(std::string_view(piece.data(), count));
  }
  file.Commit();
}

bool RemoveFile(std::string_view path) {
  if (HasNulByte(path))
    return false;
  const THostPath host = HostPath(path);
  if (!RemoveHostFile(host))
    return false;
  NoteHostEntryRemoved(host);
  return true;
}

bool IsSameFile(std::string_view a, std::string_view b) {
  const std::optional<THostFileState> first = StateOf(a);
  const std::optional<THostFileState> second = StateOf(b);
  return first && second && first->Volume == second->Volume && first->Index == second->Index;
}

std::optional<std::int64_t> FileModifiedTime(std::string_view path) {
  const std::optional<THostFileState> state = StateOf(path);
  if (!state)
    return std::nullopt;
  return state->Modified / 1000000000;
}

void ForceDirectories(std::string_view path) {
  const std::string host = HostPath(path).Native();
  for (std::size_t at = host.find('/', 1);; at = host.find('/', at + 1)) {
    const THostPath prefix(host.substr(0, at));
    if (!prefix.Empty() && !HostFileState(prefix)) {
      if (MakeHostDirectory(prefix))
        NoteHostEntryCreated(prefix);
      else if (!IsAlreadyExists(LastHostError()))
        RaiseLastIOError(prefix.Native());
    }
    if (at == std::string::npos)
      return;
  }
}

bool IsInsideDirectory(std::string_view path, std::string_view directory) {
  if (HasNulByte(path) || HasNulByte(directory))
    return false;
  const std::string inside = RealHostPath(HostPath(path)).Native();
  std::string root = RealHostPath(HostPath(directory)).Native();
  if (inside.empty() || root.empty())
    return false;
  if (root.back() != '/')
    root += '/';
  return inside.rfind(root, 0) == 0 || inside + "/" == root;
}

} // namespace flightdeck
