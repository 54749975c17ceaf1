// SPDX-License-Identifier: GPL-3.0-or-later
// Packs come from strangers: no archive may write outside the target folder, leave a partial
// file, or exhaust the machine.

#include "support/Command.h"
#include "support/TestFiles.h"
#include "zip/ZipArchiver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <zip.h>

namespace flightdeck {
namespace {

namespace fs = std::filesystem;

// The file type of a Unix link in an entry's mode.
constexpr std::uint32_t UnixLink = 0120000;

// Writes an archive with the given entries, named as given; a mode makes a Unix entry of it.
void MakeArchive(const fs::path& path,
                 const std::vector<std::tuple<std::string, std::string, std::uint32_t>>& entries) {
  int error = 0;
  zip_t* archive = zip_open(path.string().c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(archive, nullptr);
  for (const auto& [name, content, mode] : entries) {
    zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source, 0);
    ASSERT_GE(index, 0) << name;
    if (mode != 0)
      zip_file_set_external_attributes(archive, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                       mode << 16);
  }
  ASSERT_EQ(zip_close(archive), 0);
}

class ZipHostile : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(FTemp.Path() / "target");
    fs::create_directories(FTemp.Path() / "deep" / "er");
  }
  int Extract(const fs::path& archive, bool usePaths, std::vector<std::string>* skipped = nullptr) {
    TZipArchiver archiver;
    archiver.ZipFileName = archive.string();
    archiver.UsePaths = usePaths;
    archiver.ExtractDirectory = (FTemp.Path() / "deep" / "er" / "target").string();
    archiver.OnSkippingFile = [&](TZipArchiver&, const TZipSkipping& skipping) {
      if (skipped)
        skipped->push_back(skipping.FileName);
    };
    const int result = archiver.ExtractFiles(0);
    FLastError = archiver.LastError();
    return result;
  }
  // Everything below the temporary folder, archives aside.
  std::string Everything() const {
    std::vector<std::string> paths;
    for (const auto& entry : fs::recursive_directory_iterator(FTemp.Path()))
      if (entry.path().extension() != ".zip")
        paths.push_back(fs::relative(entry.path(), FTemp.Path()).generic_string());
    std::sort(paths.begin(), paths.end());
    std::string all;
    for (const std::string& path : paths)
      all += path + " ";
    return all;
  }

  test::TTempDir FTemp;
  std::string FLastError;
};

const std::vector<std::tuple<std::string, std::string, std::uint32_t>> EscapingEntries = {
    {"../evil1.tie", "1", 0},
    {"/tmp/flightdeck-evil.tie", "2", 0},
    {"..\\..\\evil3.tie", "3", 0},
    {"c:\\evil4.tie", "4", 0},
    {"good.tie", "5", 0}};

TEST_F(ZipHostile, WithoutPathsEveryEntryLandsInsideUnderItsBareName) {
  MakeArchive(FTemp.Path() / "escape.zip", EscapingEntries);
  EXPECT_EQ(Extract(FTemp.Path() / "escape.zip", false), zrOk) << FLastError;
  EXPECT_EQ(test::ListDirectory(FTemp.Path() / "deep" / "er" / "target"),
            "evil1.tie evil3.tie evil4.tie flightdeck-evil.tie good.tie");
  EXPECT_FALSE(fs::exists("/tmp/flightdeck-evil.tie"));
  EXPECT_EQ(Everything(),
            "deep deep/er deep/er/target deep/er/target/evil1.tie deep/er/target/evil3.tie "
            "deep/er/target/evil4.tie deep/er/target/flightdeck-evil.tie deep/er/target/good.tie "
            "target ");
}

TEST_F(ZipHostile, WithPathsEscapingEntriesAreSkippedAndReported) {
  MakeArchive(FTemp.Path() / "escape.zip", EscapingEntries);
  std::vector<std::string> skipped;
  EXPECT_EQ(Extract(FTemp.Path() / "escape.zip", true, &skipped), zrWarning);
  EXPECT_EQ(skipped, (std::vector<std::string>{"../evil1.tie", "/tmp/flightdeck-evil.tie",
                                               "..\\..\\evil3.tie", "c:\\evil4.tie"}));
  EXPECT_EQ(test::ListDirectory(FTemp.Path() / "deep" / "er" / "target"), "good.tie");
  EXPECT_FALSE(fs::exists("/tmp/flightdeck-evil.tie"));
}

TEST_F(ZipHostile, LinksAreNeverExtracted) {
#ifdef _WIN32
  GTEST_SKIP() << "making links takes a privilege users lack there";
#endif
  fs::create_directory_symlink(FTemp.Path() / "target", FTemp.Path() / "deep" / "er" / "target");
  MakeArchive(FTemp.Path() / "links.zip",
              {{"link.tie", "/etc/passwd", UnixLink | 0777}, {"sub/x.tie", "x", 0}});
  std::vector<std::string> skipped;
  EXPECT_EQ(Extract(FTemp.Path() / "links.zip", true, &skipped), zrWarning);
  EXPECT_EQ(skipped.front(), "link.tie");
  EXPECT_EQ(test::ListDirectory(FTemp.Path() / "target"), "sub");
  EXPECT_FALSE(fs::is_symlink(FTemp.Path() / "target" / "link.tie"));
}

