// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextLines.h"

#include "platform/HostFiles.h"
#include "platform/InOutError.h"
#include "platform/Limits.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace flightdeck {

namespace {
constexpr char EndOfFileMark = '\x1a';
constexpr std::size_t WriterPiece = 1 << 16;
} // namespace

TLineScanner::TLineScanner(const std::string& text, std::size_t begin, std::size_t end,
                           std::size_t longestLine)
    : FText(text), FPos(begin), FEnd(end), FLongestLine(longestLine) {
  if (end > std::numeric_limits<std::uint32_t>::max())
    throw EInOutError(TooLargeError(), {}, "A text of 4 GiB or more cannot be read");
  const std::size_t mark = std::string_view(text).substr(begin, end - begin).find(EndOfFileMark);
  if (mark != std::string_view::npos)
    FEnd = begin + mark;
}

TTextSpan TLineScanner::Next() {
  if (Eof()) {
    FOverran = true;
    return {};
  }
  const std::string_view rest(FText.data() + FPos, FEnd - FPos);
  const std::size_t length = std::min(rest.find('\r'), rest.size());
  if (length > FLongestLine)
    throw EInOutError(TooLargeError(), {},
                      "a line is longer than " + SizeInWords(FLongestLine) +
                          ", the most a line may be");
  const TTextSpan line{static_cast<std::uint32_t>(FPos), static_cast<std::uint32_t>(length)};
  FPos += length + 1;
  if (FPos < FEnd && FText[FPos] == '\n')
    ++FPos;
  return line;
}

TCarriageReturns::TCarriageReturns(std::string_view text, std::size_t begin, std::size_t end)
    : FText(text.data()), FBlock(begin), FEnd(end) {
  if (begin < end)
    FFound = InBlock(begin);
}

std::uint64_t TCarriageReturns::InBlock(std::size_t block) const {
  const char* const bytes = FText + block;
  const std::size_t count = std::min(BlockSize, FEnd - block);
  std::uint64_t found = 0;
#if defined(__SSE2__)
  if (count == BlockSize) {
    const __m128i cr = _mm_set1_epi8('\r');
    for (std::size_t part = 0; part < BlockSize / 16; ++part) {
      const __m128i piece = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * part));
      found |= static_cast<std::uint64_t>(
                   static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(piece, cr))))
               << (16 * part);
    }
    return found;
  }
#endif
  for (std::size_t i = 0; i < count; ++i)
    found |= static_cast<std::uint64_t>(bytes[i] == '\r') << i;
  return found;
}

TTextLineReader::TTextLineReader(std::string text)
    : FText(std::move(text)), FLines(FText, 0, FText.size()) {}

std::size_t TTextLineReader::LongestLine() const {
  TLineScanner lines(FText, 0, FText.size());
  std::size_t longest = 0;
  while (!lines.Eof())
    longest = std::max<std::size_t>(longest, lines.Next().Size);
  return longest;
}

void CheckLineLength(std::string_view line) {
  if (line.size() > MaxLineLength)
    throw EInOutError(TooLargeError(), {},
                      "a line would be longer than " + SizeInWords(MaxLineLength) +
                          ", the most a line may be");
}

void AppendLine(std::string& text, std::string_view line) {
  CheckLineLength(line);
  text += line;
  text += "\r\n";
}

TLineWriter::TLineWriter(std::function<void(std::string_view)> sink)
    : FSink(std::move(sink)), FBuffer(new char[WriterPiece]) {}

void TLineWriter::Line(std::string_view line) {
  CheckLineLength(line);
  Bytes(line);
  Bytes("\r\n");
}

void TLineWriter::Bytes(std::string_view bytes) {
  if (bytes.empty()) // an empty run of entries has no bytes to copy, not even a place
    return;
  if (bytes.size() >= WriterPiece / 2) { // long enough to go as it is
    Flush();
    FSink(bytes);
    return;
  }
  if (FUsed + bytes.size() > WriterPiece)
    Flush();
  std::memcpy(FBuffer.get() + FUsed, bytes.data(), bytes.size());
  FUsed += bytes.size();
}

void TLineWriter::Line(std::int32_t number) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  Line(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void TLineWriter::Flush() {
  if (FUsed > 0)
    FSink(std::string_view(FBuffer.get(), FUsed));
  FUsed = 0;
}

} // namespace flightdeck
