// SPDX-License-Identifier: GPL-3.0-or-later
#include "zip/ZipArchiver.h"
#include "platform/AsciiCase.h"
#include "platform/InOutError.h"
#include "support/TestFiles.h"
#include "zip/ZipNames.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <stdexcept>
#include <type_traits>

namespace flightdeck {
namespace {

TZipArchiver FormArchiver() {
  // As the main window sets it.
  TZipArchiver archiver;
  archiver.Compression = 6;
  archiver.UsePaths = false;
  return archiver;
}

TEST(ZipArchiver, StartsWithTheDocumentedValues) {
  const TZipArchiver archiver;
  EXPECT_TRUE(archiver.FilesToProcess.empty());
  EXPECT_EQ(archiver.Compression, 6);
  EXPECT_EQ(archiver.Overwrite, zowAsk);
  EXPECT_EQ(archiver.StoredExtensions, ".ZIP;.LZH;.ARC;.ARJ;.ZOO");
  EXPECT_TRUE(archiver.UsePaths && archiver.UseTempFile);
  EXPECT_FALSE(archiver.ClearDisks || archiver.MoveFiles || archiver.MultidiskMode ||
               archiver.Recurse || archiver.IncludeHiddenFiles ||
               archiver.IncludeDirectoryEntries || archiver.IncludeVolumeLabel);
}

using Names = std::vector<std::string>;

// The switches of what an operation asks of the engine, in a word each: "freshen", "update",
// "junk paths", ...
std::string Switches(const TZipReadOptions& o) {
  return std::string(o.List ? "list " : "") + (o.Freshen ? "freshen " : "") +
         (o.Update ? "update " : "") + (o.JunkPaths ? "junk-paths " : "") +
         (o.Multidisk ? "multidisk " : "") +
         (o.Overwrite == zowNever    ? "never "
          : o.Overwrite == zowAlways ? "always "
                                     : "");
}
std::string Switches(const TZipWriteOptions& o) {
  return std::string(o.Freshen ? "freshen " : "") + (o.Update ? "update " : "") +
         (o.Encrypt ? "encrypt " : "") + std::to_string(o.Level) + " " + (o.Move ? "move " : "") +
         (o.Hidden ? "hidden " : "") + (o.DirectoryEntries ? "folders " : "") +
         (o.VolumeLabel ? "label " : "") + (o.Recurse ? "recurse " : "") +
         (o.JunkPaths ? "junk-paths " : "") + (o.InPlace ? "in-place " : "") +
         (o.Multidisk ? "multidisk " : "") + (o.ClearDisks ? "clear-disks " : "");
}

TEST(ZipArchiver, TheOperationsAskTheEngineForWhatThePropertiesSay) {
  TZipArchiver archiver = FormArchiver();
  archiver.ZipFileName = "pack.ixo";
  archiver.ExtractDirectory = "c:\\packs\\";
  archiver.FilesToProcess = {"pack.mcl"};
  TZipReadOptions read = archiver.ExtractOptions(0);
  EXPECT_EQ(Switches(read), "junk-paths ");
  EXPECT_EQ(read.Archive, "pack.ixo");
  EXPECT_EQ(read.Specs, Names{"pack.mcl"});
  EXPECT_EQ(read.Directory, "c:\\packs\\");
  archiver.FilesToProcess.clear();
  read = archiver.ListOptions();
  EXPECT_EQ(Switches(read), "list ");
  EXPECT_TRUE(read.Specs.empty());

  archiver.ZipFileName = "c:\\packs\\hoth.ixo";
  archiver.FilesToProcess = {"c:\\packs\\Hoth.mcl", "c:\\xvt\\combat\\h1.tie"};
  TZipWriteOptions write = archiver.AddOptions(0);
  EXPECT_EQ(Switches(write), "6 junk-paths ");
  EXPECT_EQ(write.StoredSuffixes, (Names{".ZIP", ".LZH", ".ARC", ".ARJ", ".ZOO"}));
  EXPECT_EQ(write.NewerThan, "010180");
  EXPECT_EQ(write.Archive, "c:\\packs\\hoth.ixo");
  EXPECT_EQ(write.Specs, (Names{"c:\\packs\\Hoth.mcl", "c:\\xvt\\combat\\h1.tie"}));

  TZipArchiver every;
  every.ZipFileName = "z.zip";
  every.Password = "secret";
  every.MoveFiles = every.IncludeHiddenFiles = every.IncludeDirectoryEntries =
      every.IncludeVolumeLabel = every.Recurse = every.ClearDisks = true;
  every.UseTempFile = false;
  every.TempPath = "/tmp";
  every.Compression = 12;
  every.StoredExtensions = ".zip:.lzh";
  write = every.AddOptions(0);
  EXPECT_EQ(Switches(write), "encrypt 9 move hidden folders label recurse in-place clear-disks ");
  EXPECT_EQ(write.Password, "secret");
  EXPECT_EQ(write.TempPath, "/tmp");
  EXPECT_EQ(write.StoredSuffixes, (Names{".zip", ".lzh"}));
  // A freshen adds no hidden files, folders or label.
  EXPECT_EQ(Switches(every.AddOptions(1)), "freshen encrypt 9 move recurse in-place clear-disks ");
  every.Overwrite = zowNever;
  EXPECT_EQ(Switches(every.ExtractOptions(2)), "update never ");
  every.Overwrite = zowAlways;
  every.MultidiskMode = true;
  EXPECT_EQ(Switches(every.ExtractOptions(0)), "multidisk always ");
  EXPECT_EQ(Switches(every.ListOptions()), "list multidisk ");
  EXPECT_EQ(every.ListOptions().Password, "secret");
}

TEST(ZipArchiver, IncludesAndExcludesNarrowTheSpecifications) {
  TZipArchiver archiver;
  archiver.ZipFileName = "z.zip";
  archiver.FilesToProcess = {"a.tie", ">b*.tie", "<c.tie"};
  const TZipWriteOptions write = archiver.AddOptions(0);
  EXPECT_EQ(write.Specs, Names{"a.tie"});
  EXPECT_EQ(write.Includes, Names{"b*.tie"});
  EXPECT_EQ(write.Excludes, Names{"c.tie"});
  const TZipReadOptions read = archiver.ExtractOptions(0);
  EXPECT_EQ(read.Specs, (Names{"a.tie", ">b*.tie"})); // reading, a name like any other
  EXPECT_EQ(read.Excludes, Names{"c.tie"});
  archiver.FilesToProcess = {">b*.tie", "<c.tie"};
  EXPECT_TRUE(archiver.AddOptions(0).Includes.empty()); // nothing to narrow
  EXPECT_TRUE(archiver.AddOptions(0).Excludes.empty());
}

TEST(ZipArchiver, EveryOperationLeavesNothingQueued) {
  test::TTempDir temp;
  TZipArchiver archiver;
  archiver.ZipFileName = (temp.Path() / "missing.zip").string();
  archiver.FilesToProcess = {"a.tie"};
  EXPECT_EQ(archiver.ListFiles(), zrArchiveMissing);
  EXPECT_NE(archiver.LastError().find("does not exist"), std::string::npos);
  EXPECT_TRUE(archiver.FilesToProcess.empty());

  archiver.MultidiskMode = true;
  archiver.FilesToProcess = {"a.tie"};
  EXPECT_EQ(archiver.ExtractFiles(1), ZipMultidiskRefused);
  EXPECT_EQ(archiver.AddFiles(2), ZipMultidiskRefused);
  EXPECT_TRUE(archiver.FilesToProcess.empty());
  archiver.MultidiskMode = false;

  test::WriteBytes(temp.Path() / "a.tie", "mission");
  archiver.ZipFileName = (temp.Path() / "pack.zip").string();
  archiver.FilesToProcess = {(temp.Path() / "a.tie").string()};
  archiver.OnAdding = [](TZipArchiver& self, const TZipFileStats&) {
    self.Abort();
    throw std::runtime_error("handler failed");
  };
  EXPECT_THROW(archiver.AddFiles(0), std::runtime_error);
  EXPECT_TRUE(archiver.FilesToProcess.empty());
  EXPECT_FALSE(archiver.AbortRequested());
  EXPECT_FALSE(std::filesystem::exists(temp.Path() / "pack.zip"));

  archiver.OnAdding = [](TZipArchiver& self, const TZipFileStats&) { self.Abort(); };
  archiver.FilesToProcess = {(temp.Path() / "a.tie").string()};
  EXPECT_EQ(archiver.AddFiles(0), zrStopped);
  EXPECT_FALSE(archiver.AbortRequested());
}

// The zone local times are taken in; "" for the system's own.
void SetTimeZone(const std::string& zone) {
#ifdef _WIN32
  _putenv_s("TZ", zone.c_str());
  _tzset();
#else
  if (zone.empty())
    unsetenv("TZ");
  else
    setenv("TZ", zone.c_str(), 1);
  tzset();
#endif
}

// A name with a pattern character; Windows names cannot hold "*", so there "[" alone.
#ifdef _WIN32
const char* const Star = "[2].tie";
#else
const char* const Star = "x*.tie";
#endif

TEST(ZipArchiver, NamesStayLiteralTimesStayLocalAndHandlerErrorsPassThrough) {
  test::TTempDir temp;
  // Entries store the local time of the machine: in a zone far from UTC an extracted file still
  // gets the time the original had.
  const char* zone = std::getenv("TZ");
  const std::string savedZone = zone ? zone : "";
  SetTimeZone("EST5");
  using TFileClock = std::filesystem::file_time_type::clock;
  const auto now = std::chrono::floor<std::chrono::seconds>(TFileClock::now());
  const auto stamp = now - std::chrono::seconds(now.time_since_epoch().count() % 2);
  TZipArchiver archiver = FormArchiver();
  archiver.ZipFileName = (temp.Path() / "-pack.zip").string();
  for (const char* name : {"[1].tie", "1.tie", "-d", Star}) {
    test::WriteBytes(temp.Path() / name, name);
    std::filesystem::last_write_time(temp.Path() / name, stamp);
    archiver.FilesToProcess.push_back((temp.Path() / name).string());
  }
  archiver.Compression = 12;
  EXPECT_EQ(archiver.AddOptions(0).Level, 9);
  ASSERT_EQ(archiver.AddFiles(0), 0) << archiver.LastError();

  const std::string target = (temp.Path() / "out").string();
  archiver.ExtractDirectory = target;
  archiver.FilesToProcess = {ZipLiteralPattern("[1].tie"), ZipLiteralPattern("-d"),
                             ZipLiteralPattern(Star)};
  EXPECT_EQ(archiver.ExtractFiles(0), 0) << archiver.LastError();
  EXPECT_EQ(test::ListDirectory(target), "-d [1].tie " + std::string(Star));
  EXPECT_EQ(std::filesystem::last_write_time(temp.Path() / "out" / "-d"), stamp);
  SetTimeZone(savedZone);

  archiver.OnExtracting = [](TZipArchiver&, const TZipFileStats&) { throw EInOutError(ENOSPC); };
  archiver.FilesToProcess = {"1.tie"};
  EXPECT_THROW(archiver.ExtractFiles(0), EInOutError);
  EXPECT_TRUE(archiver.FilesToProcess.empty());
}

TEST(ZipArchiver, EveryPropertyAndEventTakesEffectOrIsRefused) {
  test::TTempDir temp;
  const std::filesystem::path folder = temp.Path() / "in" / "sub";
  std::filesystem::create_directories(folder);
  test::WriteBytes(folder / "a.tie", "a");
  std::vector<std::string> seen;
  const auto note = [&](const char* event) {
    return [&seen, event](TZipArchiver&, const auto& what) {
      if constexpr (std::is_same_v<std::decay_t<decltype(what)>, std::string>)
        seen.push_back(std::string(event) + " " + std::filesystem::path(what).filename().string());
      else
        seen.push_back(std::string(event) + " " + what.FileName);
    };
  };
  TZipArchiver archiver;
  archiver.OnAdding = note("adding");
  archiver.OnStatus = note("status");
  archiver.OnDeleting = note("deleting");
  archiver.OnTesting = note("testing");
  archiver.OnFileComment = [](TZipArchiver&, TZipFileComment& comment) {
    comment.Comment = "about " + comment.FileName;
  };
  archiver.OnListing = [&](TZipArchiver&, const TZipFileStats& stats) {
    seen.push_back("listing " + stats.FileName + " (" + stats.Comment + ")");
  };
  const auto add = [&](const std::function<void(TZipArchiver&)>& set) {
    archiver.ZipFileName = (temp.Path() / "a.zip").string();
    archiver.FilesToProcess = {(temp.Path() / "in").string()};
    archiver.Recurse = true;
    set(archiver);
    const int result = archiver.AddFiles(0);
    archiver = TZipArchiver(archiver); // the next case starts from the same events
    archiver.IncludeVolumeLabel = archiver.ClearDisks = archiver.MultidiskMode = false;
    archiver.UseTempFile = true;
    return result;
  };
  EXPECT_EQ(add([](TZipArchiver& a) { a.IncludeVolumeLabel = true; }), zrUnsupported);
  EXPECT_EQ(add([](TZipArchiver& a) { a.UseTempFile = false; }), zrUnsupported);
  EXPECT_EQ(add([](TZipArchiver& a) { a.ClearDisks = true; }), ZipMultidiskRefused);
  EXPECT_EQ(add([](TZipArchiver& a) { a.MultidiskMode = true; }), ZipMultidiskRefused);
  EXPECT_TRUE(seen.empty());
  EXPECT_FALSE(std::filesystem::exists(temp.Path() / "a.zip"));

  std::filesystem::create_directory(temp.Path() / "work");
  EXPECT_EQ(add([&](TZipArchiver& a) {
              a.IncludeDirectoryEntries = a.MoveFiles = true;
              a.TempPath = (temp.Path() / "work").string();
            }),
            0)
      << archiver.LastError();
  EXPECT_EQ(test::ListDirectory(temp.Path() / "work"), "");
  EXPECT_FALSE(std::filesystem::exists(folder / "a.tie"));
  archiver.ListFiles();
  archiver.ExtractDirectory = (temp.Path() / "out").string();
  archiver.ExtractFiles(0);
  // Event names are in lower case.
  const std::string stored =
      LowerCaseAscii((temp.Path() / "in" / "sub").relative_path().generic_string() + "/");
  EXPECT_EQ(seen,
            (std::vector<std::string>{"adding " + stored + "a.tie", "status " + stored + "a.tie",
                                      "deleting a.tie", "listing " + stored + " ()",
                                      "listing " + stored + "a.tie (about " + stored + "a.tie)",
                                      "testing " + stored + "a.tie"}));
}

TEST(ZipArchiver, PasswordAnswersAreCutTo80Characters) {
  TZipArchiver archiver;
  archiver.Password = std::string(100, 'p');
  TZipPwdQuery query{"a.tie", {}, zpaNone};
  archiver.AnswerPasswordQuery(query);
  EXPECT_EQ(query.Password, std::string(80, 'p'));
  EXPECT_EQ(query.Answer, zpaUse);
  EXPECT_EQ(archiver.ListOptions().Password, std::string(100, 'p'));

  archiver.Password.clear();
  archiver.OnPwdQuery = [](TZipArchiver&, TZipPwdQuery& asked) {
    asked.Password = std::string(90, 'q');
    asked.Answer = zpaUse;
  };
  TZipPwdQuery second{"b.tie", {}, zpaNone};
  archiver.AnswerPasswordQuery(second);
  EXPECT_EQ(second.Password, std::string(80, 'q'));
}

} // namespace
} // namespace flightdeck
