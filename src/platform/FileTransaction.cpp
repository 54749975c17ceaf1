#include "platform/FileTransaction.h"

#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/GameCommand.h"
#include "platform/HostFiles.h"
#include "platform/InOutError.h"

namespace flightdeck {

namespace {

thread_local TFileTransaction* OpenTransaction = nullptr;

// One key for every spelling of a file: its folder as found on the host, and its name in
// lower case, the way the lookup matches names.
std::string StagingKey(const std::string& host) {
  const std::size_t slash = host.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  return host.substr(0, nameStart) + LowerCaseAscii(std::string_view(host).substr(nameStart));
}

} // namespace

TFileTransaction::TFileTransaction() : FOuter(OpenTransaction) {
  if (!FOuter)
    OpenTransaction = this;
}

TFileTransaction::~TFileTransaction() {
  if (!FOuter)
    OpenTransaction = nullptr;
}

void TFileTransaction::Add(std::string_view path, TReplacementFile file) {
  if (FOuter) {
    FOuter->Add(path, std::move(file));
    return;
  }
  // A file staged again replaces what was staged for it before, in its first place.
  const auto [at, added] = FIndex.emplace(StagingKey(HostPath(path)), FStaged.size());
  auto staged = std::make_unique<TReplacementFile>(std::move(file));
  if (added)
    FStaged.push_back(std::move(staged));
  else
    FStaged[at->second] = std::move(staged);
}

void TFileTransaction::Stage(std::string_view path, std::string_view bytes) {
  TReplacementFile file(path);
  file.Write(bytes);
  file.Finish();
  StageWritten(path, std::move(file));
}

void TFileTransaction::StageWritten(std::string_view path, TReplacementFile file) {
  Add(path, std::move(file));
}

void TFileTransaction::StageCopy(std::string_view source, std::string_view path) {
  TReplacementFile file(path);
  ReadFilePieces(source, [&](std::string_view piece) { file.Write(piece); });
  file.Finish();
  Add(path, std::move(file));
}

void TFileTransaction::StageRemoval(const std::string& hostPath) {
  if (FOuter)
    FOuter->StageRemoval(hostPath);
  else
    FRemovals.push_back(hostPath);
}

void TFileTransaction::Commit() {
  if (FOuter)
    return;
  TGameCommand* command = TGameCommand::Current();
  int entry = 0;
  if (command && (!FStaged.empty() || !FRemovals.empty())) {
    std::vector<TGameHistory::TChange> changes;
    for (const TStagedFile& file : StagedFiles())
      changes.push_back({file.Target, file.Digest});
    for (const std::string& removal : FRemovals)
      changes.push_back({removal, "-"});
    entry = command->History().Begin(command->Command(), command->Subject(), command->Undoes(),
                                     changes);
  }
  try {
    for (const std::unique_ptr<TReplacementFile>& file : FStaged)
      file->Commit();
    for (const std::string& removal : FRemovals)
      if (!RemoveHostFile(removal) && !IsNotFound(LastHostError()))
        RaiseLastIOError(removal);
  } catch (...) {
    if (entry != 0)
      command->History().RollBack(entry);
    throw;
  }
  if (entry != 0)
    command->History().Finish(entry);
  FStaged.clear();
  FIndex.clear();
  FRemovals.clear();
}

std::vector<TFileTransaction::TStagedFile> TFileTransaction::StagedFiles() const {
  if (FOuter)
    return FOuter->StagedFiles();
  std::vector<TStagedFile> files;
  for (const std::unique_ptr<TReplacementFile>& file : FStaged) {
    file->Finish();
    files.push_back({file->Target(), file->Digest()});
  }
  return files;
}

std::string TFileTransaction::StagedHostPath(const std::string& hostPath) {
  if (!OpenTransaction || OpenTransaction->FIndex.empty())
    return {};
  const auto found = OpenTransaction->FIndex.find(StagingKey(hostPath));
  return found == OpenTransaction->FIndex.end()
             ? std::string()
             : OpenTransaction->FStaged[found->second]->TempPath();
}

void SaveFileAtomically(std::string_view path, std::string_view bytes) {
  TFileTransaction transaction;
  transaction.Stage(path, bytes);
  transaction.Commit();
}

} // namespace flightdeck
