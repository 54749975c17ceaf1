// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/JsonText.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

TEST(JsonText, DecodesWindows1252AndEscapes) {
  EXPECT_EQ(JsonString("Into the Nebula"), "\"Into the Nebula\"");
  EXPECT_EQ(JsonString("a\"b\\c/d"), "\"a\\\"b\\\\c/d\"");
  EXPECT_EQ(JsonString("\t\n\r\b\f\x01\x1f"), "\"\\t\\n\\r\\b\\f\\u0001\\u001f\"");
  EXPECT_EQ(JsonString("Caf\xe9 \x80 \x93ok\x94 \x81"),
            "\"Caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x9cok\xe2\x80\x9d \\u0081\"");
  // A host path need not be UTF-8; a byte that is not becomes its Windows-1252 character.
  // Controls of every kind, C1 and DEL too, are escaped.
  EXPECT_EQ(JsonStringUtf8("/home/jos\xe9/\xc3\xa9t\xc3\xa9 \xe6\x97\xa5\xed\xa0\x80"),
            "\"/home/jos\xc3\xa9/\xc3\xa9t\xc3\xa9 \xe6\x97\xa5\xc3\xad\xc2\xa0\xe2\x82\xac\"");
  EXPECT_EQ(JsonStringUtf8("\x1b]0;x\x07 \x7f \xc2\x9b"), "\"\\u001b]0;x\\u0007 \\u007f \\u009b\"");
}

} // namespace
} // namespace flightdeck
