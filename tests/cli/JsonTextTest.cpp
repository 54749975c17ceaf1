#include "cli/JsonText.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

TEST(JsonText, DecodesWindows1252AndEscapes) {
  EXPECT_EQ(JsonString("Into the Nebula"), "\"Into the Nebula\"");
  EXPECT_EQ(JsonString("a\"b\\c/d"), "\"a\\\"b\\\\c/d\"");
  EXPECT_EQ(JsonString("\t\n\r\b\f\x01\x1f"), "\"\\t\\n\\r\\b\\f\\u0001\\u001f\"");
  EXPECT_EQ(JsonString("Caf\xe9 \x80 \x93ok\x94 \x81"),
            "\"Caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x9cok\xe2\x80\x9d \xc2\x81\"");
}

} // namespace
} // namespace flightdeck
