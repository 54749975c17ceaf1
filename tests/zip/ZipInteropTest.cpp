// SPDX-License-Identifier: GPL-3.0-or-later
// Archives written here must read in the usual tools, and theirs must read here.

#include "support/Command.h"
#include "support/TestFiles.h"
#include "zip/ZipArchiver.h"
#include "zip/ZipStreamWriter.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

namespace fs = std::filesystem;
using test::RunCommand;
using test::ShellQuote;

class ZipInterop : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(FTemp.Path() / "src");
    fs::create_directories(FTemp.Path() / "out");
    for (const char* file : {"Alpha.tie", "beta.tie", "old.zip"})
      test::WriteBytes(FTemp.Path() / "src" / file, std::string(4000, file[0]) + file);
  }
  std::string Path(const char* name) const { return (FTemp.Path() / name).string(); }
  std::string Source(const char* name) const { return (FTemp.Path() / "src" / name).string(); }

  // "name size" of every entry our component lists.
  std::vector<std::string> ListedBy(TZipArchiver& archiver) {
    std::vector<std::string> listed;
    archiver.OnListing = [&](TZipArchiver&, const TZipFileStats& stats) {
      listed.push_back(stats.FileName + " " + std::to_string(stats.OriginalSize));
    };
    EXPECT_EQ(archiver.ListFiles(), zrOk) << archiver.LastError();
    return listed;
  }

  test::TTempDir FTemp;
};

TEST_F(ZipInterop, AddedArchivesPassUnzipAndReadInPython) {
  TZipArchiver archiver;
  archiver.UsePaths = false;
  archiver.ZipFileName = Path("pack.ixo");
  archiver.FilesToProcess = {Source("Alpha.tie"), Source("beta.tie"), Source("old.zip")};
  std::vector<double> written; // the progress a window shows while the archive is written
  archiver.OnWriting = [&](TZipArchiver&, double done) { written.push_back(done); };
  ASSERT_EQ(archiver.AddFiles(0), zrOk) << archiver.LastError();
  EXPECT_EQ(written, (std::vector<double>{1.0 / 3, 2.0 / 3, 1.0}));

  const test::TCommandResult check = RunCommand("unzip -t " + ShellQuote(Path("pack.ixo")));
  EXPECT_EQ(check.ExitCode, 0) << check.Output;
  // Files as a umask of 022 leaves them; the deflate speed in the flags, as zip tools tell it.
  const auto described = [&](const char* archive) {
    return RunCommand("python3 -c 'import sys, zipfile\nfor i in "
                      "zipfile.ZipFile(sys.argv[1]).infolist(): print(i.filename, "
                      "i.file_size, i.compress_type, oct(i.external_attr >> 16), i.flag_bits)' " +
                      ShellQuote(Path(archive)));
  };
  const test::TCommandResult python = described("pack.ixo");
  EXPECT_EQ(python.ExitCode, 0) << python.Output;
  EXPECT_EQ(python.Output, "Alpha.tie 4009 8 0o100644 0\nbeta.tie 4008 8 0o100644 0\n"
                           "old.zip 4007 0 0o100644 0\n");
  for (const auto& [level, flags] : {std::pair{1, "4"}, std::pair{9, "2"}}) {
    archiver.ZipFileName = Path("level.ixo");
    archiver.Compression = level;
    archiver.FilesToProcess = {Source("beta.tie")};
    ASSERT_EQ(archiver.AddFiles(0), zrOk) << archiver.LastError();
    EXPECT_EQ(described("level.ixo").Output,
              "beta.tie 4008 8 0o100644 " + std::string(flags) + "\n");
    fs::remove(Path("level.ixo"));
  }
  archiver.ZipFileName = Path("pack.ixo");
  EXPECT_EQ(ListedBy(archiver),
            (std::vector<std::string>{"alpha.tie 4009", "beta.tie 4008", "old.zip 4007"}));
}

// Past 65,535 entries the end of the archive takes the Zip64 records.
TEST_F(ZipInterop, AnArchiveOfMoreEntriesThanTheClassicFormatHoldsReadsWhole) {
  constexpr int Count = 70'000;
  {
    TZipStreamWriter writer(Path("many.zip"));
    for (int i = 0; i < Count; ++i)
      writer.Add({"m" + std::to_string(i) + ".tie", false, 0x8cdc1683, 1, 0x5a210000, {}}, "x");
    writer.Commit();
  }
  const test::TCommandResult python =
      RunCommand("python3 -c 'import sys, zipfile\nz = zipfile.ZipFile(sys.argv[1]); i = "
                 "z.infolist()\nprint(len(i), z.testzip(), i[-1].filename, i[-1].date_time)' " +
                 ShellQuote(Path("many.zip")));
  EXPECT_EQ(python.Output, "70000 None m69999.tie (2025, 1, 1, 0, 0, 0)\n");
  TZipArchiver archiver;
  archiver.ZipFileName = Path("many.zip");
  const std::vector<std::string> listed = ListedBy(archiver);
  ASSERT_EQ(listed.size(), std::size_t{Count});
  EXPECT_EQ(listed.back(), "m69999.tie 1");
}

