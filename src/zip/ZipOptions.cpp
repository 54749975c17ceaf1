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
  if (at >= arguments.size()) {
    error = "no archive named";
    return std::nullopt;
  }
  options.Archive = arguments[at];
  if (!ParseTail(arguments, at + 1, options, true, error))
    return std::nullopt;
  return options;
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
    else if (option == "-f")
      options.Freshen = true;
    else if (option == "-u")
      options.Update = true;
    else if (option == "-e")
      options.Encrypt = true;
    else if (option == "-m")
      options.Move = true;
    else if (option == "-S")
      options.Hidden = true;
    else if (option == "-D")
      options.DirectoryEntries = true;
    else if (option == "-r")
      options.Recurse = true;
    else if (option == "-j")
      options.JunkPaths = true;
    else if (option == "-!")
      options.Multidisk = true;
    else if (option == "-$" || option == "-g" || option == "-&")
      ; // volume labels, the temporary file and disk clearing mean nothing here
    else if (option == "-b" && valueOf(value))
      ; // libzip always writes beside the archive and renames when complete
    else if (option == "-n" && valueOf(value))
      options.StoredSuffixes = SplitSuffixes(value);
    else if (option == "-t" && valueOf(value))
      options.NewerThan = value;
    else {
      error = "unknown option or missing value \"" + option + "\"";
      return std::nullopt;
    }
  }
  if (at >= arguments.size()) {
    error = "no archive named";
    return std::nullopt;
  }
  options.Archive = arguments[at];
  if (!ParseTail(arguments, at + 1, options, false, error))
    return std::nullopt;
  return options;
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  // Iterative matching with one backtrack point for the last "*": linear in practice.
  std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    bool advanced = false;
    if (p < pattern.size()) {
      const char c = pattern[p];
      if (c == '*') {
        starP = p++;
        starN = n;
        continue;
      }
      if (c == '?') {
        advanced = true;
        ++p;
      } else if (c == '[') {
        const std::size_t close = pattern.find(']', p + 1);
        if (close != std::string_view::npos) {
          const std::string_view set = pattern.substr(p + 1, close - p - 1);
          bool found = false;
          for (std::size_t i = 0; i < set.size(); ++i) {
            if (i + 2 < set.size() && set[i + 1] == '-') {
              found = found || (LowerAscii(name[n]) >= LowerAscii(set[i]) &&
                                LowerAscii(name[n]) <= LowerAscii(set[i + 2]));
              i += 2;
            } else {
              found = found || LowerAscii(set[i]) == LowerAscii(name[n]);
            }
          }
          if (found) {
            advanced = true;
            p = close + 1;
          }
        } else if (name[n] == '[') {
          advanced = true;
          ++p;
        }
      } else if (LowerAscii(c) == LowerAscii(name[n])) {
        advanced = true;
        ++p;
      }
    }
    if (advanced) {
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
