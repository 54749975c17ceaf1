// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/FileTransaction.h"

#include "platform/AsciiCase.h"
#include "platform/ContentDigest.h"
#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "platform/InOutError.h"

#include <algorithm>

namespace flightdeck {

namespace {

// One key for every spelling of a file: its folder as found on the host, and its name in
// lower case, the way the lookup matches names.
std::string StagingKey(const THostPath& hostPath) {
  const std::string& host = hostPath.Native();
  const std::size_t slash = host.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  return host.substr(0, nameStart) + LowerCaseAscii(std::string_view(host).substr(nameStart));
}

// The file at `hostPath` itself, "volume:index"; empty when there is none.
std::string FileIdentity(const THostPath& hostPath) {
  const std::optional<THostFileState> state = HostFileState(hostPath);
  return state ? state->Identity() : "";
}

} // namespace

TFileTransaction::TFileTransaction() = default;
TFileTransaction::~TFileTransaction() = default;

void TFileTransaction::Add(const THostPath& hostPath, TReplacementFile file) {
  Place(StagingKey(hostPath), std::make_unique<TReplacementFile>(std::move(file)));
}

void TFileTransaction::Place(const std::string& key, std::unique_ptr<TReplacementFile> file) {
  // A file staged anew is no longer to be removed.
  if (!FRemovals.empty()) {
    const std::string target = FileIdentity(file->Target());
    for (std::size_t i = FRemovals.size(); i-- > 0;)
      if (StagingKey(FRemovals[i]) == key || (!target.empty() && FRemovedFiles[i] == target)) {
        FRemovals.erase(FRemovals.begin() + static_cast<std::ptrdiff_t>(i));
        FRemovedFiles.erase(FRemovedFiles.begin() + static_cast<std::ptrdiff_t>(i));
      }
  }
  // A file staged again replaces what was staged for it before, in its first place.
  const auto [at, added] = FIndex.emplace(key, FStaged.size());
  if (added)
    FStaged.push_back(std::move(file));
  else
    FStaged[at->second] = std::move(file);
}

void TFileTransaction::Stage(std::string_view path, std::string_view bytes) {
  TReplacementFile file(path);
  file.Write(bytes);
  file.Finish();
  StageWritten(path, std::move(file));
}

void TFileTransaction::StageWritten(std::string_view path, TReplacementFile file) {
  Add(HostPath(path), std::move(file));
}

void TFileTransaction::StageWritten(const THostPath& hostPath, TReplacementFile file) {
  Add(hostPath, std::move(file));
}

void TFileTransaction::StageCopy(std::string_view source, std::string_view path) {
  TReplacementFile file(path);
  ReadFilePieces(source, [&](std::string_view piece) { file.Write(piece); });
  file.Finish();
  Add(HostPath(path), std::move(file));
}

void TFileTransaction::StageRemoval(const THostPath& hostPath) {
  FRemovals.push_back(hostPath);
  FRemovedFiles.push_back(FileIdentity(hostPath));
}

std::vector<TFileTransaction::TStagedFile> TFileTransaction::Commit() {
  std::vector<TStagedFile> committed = StagedFiles();
  for (std::size_t i = 0; i < FStaged.size(); ++i) {
    FStaged[i]->Commit();
    committed[i].Left = FStaged[i]->Left();
  }
  for (const THostPath& removal : FRemovals)
    if (!RemoveHostFile(removal) && !IsNotFound(LastHostError()))
      RaiseLastIOError(removal.Native());
  FStaged.clear();
  FIndex.clear();
  FRemovals.clear();
  FRemovedFiles.clear();
  return committed;
}

void TFileTransaction::TakeOver(TFileTransaction& other) {
  std::vector<const std::string*> keys(other.FStaged.size());
  for (const auto& [key, at] : other.FIndex)
    keys[at] = &key;
  for (std::size_t i = 0; i < other.FStaged.size(); ++i)
    Place(*keys[i], std::move(other.FStaged[i]));
  FRemovals.insert(FRemovals.end(), other.FRemovals.begin(), other.FRemovals.end());
  FRemovedFiles.insert(FRemovedFiles.end(), other.FRemovedFiles.begin(), other.FRemovedFiles.end());
  other.FStaged.clear();
  other.FIndex.clear();
  other.FRemovals.clear();
  other.FRemovedFiles.clear();
}

void TFileTransaction::LeaveOutUnchanged(TDigestMemo& digests) {
  // Each staged file's new place, or -1 once it is left out.
  std::vector<std::ptrdiff_t> places(FStaged.size(), -1);
  std::vector<std::unique_ptr<TReplacementFile>> kept;
  for (std::size_t i = 0; i < FStaged.size(); ++i) {
    FStaged[i]->Finish();
    // A file of another size, or none, is changed without reading it.
    const std::optional<THostFileState> now = HostFileState(FStaged[i]->Target());
    if (!now || now->Size != FStaged[i]->Written().Size() ||
        digests.Digest(FStaged[i]->Target()) != FStaged[i]->Digest()) {
      places[i] = static_cast<std::ptrdiff_t>(kept.size());
      kept.push_back(std::move(FStaged[i]));
    }
  }
  FStaged = std::move(kept);
  for (auto entry = FIndex.begin(); entry != FIndex.end();) {
    const std::ptrdiff_t place = places[entry->second];
    if (place < 0) {
      entry = FIndex.erase(entry);
    } else {
      entry->second = static_cast<std::size_t>(place);
      ++entry;
    }
  }
}

std::vector<TFileTransaction::TStagedFile> TFileTransaction::StagedFiles() const {
  std::vector<TStagedFile> files;
  for (const std::unique_ptr<TReplacementFile>& file : FStaged) {
    file->Finish();
    files.push_back({file->Target(), file->Digest(), std::nullopt});
  }
  return files;
}

THostPath TFileTransaction::StagedHostPath(std::string_view path) const {
  if (FIndex.empty())
    return {};
  const auto found = FIndex.find(StagingKey(HostPath(path)));
  return found == FIndex.end() ? THostPath() : FStaged[found->second]->TempPath();
}

THostPath TFileTransaction::HostPathToRead(std::string_view path) const {
  const THostPath staged = StagedHostPath(path);
  return staged.Empty() ? HostPath(path) : staged;
}

bool TFileTransaction::IsStagedRemoval(std::string_view path) const {
  if (FRemovals.empty())
    return false;
  const std::string file = FileIdentity(HostPath(path));
  return !file.empty() &&
         std::find(FRemovedFiles.begin(), FRemovedFiles.end(), file) != FRemovedFiles.end();
}

bool TFileTransaction::FileExists(std::string_view path) const {
  return !StagedHostPath(path).Empty() || (!IsStagedRemoval(path) && flightdeck::FileExists(path));
}

std::optional<std::string> TFileTransaction::ReadFile(std::string_view path) const {
  if (const THostPath staged = StagedHostPath(path); !staged.Empty())
    return ReadHostFile(staged);
  if (IsStagedRemoval(path) || !flightdeck::FileExists(path))
    return std::nullopt;
  return ReadFileBytes(path);
}

} // namespace flightdeck
