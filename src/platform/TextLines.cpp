#include "platform/TextLines.h"

namespace flightdeck {

namespace {
constexpr char EndOfFileMark = '\x1a';
}

TTextLineReader::TTextLineReader(std::string text) : FText(std::move(text)) {
  const std::size_t mark = FText.find(EndOfFileMark);
  if (mark != std::string::npos)
    FText.resize(mark);
}

std::string TTextLineReader::ReadLine() {
  if (Eof())
    return {};
  std::size_t end = FText.find('\r', FPos);
  if (end == std::string::npos)
    end = FText.size();
  std::string line = FText.substr(FPos, end - FPos);
  FPos = end + 1;
  if (FPos < FText.size() && FText[FPos] == '\n')
    ++FPos;
  return line;
}

void AppendLine(std::string& text, std::string_view line) {
  text += line;
  text += "\r\n";
}

} // namespace flightdeck