TEST_F(ZipInterop, ArchivesOfInfoZipAndSevenZipListAndExtract) {
  const std::string src = ShellQuote((FTemp.Path() / "src").string());
  ASSERT_EQ(RunCommand("cd " + src + " && zip -q -j " + ShellQuote(Path("flat.zip")) +
                       " Alpha.tie beta.tie")
                .ExitCode,
            0);
  ASSERT_EQ(
      RunCommand("cd " + ShellQuote(FTemp.Path().string()) + " && zip -q -r deep.zip src").ExitCode,
      0);
  ASSERT_EQ(RunCommand("cd " + src + " && 7z a -bd -tzip " + ShellQuote(Path("seven.zip")) +
                       " Alpha.tie beta.tie")
                .ExitCode,
            0);

  for (const char* name : {"flat.zip", "seven.zip"}) {
    TZipArchiver archiver;
    archiver.ZipFileName = Path(name);
    EXPECT_EQ(ListedBy(archiver), (std::vector<std::string>{"alpha.tie 4009", "beta.tie 4008"}))
        << name;
  }
  TZipArchiver deep;
  deep.ZipFileName = Path("deep.zip");
  EXPECT_EQ(ListedBy(deep).size(), 4u); // the folder and its three files

  // Without paths a file lands under its bare name, whatever folder it was stored in.
  deep.UsePaths = false;
  deep.ExtractDirectory = Path("bare") + "/";
  deep.FilesToProcess = {"beta.tie"};
  ASSERT_EQ(deep.ExtractFiles(0), zrOk) << deep.LastError();
  EXPECT_EQ(test::ListDirectory(FTemp.Path() / "bare"), "beta.tie");
  EXPECT_EQ(test::ReadBytes(FTemp.Path() / "bare" / "beta.tie"),
            std::string(4000, 'b') + "beta.tie");

  deep.UsePaths = true;
  deep.ExtractDirectory = Path("kept");
  ASSERT_EQ(deep.ExtractFiles(0), zrOk) << deep.LastError();
  EXPECT_EQ(test::ListDirectory(FTemp.Path() / "kept" / "src"), "Alpha.tie beta.tie old.zip");

  TZipArchiver seven;
  seven.ZipFileName = Path("seven.zip");
  seven.UsePaths = false;
  seven.ExtractDirectory = Path("seven");
  seven.FilesToProcess = {"ALPHA.TIE"};
  ASSERT_EQ(seven.ExtractFiles(0), zrOk) << seven.LastError();
  EXPECT_EQ(test::ReadBytes(FTemp.Path() / "seven" / "Alpha.tie"),
            std::string(4000, 'A') + "Alpha.tie");
}

TEST_F(ZipInterop, AnExistingFileIsReplacedUnlessToldOtherwise) {
  ASSERT_EQ(RunCommand("cd " + ShellQuote((FTemp.Path() / "src").string()) + " && zip -q -j " +
                       ShellQuote(Path("flat.zip")) + " beta.tie")
                .ExitCode,
            0);
  test::WriteBytes(FTemp.Path() / "out" / "beta.tie", "stale");
  TZipArchiver archiver;
  archiver.ZipFileName = Path("flat.zip");
  archiver.ExtractDirectory = Path("out");
  ASSERT_EQ(archiver.ExtractFiles(0), zrOk);
  EXPECT_EQ(test::ReadBytes(FTemp.Path() / "out" / "beta.tie"),
            std::string(4000, 'b') + "beta.tie");

  test::WriteBytes(FTemp.Path() / "out" / "beta.tie", "kept");
  archiver.OnReplace = [](TZipArchiver&, TZipReplace& replace) { replace.Answer = zraSkip; };
  ASSERT_EQ(archiver.ExtractFiles(0), zrOk);
  EXPECT_EQ(test::ReadBytes(FTemp.Path() / "out" / "beta.tie"), "kept");
  archiver.OnReplace = nullptr;
  archiver.Overwrite = zowNever;
  ASSERT_EQ(archiver.ExtractFiles(0), zrOk);
  EXPECT_EQ(test::ReadBytes(FTemp.Path() / "out" / "beta.tie"), "kept");
}

} // namespace
} // namespace flightdeck
