// SPDX-License-Identifier: GPL-3.0-or-later
#include "zip/ZipArchiver.h"

#include "zip/ZipNames.h"

#include <algorithm>
#include <exception>

namespace flightdeck {

namespace {

// The date before which the engine leaves files out when writing: 1 January 1980, that is all.
const char* const DateFilter = "010180";
constexpr std::size_t MaxPasswordAnswer = 80;

bool StartsWith(const std::string& text, char c) {
  return !text.empty() && text.front() == c;
}

} // namespace

// Turns the engine's reports into the archiver's events.
class TZipArchiver::TEventBridge : public TZipEngineEvents {
public:
  explicit TEventBridge(TZipArchiver& archiver) : FArchiver(archiver) {}

  bool Listing(const TZipFileStats& stats) override { return Raise(FArchiver.OnListing, stats); }
  bool Extracting(const TZipFileStats& stats) override {
    return Raise(FArchiver.OnExtracting, stats);
  }
  bool Adding(const TZipFileStats& stats) override { return Raise(FArchiver.OnAdding, stats); }
  bool Updating(const TZipFileStats& stats) override { return Raise(FArchiver.OnUpdating, stats); }
  bool Skipping(const TZipSkipping& skipping) override {
    return Raise(FArchiver.OnSkippingFile, skipping);
  }
  bool Replace(TZipReplace& replace) override {
    return Raise<TZipReplace&>(FArchiver.OnReplace, replace);
  }
  bool Testing(const TZipFileStats& stats) override { return Raise(FArchiver.OnTesting, stats); }
  bool Status(const TZipFileStats& stats) override { return Raise(FArchiver.OnStatus, stats); }
  bool Deleting(const std::string& fileName) override {
    return Raise(FArchiver.OnDeleting, fileName);
  }
  bool FileComment(TZipFileComment& comment) override {
    const bool stop = Raise<TZipFileComment&>(FArchiver.OnFileComment, comment);
    comment.Comment.resize(std::min<std::size_t>(comment.Comment.size(), 255));
    return stop;
  }
  bool Writing(double done) override { return Raise(FArchiver.OnWriting, done); }
  TFileTransaction* Staging() override { return FArchiver.StageInto; }
  bool PasswordQuery(TZipPwdQuery& query) override {
    return Handle([&] { FArchiver.AnswerPasswordQuery(query); });
  }

private:
  // Lets the window paint, then runs what a report asks of the archiver's handlers; true to stop.
  // What a handler raises stops the engine and passes through the operation unchanged.
  template <typename THandler>
  bool Handle(THandler&& handler) {
    if (FArchiver.OnProcessMessages)
      FArchiver.OnProcessMessages();
    try {
      handler();
    } catch (...) {
      FFailure = std::current_exception();
      return true;
    }
    return FArchiver.FAbortRequested;
  }
  template <typename T, typename TArgument>
  bool Raise(const TEvent<T>& event, TArgument&& argument) {
    return Handle([&] {
      if (event)
        event(FArchiver, std::forward<TArgument>(argument));
    });
  }

public:
  std::exception_ptr FFailure;

private:
  TZipArchiver& FArchiver;
};

void TZipArchiver::AppendFileSpecs(std::vector<std::string>& arguments,
                                   bool includesAllowed) const {
  const std::size_t before = arguments.size();
  bool includes = false;
  bool excludes = false;
  for (const std::string& request : FilesToProcess) {
    if (includesAllowed && StartsWith(request, '>'))
      includes = true;
    else if (StartsWith(request, '<'))
      excludes = true;
    else
      arguments.push_back(request);
  }
  // Patterns only narrow down specifications; with none there is nothing to narrow.
  if (arguments.size() == before)
    return;
  const auto appendMarked = [&](const char* option, char mark) {
    arguments.emplace_back(option);
    for (const std::string& request : FilesToProcess)
      if (StartsWith(request, mark))
        arguments.push_back(request.substr(1));
  };
  if (includes)
    appendMarked("-i", '>');
  if (excludes)
    appendMarked("-x", '<');
}

std::vector<std::string> TZipArchiver::ListArguments() const {
  std::vector<std::string> arguments{Password, "-v"};
  if (MultidiskMode)
    arguments.emplace_back("-!");
  arguments.push_back(ZipPathArgument(ZipFileName));
  AppendFileSpecs(arguments, false);
  return arguments;
}

std::vector<std::string> TZipArchiver::ExtractArguments(std::uint8_t action) const {
  std::vector<std::string> arguments{Password};
  if (action == 1)
    arguments.emplace_back("-f");
  if (action == 2)
    arguments.emplace_back("-u");
  if (!UsePaths)
    arguments.emplace_back("-j");
  if (MultidiskMode)
    arguments.emplace_back("-!");
  if (Overwrite == zowNever)
    arguments.emplace_back("-n");
  if (Overwrite == zowAlways)
    arguments.emplace_back("-o");
  arguments.push_back(ZipPathArgument(ZipFileName));
  AppendFileSpecs(arguments, false);
  if (!ExtractDirectory.empty()) {
    arguments.emplace_back("-d");
    arguments.push_back(ExtractDirectory);
  }
  return arguments;
}

std::vector<std::string> TZipArchiver::AddArguments(std::uint8_t action) const {
  std::vector<std::string> arguments{Password};
  const auto add = [&](bool condition, const char* option) {
    if (condition)
      arguments.emplace_back(option);
  };
  add(action == 1, "-f");
  add(action == 2, "-u");
  add(!Password.empty(), "-e");
  arguments.push_back("-" + std::to_string(std::clamp(Compression, 0, 9)));
  add(MoveFiles, "-m");
  add(action != 1 && IncludeHiddenFiles, "-S");
  add(action != 1 && UsePaths && IncludeDirectoryEntries, "-D");
  add(action == 0 && IncludeVolumeLabel, "-$");
  add(Recurse, "-r");
  add(!UsePaths, "-j");
  add(!UseTempFile || MultidiskMode, "-g");
  if (!TempPath.empty()) {
    arguments.emplace_back("-b");
    arguments.push_back(TempPath);
  }
  if (!StoredExtensions.empty()) {
    arguments.emplace_back("-n");
    arguments.push_back(StoredExtensions);
  }
  add(MultidiskMode, "-!");
  add(ClearDisks, "-&");
  arguments.emplace_back("-t");
  arguments.emplace_back(DateFilter);
  arguments.push_back(ZipPathArgument(ZipFileName));
  AppendFileSpecs(arguments, true);
  return arguments;
}

void TZipArchiver::AnswerPasswordQuery(TZipPwdQuery& query) {
  if (!Password.empty()) {
    query.Password = Password.substr(0, MaxPasswordAnswer);
    query.Answer = zpaUse;
  } else if (OnPwdQuery) {
    OnPwdQuery(*this, query);
    query.Password.resize(std::min(query.Password.size(), MaxPasswordAnswer));
  }
}

int TZipArchiver::Run(TEngine engine, std::vector<std::string> arguments) {
  // Whatever happens, also when an event handler throws, the next operation starts afresh.
  struct TCleanUp {
    TZipArchiver& Archiver;
    ~TCleanUp() {
      Archiver.FAbortRequested = false;
      Archiver.FilesToProcess.clear();
    }
  } cleanUp{*this};
  FAbortRequested = false;
  FLastError.clear();
  TEventBridge events(*this);
  std::vector<std::string>().swap(FilesToProcess); // they are in the arguments: held once
  const TZipEngineResult result = engine(std::move(arguments), events);
  if (events.FFailure)
    std::rethrow_exception(events.FFailure);
  FLastError = result.Reason;
  return result.Code;
}

int TZipArchiver::ListFiles() {
  return Run(ZipRead, ListArguments());
}

int TZipArchiver::ExtractFiles(std::uint8_t action) {
  if (action != 0 && MultidiskMode) {
    FilesToProcess.clear();
    return ZipMultidiskRefused;
  }
  return Run(ZipRead, ExtractArguments(action));
}

int TZipArchiver::AddFiles(std::uint8_t action) {
  if (action != 0 && MultidiskMode) {
    FilesToProcess.clear();
    return ZipMultidiskRefused;
  }
  return Run(ZipWrite, AddArguments(action));
}

} // namespace flightdeck