TEST_F(ZipHostile, FoldersLinkedOutsideAreNotFollowed) {
#ifdef _WIN32
  GTEST_SKIP() << "making links takes a privilege users lack there";
#endif
  fs::create_directories(FTemp.Path() / "deep" / "er" / "target");
  fs::create_directory_symlink(FTemp.Path() / "target",
                               FTemp.Path() / "deep" / "er" / "target" / "escape");
  MakeArchive(FTemp.Path() / "follow.zip",
              {{"escape/x.tie", "x", 0}, {"escape/new/y.tie", "y", 0}});
  std::vector<std::string> skipped;
  EXPECT_EQ(Extract(FTemp.Path() / "follow.zip", true, &skipped), zrWarning);
  EXPECT_EQ(skipped, (std::vector<std::string>{"escape/x.tie", "escape/new/y.tie"}));
  EXPECT_EQ(test::ListDirectory(FTemp.Path() / "target"), "");
}

TEST_F(ZipHostile, DamagedArchivesFailAndLeaveNoPartialFile) {
  MakeArchive(FTemp.Path() / "whole.zip", {{"big.tie", std::string(300000, 'x') + "end", 0}});
  const std::string whole = test::ReadBytes(FTemp.Path() / "whole.zip");
  test::WriteBytes(FTemp.Path() / "truncated.zip", whole.substr(0, whole.size() / 2));
  EXPECT_EQ(Extract(FTemp.Path() / "truncated.zip", false), zrBadArchive);

  // Declare the entry 1000 bytes smaller than it is, in both of its headers.
  std::string lying = whole;
  const std::uint32_t real = 300003, told = real - 1000;
  std::string realBytes(4, '\0'), toldBytes(4, '\0');
  for (int i = 0; i < 4; ++i) {
    realBytes[static_cast<std::size_t>(i)] = static_cast<char>(real >> (8 * i));
    toldBytes[static_cast<std::size_t>(i)] = static_cast<char>(told >> (8 * i));
  }
  for (std::size_t at = lying.find(realBytes); at != std::string::npos;
       at = lying.find(realBytes, at + 4))
    lying.replace(at, 4, toldBytes);
  test::WriteBytes(FTemp.Path() / "lying.zip", lying);
  EXPECT_EQ(Extract(FTemp.Path() / "lying.zip", false), zrBadArchive);
  EXPECT_EQ(test::ListDirectory(FTemp.Path() / "deep" / "er" / "target"), "");

  // A checksum that the data does not match, in both headers.
  std::string corrupt = whole;
  const std::string crc = whole.substr(14, 4); // of the first local header
  for (std::size_t at = corrupt.find(crc); at != std::string::npos; at = corrupt.find(crc, at + 4))
    corrupt[at] = static_cast<char>(corrupt[at] ^ 1);
  test::WriteBytes(FTemp.Path() / "corrupt.zip", corrupt);
  EXPECT_EQ(Extract(FTemp.Path() / "corrupt.zip", false), zrBadArchive);
  EXPECT_EQ(test::ListDirectory(FTemp.Path() / "deep" / "er" / "target"), "");

  test::WriteBytes(FTemp.Path() / "noise.zip", std::string(5000, 'P'));
  EXPECT_EQ(Extract(FTemp.Path() / "noise.zip", false), zrBadArchive);
  EXPECT_NE(FLastError.find("not a zip archive"), std::string::npos);
}

TEST_F(ZipHostile, OversizedEntriesAreRefusedBeforeAnythingIsWritten) {
#ifdef _WIN32
  GTEST_SKIP() << "the archive is made with Python, which Windows lacks";
#endif
  const test::TCommandResult made = test::RunCommand(
      "python3 -c 'import sys, zipfile\nwith zipfile.ZipFile(sys.argv[1], \"w\", "
      "zipfile.ZIP_DEFLATED) as z:\n"
      "  z.writestr(\"small.tie\", \"s\")\n  with z.open(\"zeros.tie\", \"w\") as w:\n"
      "    for _ in range(300): w.write(bytes(1 << 20))' " +
      test::ShellQuote((FTemp.Path() / "bomb.zip").string()));
  ASSERT_EQ(made.ExitCode, 0) << made.Output;
  std::vector<std::string> skipped;
  EXPECT_EQ(Extract(FTemp.Path() / "bomb.zip", false, &skipped), zrTooLarge);
  EXPECT_EQ(skipped, std::vector<std::string>{"zeros.tie"});
  EXPECT_EQ(test::ListDirectory(FTemp.Path() / "deep" / "er" / "target"), "small.tie");
}

} // namespace
} // namespace flightdeck
