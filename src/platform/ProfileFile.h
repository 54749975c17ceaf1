// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace flightdeck {

// A settings (INI) file read and written by the rules of the Windows profile functions, so a
// file written on Windows reads the same here: sections and keys match without regard to
// case, values are trimmed and lose one pair of enclosing quotes, and a write updates the key
// in place or adds it at the end of its section, keeping every other line of the file.
class TProfileFile {
public:
  explicit TProfileFile(std::string path) : FPath(std::move(path)) {}

  const std::string& Path() const { return FPath; }

  // At most 1023 characters of the value; `defaultValue` when the key or file is missing.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // The value as a whole decimal number, or hexadecimal after "0x"; else `defaultValue`.
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t defaultValue) const;

  // False when the file could not be written, or the value is one no line of it can hold
  // (see CanHold); the file is then left as it was.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value) const;
  bool WriteInteger(std::string_view section, std::string_view key, std::int32_t value) const;

  // Whether a line of the file can hold `value` whole, to be read back as it was: it holds no
  // line break and no NUL, and is no longer than a value is read.
  static bool CanHold(std::string_view value);

private:
  std::string FPath;
};

} // namespace flightdeck
