// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace flightdeck {

// A part of a text, by position: it stays valid while the text grows behind it.
struct TTextSpan {
  std::uint32_t At = 0;
  std::uint32_t Size = 0;

  std::string_view In(const std::string& text) const { return {text.data() + At, Size}; }
};

// Finds the lines of the part of `text` from `begin` to `end` the way the game's files are
// read: CR ends a line and an LF right after it belongs to that line end; a lone LF is an
// ordinary character; byte 26 (Ctrl-Z) ends the text. Past the end it gives empty lines. It
// copies nothing and keeps only positions, so the text may grow behind that part meanwhile.
// Texts of 4 GiB and more are refused with EInOutError, and so is a line longer than
// `longestLine` when it is met.
class TLineScanner {
public:
  TLineScanner(const std::string& text, std::size_t begin, std::size_t end,
               std::size_t longestLine = SIZE_MAX);

  bool Eof() const { return FPos >= FEnd; }
  TTextSpan Next();

  // Where the next line begins, and going back there; whether a line was asked for past the end.
  std::size_t Position() const { return FPos; }
  void Rewind(std::size_t position) {
    FPos = position;
    FOverran = false;
  }
  bool Overran() const { return FOverran; }

private:
  const std::string& FText;
  std::size_t FPos;
  std::size_t FEnd;
  std::size_t FLongestLine;
  bool FOverran = false;
};

// The same over a text of its own, line by line as strings.
class TTextLineReader {
public:
  explicit TTextLineReader(std::string text);
  TTextLineReader(const TTextLineReader&) = delete;
  TTextLineReader& operator=(const TTextLineReader&) = delete;

  bool Eof() const { return FLines.Eof(); }
  std::string ReadLine() { return std::string(FLines.Next().In(FText)); }
  // The length of the longest line of the whole text.
  std::size_t LongestLine() const;

private:
  std::string FText;
  TLineScanner FLines;
};

// Appends `line` ended with CR LF, the only line end the program writes.
void AppendLine(std::string& text, std::string_view line);

// Writes lines ended with CR LF to `sink` in pieces of 64 KiB, so that a long list is
// neither written line by line nor built whole in memory. Flush hands over the rest.
class TLineWriter {
public:
  explicit TLineWriter(std::function<void(std::string_view)> sink);

  void Line(std::string_view line);
  void Line(std::int32_t number);     // in decimal, with "-" when negative
  void Bytes(std::string_view bytes); // lines already ended
  void Flush();

private:
  std::function<void(std::string_view)> FSink;
  std::unique_ptr<char[]> FBuffer;
  std::size_t FUsed = 0;
};

} // namespace flightdeck
