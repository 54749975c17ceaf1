#include "platform/FileTransaction.h"

namespace flightdeck {

void TFileTransaction::Stage(std::string_view path, std::string_view bytes) {
  TReplacementFile file(path);
  file.Write(bytes);
  file.Finish();
  FStaged.push_back(std::move(file));
}

void TFileTransaction::Commit() {
  for (TReplacementFile& file : FStaged)
    file.Commit();
}

void SaveFileAtomically(std::string_view path, std::string_view bytes) {
  TFileTransaction transaction;
  transaction.Stage(path, bytes);
  transaction.Commit();
}

} // namespace flightdeck
