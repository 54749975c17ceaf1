// SPDX-License-Identifier: GPL-3.0-or-later
#include "zip/ZipOptions.h"

#include "platform/AsciiCase.h"

namespace flightdeck {

namespace {

bool IsOption(const std::string& argument) {
  return argument.size() >= 2 && argument.front() == '-';
}

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

// Collects the specifications after the archive path, then the pattern lists that follow.
template <typename TOptions>
bool ParseTail(const std::vector<std::string>& arguments, std::size_t at, TOptions& options,
               bool withDirectory, std::string& error) {
  std::vector<std::string>* target = &options.Specs;
  for (; at < arguments.size(); ++at) {
    const std::string& argument = arguments[at];
    if (argument == "-x") {
      target = &options.Excludes;
    } else if (argument == "-i" && !withDirectory) {
      if constexpr (requires { options.Includes; })
        target = &options.Includes;
    } else if (argument == "-d" && withDirectory) {
      if (at + 1 >= arguments.size()) {
        error = "\"-d\" needs a directory";
        return false;
      }
      if constexpr (requires { options.Directory; })
        options.Directory = arguments[++at];
    } else {
      target->push_back(argument);
    }
  }
  return true;
}

// The archive path at `at`, then what follows it.
template <typename TOptions>
std::optional<TOptions> ParseArchiveAndTail(const std::vector<std::string>& arguments,
                                            std::size_t at, TOptions options, bool withDirectory,
                                            std::string& error) {
  if (at >= arguments.size()) {
    error = "no archive named";
    return std::nullopt;
  }
  options.Archive = arguments[at];
  if (!ParseTail(arguments, at + 1, options, withDirectory, error))
    return std::nullopt;
  return options;
}

// The write options that are a letter alone.
constexpr std::pair<std::string_view, bool TZipWriteOptions::*> WriteFlags[] = {
    {"-f", &TZipWriteOptions::Freshen},   {"-u", &TZipWriteOptions::Update},
    {"-e", &TZipWriteOptions::Encrypt},   {"-m", &TZipWriteOptions::Move},
    {"-S", &TZipWriteOptions::Hidden},    {"-D", &TZipWriteOptions::DirectoryEntries},
    {"-r", &TZipWriteOptions::Recurse},   {"-j", &TZipWriteOptions::JunkPaths},
    {"-!", &TZipWriteOptions::Multidisk}, {"-$", &TZipWriteOptions::VolumeLabel},
    {"-g", &TZipWriteOptions::InPlace},   {"-&", &TZipWriteOptions::ClearDisks}};

// Sets the flag `option` stands for; false when it stands for none.
bool TakeWriteFlag(const std::string& option, TZipWriteOptions& options) {
  for (const auto& [letter, flag] : WriteFlags)
    if (option == letter) {
      options.*flag = true;
      return true;
    }
  return false;
}

} // namespace

std::optional<TZipReadOptions> ParseReadOptions(const std::vector<std::string>& arguments,
                                                std::string& error) {
  if (arguments.empty()) {
    error = "empty argument vector";
    return std::nullopt;
  }
  TZipReadOptions options;
  options.Password = arguments[0];
  std::size_t at = 1;
  for (; at < arguments.size() && IsOption(arguments[at]); ++at) {
    const std::string& option = arguments[at];
    if (option == "-v")
      options.List = true;
    else if (option == "-f")
      options.Freshen = true;
    else if (option == "-u")
      options.Update = true;
    else if (option == "-j")
      options.JunkPaths = true;
    else if (option == "-!")
      options.Multidisk = true;
    else if (option == "-n")
      options.Overwrite = zowNever;
    else if (option == "-o")
      options.Overwrite = zowAlways;
    else {
      error = "unknown option \"" + option + "\"";
      return std::nullopt;
    }
  }
  return ParseArchiveAndTail(arguments, at, std::move(options), true, error);
}

std::optional<TZipWriteOptions> ParseWriteOptions(const std::vector<std::string>& arguments,
                                                  std::string& error) {
  if (arguments.empty()) {
    error = "empty argument vector";
    return std::nullopt;
  }
  TZipWriteOptions options;
  options.Password = arguments[0];
  std::size_t at = 1;
  const auto valueOf = [&](std::string& value) {
    if (at + 1 >= arguments.size())
      return false;
    value = arguments[++at];
    return true;
  };
  for (; at < arguments.size() && IsOption(arguments[at]); ++at) {
    const std::string& option = arguments[at];
    std::string value;
    if (option.size() == 2 && option[1] >= '0' && option[1] <= '9')
      options.Level = option[1] - '0';
    else if (TakeWriteFlag(option, options))
      continue;
    else if (option == "-b" && valueOf(value))
      options.TempPath = value;
    else if (option == "-n" && valueOf(value))
      options.StoredSuffixes = SplitSuffixes(value);
    else if (option == "-t" && valueOf(value))
      options.NewerThan = value;
    else {
      error = "unknown option or missing value \"" + option + "\"";
      return std::nullopt;
    }
  }
  return ParseArchiveAndTail(arguments, at, std::move(options), false, error);
}

namespace {

// Whether the pattern element at `p` ("?", a "[set]" or a character) matches `c`; `next` is
// set to the element after it.
bool ElementMatches(std::string_view pattern, std::size_t p, char c, std::size_t& next) {
  next = p + 1;
  if (pattern[p] == '?')
    return true;
  const std::size_t close = pattern[p] == '[' ? pattern.find(']', p + 1) : std::string_view::npos;
  if (close == std::string_view::npos)
    return LowerAscii(pattern[p]) == LowerAscii(c);
  next = close + 1;
  const std::string_view set = pattern.substr(p + 1, close - p - 1);
  for (std::size_t i = 0; i < set.size(); ++i) {
    const bool range = i + 2 < set.size() && set[i + 1] == '-';
    const char low = LowerAscii(set[i]);
    const char high = range ? LowerAscii(set[i + 2]) : low;
    if (LowerAscii(c) >= low && LowerAscii(c) <= high)
      return true;
    i += range ? 2 : 0;
  }
  return false;
}

} // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  // Iterative matching with one backtrack point, the last "*": linear in practice.
  std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    std::size_t next = 0;
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && ElementMatches(pattern, p, name[n], next)) {
      p = next;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*')
    ++p;
  return p == pattern.size();
}

} // namespace flightdeck
