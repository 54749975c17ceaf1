// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProfileFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

using test::CrLf;
using test::ReadBytes;
using test::WriteBytes;
namespace fs = std::filesystem;

TEST(ProfileFile, ReadsLikeTheWindowsProfileFunctions) {
  test::TTempDir temp;
  const fs::path path = temp.Path() / "flightdeck.ini";
  WriteBytes(path, "[Other]\nTop=99\n[ixokit]\r\n  top = 12 \r\nLeft=0x1F\nHeight=abc\nMType=2x\n"
                   "Gender=-3\nMPath=\"c:\\xvt\\\"\nLong=" +
                       std::string(2000, 'x') + "\n[IxoKit]\nTop=77\n");
  const TProfileFile profile(path.string());
  EXPECT_EQ(profile.ReadInteger("IxoKit", "Top", 0), 12);
  EXPECT_EQ(profile.ReadInteger("IxoKit", "Left", 0), 31);
  EXPECT_EQ(profile.ReadInteger("IxoKit", "Height", 410), 410);
  EXPECT_EQ(profile.ReadInteger("IxoKit", "MType", 0), 0);
  EXPECT_EQ(profile.ReadInteger("IxoKit", "Gender", 1), -3);
  EXPECT_EQ(profile.ReadInteger("IxoKit", "Missing", 7), 7);
  EXPECT_EQ(profile.ReadString("IxoKit", "MPath", ""), "c:\\xvt\\");
  EXPECT_EQ(profile.ReadString("IxoKit", "Long", "").size(), 1023u);
  EXPECT_EQ(profile.ReadString("Nowhere", "Top", "dflt"), "dflt");
  EXPECT_EQ(TProfileFile((temp.Path() / "none.ini").string()).ReadInteger("IxoKit", "Top", 5), 5);
}

TEST(ProfileFile, WritesKeysInPlaceInOrderAndKeepsTheRest) {
  test::TTempDir temp;
  const fs::path path = temp.Path() / "flightdeck.ini";
  const TProfileFile profile(path.string());
  for (const char* key : {"Top", "Left", "Height"})
    EXPECT_TRUE(profile.WriteInteger("IxoKit", key, 1));
  EXPECT_EQ(ReadBytes(path), CrLf({"[IxoKit]", "Top=1", "Left=1", "Height=1"}));

  WriteBytes(path, CrLf({"; comment", "[IXOKIT]", "TOP = 5", "Other=x", "", "[Else]", "Top=9"}));
  EXPECT_TRUE(profile.WriteInteger("IxoKit", "Top", 10));
  EXPECT_TRUE(profile.WriteString("IxoKit", "MPath", "c:\\xvt\\"));
  EXPECT_TRUE(profile.WriteString("Third", "Key", "v"));
  EXPECT_EQ(ReadBytes(path), CrLf({"; comment", "[IXOKIT]", "Top=10", "Other=x", "MPath=c:\\xvt\\",
                                   "", "[Else]", "Top=9", "[Third]", "Key=v"}));

  // What no line can hold is not written: the file stays as it was.
  const std::string before = ReadBytes(path);
  for (const std::string& value : {std::string("/w/nl\ngame"), std::string("cr\r"),
                                   std::string("a\0b", 3), std::string(1024, 'x')})
    EXPECT_FALSE(profile.WriteString("IxoKit", "MPath", value));
  EXPECT_FALSE(profile.WriteString("IxoKit", "M\nPath", "x"));
  EXPECT_EQ(ReadBytes(path), before);
}

TEST(ProfileFile, UnwritableFileReportsFailureAndStaysIntact) {
  test::TTempDir temp;
  fs::create_directory(temp.Path() / "settings.ini");
  EXPECT_FALSE(
      TProfileFile((temp.Path() / "settings.ini").string()).WriteString("IxoKit", "Top", "1"));
  EXPECT_FALSE(
      TProfileFile((temp.Path() / "missing" / "x.ini").string()).WriteString("IxoKit", "Top", "1"));
}

} // namespace
} // namespace flightdeck
