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
  // Where the part ends: at `end`, or before the first Ctrl-Z.
  std::size_t End() const { return FEnd; }

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

// The CRs of the part of a text from `begin` to `end`, in order. It finds them 64 bytes at a
// time, so that the lines of a long text are found without a search per line.
class TCarriageReturns {
public:
  TCarriageReturns(std::string_view text, std::size_t begin, std::size_t end);

  // The position of the next CR; `end` when there is none.
  std::size_t Next() {
    while (FFound == 0) {
      FBlock += BlockSize;
      if (FBlock >= FEnd)
        return FEnd;
      FFound = InBlock(FBlock);
    }
    const std::size_t found = FBlock + static_cast<std::size_t>(__builtin_ctzll(FFound));
    FFound &= FFound - 1;
    return found;
  }

private:
  static constexpr std::size_t BlockSize = 64;
  // A bit for each CR among the bytes of the block at `block`.
  std::uint64_t InBlock(std::size_t block) const;

  const char* FText;
  std::size_t FBlock;
  std::size_t FEnd;
  std::uint64_t FFound = 0;
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
// A line longer than a line of a list, battle file or script may be (MaxLineLength) is never
// written: it raises EInOutError, whose Reason says so. AppendLine and TLineWriter check it.
void CheckLineLength(std::string_view line);

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
