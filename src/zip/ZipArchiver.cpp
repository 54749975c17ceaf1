// SPDX-License-Identifier: GPL-3.0-or-later
#include "zip/ZipArchiver.h"

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

// ".ZIP;.LZH" and ".zip:.lzh" are the suffixes ".ZIP" and ".LZH", and ".zip" and ".lzh".
std::vector<std::string> SplitSuffixes(const std::string& list) {
  std::vector<std::string> suffixes;
  std::string current;
  for (const char c : list + ";") {
    if (c == ';' || c == ':') {
      if (!current.empty())
        suffixes.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  return suffixes;
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
  TZipStaging* Staging() override { return FArchiver.StageInto; }
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

template <typename TOptions>
void TZipArchiver::TakeFileSpecs(TOptions& options) const {
  constexpr bool withIncludes = requires {
    options.Includes;
  };
  for (const std::string& request : FilesToProcess) {
    if (StartsWith(request, '<'))
      options.Excludes.push_back(request.substr(1));
    else if (!withIncludes || !StartsWith(request, '>'))
      options.Specs.push_back(request); // reading, ">name" is a name like any other
    else if constexpr (withIncludes)
      options.Includes.push_back(request.substr(1));
  }
  // Patterns only narrow down specifications; with none there is nothing to narrow.
  if (options.Specs.empty()) {
    options.Excludes.clear();
    if constexpr (withIncludes)
      options.Includes.clear();
  }
}

TZipReadOptions TZipArchiver::ReadOptions() const {
  TZipReadOptions options;
  options.Password = Password;
  options.Multidisk = MultidiskMode;
  options.Archive = ZipFileName;
  TakeFileSpecs(options);
  return options;
}

TZipReadOptions TZipArchiver::ListOptions() const {
  TZipReadOptions options = ReadOptions();
  options.List = true;
  return options;
}

TZipReadOptions TZipArchiver::ExtractOptions(std::uint8_t action) const {
  TZipReadOptions options = ReadOptions();
  options.Freshen = action == 1;
  options.Update = action == 2;
  options.JunkPaths = !UsePaths;
  options.Overwrite = Overwrite;
  options.Directory = ExtractDirectory;
  return options;
}

TZipWriteOptions TZipArchiver::AddOptions(std::uint8_t action) const {
  TZipWriteOptions options;
  options.Password = Password;
  options.Freshen = action == 1;
  options.Update = action == 2;
  options.Encrypt = !Password.empty();
  options.Level = std::clamp(Compression, 0, 9);
  options.Move = MoveFiles;
  options.Hidden = action != 1 && IncludeHiddenFiles;
  options.DirectoryEntries = action != 1 && UsePaths && IncludeDirectoryEntries;
  options.VolumeLabel = action == 0 && IncludeVolumeLabel;
  options.Recurse = Recurse;
  options.JunkPaths = !UsePaths;
  options.InPlace = !UseTempFile || MultidiskMode;
  options.TempPath = TempPath;
  options.StoredSuffixes = SplitSuffixes(StoredExtensions);
  options.Multidisk = MultidiskMode;
  options.ClearDisks = ClearDisks;
  options.NewerThan = DateFilter;
  options.Archive = ZipFileName;
  TakeFileSpecs(options);
  return options;
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

template <typename TEngine, typename TOptions>
int TZipArchiver::Run(TEngine engine, TOptions options) {
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
  std::vector<std::string>().swap(FilesToProcess); // they are in the options: held once
  const TZipEngineResult result = engine(std::move(options), events);
  if (events.FFailure)
    std::rethrow_exception(events.FFailure);
  FLastError = result.Reason;
  return result.Code;
}

int TZipArchiver::ListFiles() {
  return Run(ZipRead, ListOptions());
}

int TZipArchiver::ExtractFiles(std::uint8_t action) {
  if (action != 0 && MultidiskMode) {
    FilesToProcess.clear();
    return ZipMultidiskRefused;
  }
  return Run(ZipRead, ExtractOptions(action));
}

int TZipArchiver::AddFiles(std::uint8_t action) {
  if (action != 0 && MultidiskMode) {
    FilesToProcess.clear();
    return ZipMultidiskRefused;
  }
  return Run(ZipWrite, AddOptions(action));
}

} // namespace flightdeck
