#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace flightdeck {

// Reads Windows text the way the game's files are read: CR ends a line and an LF right after
// it belongs to that line end; a lone LF is an ordinary character; byte 26 (Ctrl-Z) ends the
// text. Reading past the end gives empty lines. Bytes are kept exactly.
class TTextLineReader {
public:
  explicit TTextLineReader(std::string text);

  bool Eof() const { return FPos >= FText.size(); }
  std::string ReadLine();

private:
  std::string FText;
  std::size_t FPos = 0;
};

// Appends `line` ended with CR LF, the only line end the program writes.
void AppendLine(std::string& text, std::string_view line);

} // namespace flightdeck
