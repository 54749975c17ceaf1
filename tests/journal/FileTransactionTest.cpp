// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/FileTransaction.h"
#include "journal/Session.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "platform/InOutError.h"
#include "platform/IoFaults.h"
#include "platform/TemporaryFolder.h"
#include "support/ChildProcess.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <functional>
#ifdef _WIN32
#include <windows.h>
#endif

namespace flightdeck {
namespace {

using test::ListDirectory;
using test::ReadBytes;
using test::TTempDir;
using test::WriteBytes;
namespace fs = std::filesystem;

TEST(InOutError, GivesTheMessagesUsersSeeInWordsWithTheFile) {
  // Error numbers are the host's own: errno here, GetLastError's codes on Windows.
#ifdef _WIN32
  const std::pair<int, const char*> messages[] = {{5, "File access denied"},
                                                  {32, "File access denied"},
                                                  {112, "Disk full"},
                                                  {39, "Disk full"},
                                                  {336, "Is a folder, not a file"},
                                                  {2, nullptr}, // the system's own words
                                                  {206, nullptr}};
#else
  const std::pair<int, const char*> messages[] = {{EACCES, "File access denied"},
                                                  {EROFS, "File access denied"},
                                                  {ENOSPC, "Disk full"},
                                                  {EISDIR, "Is a folder, not a file"},
                                                  {ENOENT, "No such file or directory"},
                                                  {ENAMETOOLONG, "File name too long"}};
#endif
  for (auto [code, message] : messages) {
    const std::string words = EInOutError::MessageFor(code);
    if (!message) {
      EXPECT_TRUE(!words.empty() && !words.starts_with("I/O error")) << code << ": " << words;
      message = words.c_str();
    }
    EXPECT_STREQ(EInOutError(code).what(), message);
    EXPECT_EQ(EInOutError(code, "/games/XvT/a.lst").what(),
              std::string(message) + ": \"/games/XvT/a.lst\"");
    EXPECT_EQ(EInOutError(code, "/games/XvT/a.lst").Reason(), message);
  }
}

// A file staged as its target holds it is left out, whatever its size; any other stays.
TEST(FileTransaction, LeavesOutWhatItWouldWriteAsItIs) {
  TTempDir temp;
  const std::string root = temp.Slashed();
  WriteBytes(temp.Path() / "same.lst", "same");
  WriteBytes(temp.Path() / "alike.lst", "abcd");
  WriteBytes(temp.Path() / "longer.lst", "ab");
  TFileTransaction transaction;
  for (const char* name : {"same.lst", "alike.lst", "longer.lst", "new.lst"})
    transaction.Stage(root + name, std::string(name) == "same.lst" ? "same" : "dcba");
  transaction.LeaveOutUnchanged();
  std::vector<std::string> staged;
  for (const TFileTransaction::TStagedFile& file : transaction.StagedFiles())
    staged.push_back(fs::path(file.Target).filename().string());
  EXPECT_EQ(staged, (std::vector<std::string>{"alike.lst", "longer.lst", "new.lst"}));
  EXPECT_TRUE(transaction.ReadFile(root + "new.lst").has_value());
  transaction.Commit();
  EXPECT_EQ(ReadBytes(temp.Path() / "longer.lst"), "dcba");
  EXPECT_EQ(ListDirectory(temp.Path()), "alike.lst longer.lst new.lst same.lst"); // nothing else
}

TEST(FileTransaction, ReplacesAllFilesOnlyOnCommitAndKeepsPermissions) {
  TTempDir temp;
  const fs::path a = temp.Path() / "a.lst";
  WriteBytes(a, "old a");
  fs::permissions(a, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const std::string root = temp.Slashed();
  {
    TFileTransaction transaction;
    transaction.Stage(root + "a.lst", "new a");
    transaction.Stage(root + "b.lst", "new b");
    EXPECT_EQ(ReadBytes(a), "old a");
    EXPECT_FALSE(fs::exists(temp.Path() / "b.lst"));
    transaction.Commit();
  }
  EXPECT_EQ(ReadBytes(a), "new a");
  EXPECT_EQ(ReadBytes(temp.Path() / "b.lst"), "new b");
#ifndef _WIN32 // Windows files have no such permissions: a replacement takes its folder's
  EXPECT_EQ(fs::status(a).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
  EXPECT_EQ(ListDirectory(temp.Path()), "a.lst b.lst");
}

TEST(FileTransaction, DroppedOrFailingTransactionLeavesOldFilesAndNoTemporaryFile) {
  TTempDir temp;
  WriteBytes(temp.Path() / "a.lst", "old a");
  fs::create_directory(temp.Path() / "sub.lst");
  const std::string root = temp.Slashed();
  {
    TFileTransaction transaction;
    transaction.Stage(root + "a.lst", "new a");
  }
  EXPECT_EQ(ReadBytes(temp.Path() / "a.lst"), "old a");
  EXPECT_EQ(ListDirectory(temp.Path()), "a.lst sub.lst");

  try {
    TFileTransaction transaction;
    transaction.Stage(root + "a.lst", "new a");
    transaction.Stage(root + "sub.lst", "a directory is no file");
    transaction.Commit();
    FAIL() << "replacing a directory succeeded";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Reason(), "Is a folder, not a file");
    EXPECT_TRUE(error.Path().ends_with("sub.lst")) << error.Path();
  }
  EXPECT_EQ(ReadBytes(temp.Path() / "a.lst"), "old a");
  EXPECT_EQ(ListDirectory(temp.Path()), "a.lst sub.lst");

  EXPECT_THROW(SaveFileAtomically(root + "missing\\a.lst", "x"), EInOutError);
  EXPECT_THROW(ReadFileBytes(root + "missing.lst"), EInOutError);
}

TEST(FileTransaction, ReadsWhatItStagedUnderEverySpellingAndTheDiskElse) {
  TTempDir temp;
  const std::string root = temp.Slashed();
  WriteBytes(temp.Path() / "LIST.LST", "old");
  {
    TFileTransaction transaction;
    transaction.Stage(root + "list.lst", "first");
    transaction.Stage(root + "List.lst", "second");
    transaction.StageCopy(root + "List.Lst", root + "copy.lst"); // the disk, not the staged
    EXPECT_EQ(transaction.ReadFile(root + "copy.LST"), "old");
    EXPECT_EQ(transaction.ReadFile(root + "list.LST"), "second");
    EXPECT_TRUE(transaction.FileExists(root + "COPY.lst"));
    EXPECT_EQ(transaction.ReadFile(root + "none.lst"), std::nullopt);
    EXPECT_EQ(ReadFileBytes(root + "list.lst"), "old"); // plain reads see the disk
    EXPECT_FALSE(FileExists(root + "copy.lst"));
  } // dropped: nothing happened
  EXPECT_EQ(ListDirectory(temp.Path()), "LIST.LST");
}

TEST(Session, CommitsNothingOverAFileThatChangedSinceItWasRead) {
  TTempDir temp;
  const std::string root = temp.Slashed();
  SetHistoryRoot((temp.Path() / "data").string());
  WriteBytes(temp.Path() / "a.lst", "read");
  WriteBytes(temp.Path() / "b.lst", "b");
  // Each change after the read: by another writer, by a file that appeared, by one that went.
  const std::vector<std::pair<std::string, std::function<void()>>> outside = {
      {"a.lst", [&] { WriteBytes(temp.Path() / "a.lst", "hand edit"); }},
      {"c.lst", [&] { WriteBytes(temp.Path() / "c.lst", "new"); }},
      {"a.lst", [&] { fs::remove(temp.Path() / "a.lst"); }}};
  for (const auto& [file, change] : outside) {
    WriteBytes(temp.Path() / "a.lst", "read");
    fs::remove(temp.Path() / "c.lst");
    TSession session(root, "rename", "x");
    session.Expect(
        {FileRead(root + "A.LST", ReadFileBytes(root + "a.lst")), FileNotFound(root + "c.lst")});
    session.Files().Stage(root + "a.lst", "written");
    session.Files().Stage(root + "b.lst", "written");
    change();
    try {
      session.Commit();
      ADD_FAILURE() << file;
    } catch (const EChangedOnDisk& changed) {
      EXPECT_EQ(LowerCaseAscii(changed.File()), file); // spelled as on disk where names have case
    }
    EXPECT_EQ(ReadBytes(temp.Path() / "b.lst"), "b") << file;
    EXPECT_TRUE(TGameHistory(root).Entries().empty()) << file;
  }
  SetHistoryRoot({});
}

TEST(FileTransaction, LinksLeftOversAndNulBytes) {
  TTempDir temp;
  const std::string root = temp.Slashed();
  fs::create_directory(temp.Path() / "real");
  WriteBytes(temp.Path() / "real" / "mission.lst", "old");
  // Left by saves that were killed: by an older version, by a process that is gone; and one of
  // a save still running in this process.
  const std::string running = ".flightdeck-save-" + std::to_string(HostProcessId()) + "-0000abcd";
  for (const std::string& name : {std::string(".flightdeck-save-1234abcd"),
                                  std::string(".flightdeck-save-99999999-1234abcd"), running})
    WriteBytes(temp.Path() / "real" / name, "partial");

#ifdef _WIN32 // making links takes a privilege users lack there: the file is saved itself
  SaveFileAtomically(root + "real/mission.lst", "new");
#else
  fs::create_directory(temp.Path() / "combat");
  fs::create_symlink("../real/mission.lst", temp.Path() / "combat" / "mission.lst");
  SaveFileAtomically(root + "combat/mission.lst", "new");
  EXPECT_TRUE(fs::is_symlink(temp.Path() / "combat" / "mission.lst"));
  // A link that leads nowhere is replaced itself: nothing is created where it points.
  fs::create_symlink(temp.Path() / "elsewhere" / "x.tie", temp.Path() / "combat" / "x.tie");
  SaveFileAtomically(root + "combat/x.tie", "mission");
  EXPECT_FALSE(fs::is_symlink(temp.Path() / "combat" / "x.tie"));
  EXPECT_FALSE(fs::exists(temp.Path() / "elsewhere"));
#endif
  EXPECT_EQ(ReadBytes(temp.Path() / "real" / "mission.lst"), "new");
  EXPECT_EQ(ListDirectory(temp.Path() / "real"), running + " mission.lst");

#ifndef _WIN32 // the same for temporary folders: a new one takes away those of ended processes
  const fs::path folders = temp.Path() / "tmp";
  const std::string own = "flightdeck-" + std::to_string(HostProcessId()) + "-abcdef";
  for (const std::string& name : {std::string("flightdeck-99999999-abcdef"), own,
                                  std::string("flightdeck-test-1"), std::string("other")})
    fs::create_directories(folders / name / "pack.mcl");
  const char* tmpdir = std::getenv("TMPDIR");
  const std::string tmpdirBefore = tmpdir ? tmpdir : "";
  setenv("TMPDIR", folders.c_str(), 1);
  {
    const TTemporaryFolder made;
    EXPECT_FALSE(fs::exists(folders / "flightdeck-99999999-abcdef"));
    for (const std::string& kept : {own, std::string("flightdeck-test-1"), std::string("other")})
      EXPECT_TRUE(fs::exists(folders / kept / "pack.mcl")) << kept;
    EXPECT_TRUE(fs::is_directory(made.Path()));
  }
  if (tmpdir)
    setenv("TMPDIR", tmpdirBefore.c_str(), 1);
  else
    unsetenv("TMPDIR");
#endif

  const std::string withNul = root + std::string("combat\0x", 9);
  EXPECT_FALSE(FileExists(withNul));
  EXPECT_FALSE(DirectoryExists(root + std::string("\0", 1)));
  EXPECT_THROW(ReadFileBytes(withNul), EInOutError);
  EXPECT_THROW(SaveFileAtomically(withNul, "x"), EInOutError);
}

#ifdef _WIN32
// What `action` raises, told as a child's outcome: the failures below need no child there.
test::TChildOutcome RunHere(const std::function<void()>& action) {
  test::TChildOutcome outcome;
  try {
    action();
  } catch (const EInOutError& error) {
    outcome.Message = error.what();
  }
  return outcome;
}
#endif

// What the user sees when a save may not replace the list: on Linux a folder that root, giving
// up its rights in a child, may not write; on Windows a list another program holds open
// without sharing it.
TEST(FileTransaction, AListThatMayNotBeReplacedGivesFileAccessDenied) {
  TTempDir temp;
  fs::permissions(temp.Path(), fs::perms::all, fs::perm_options::add);
  const fs::path folder = temp.Path() / "combat";
  fs::create_directory(folder);
  WriteBytes(folder / "mission.lst", "old");
  const auto save = [&] { SaveFileAtomically(folder.string() + "\\mission.lst", "new"); };
#ifdef _WIN32
  const HANDLE held = CreateFileW((folder / "mission.lst").c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const test::TChildOutcome outcome = RunHere(save);
  CloseHandle(held);
#else
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  const test::TChildOutcome outcome = test::RunInChild(test::BecomeUnprivileged, save);
  if (outcome.Skipped)
    GTEST_SKIP() << outcome.Message;
#endif
  // The message names the file.
  EXPECT_TRUE(outcome.Message.starts_with("File access denied: \"") &&
              outcome.Message.ends_with("mission.lst\""))
      << outcome.Message;
  EXPECT_EQ(ReadBytes(folder / "mission.lst"), "old");
  EXPECT_EQ(ListDirectory(folder), "mission.lst");
}

#ifndef _WIN32
// Fills the file system holding `directory` up to its last page.
void FillFileSystem(const fs::path& directory) {
  std::ofstream filler(directory / "filler", std::ios::binary);
  const std::string page(4096, 'x');
  while (filler.write(page.data(), static_cast<std::streamsize>(page.size())) && filler.flush()) {
  }
}
#endif

// A save that finds the disk full: on Linux a small file system, filled, in a child; Windows has
// none to mount, so there the host's disk-full error comes at the save's first write.
TEST(FileTransaction, FullDiskGivesDiskFullAndKeepsTheOldFile) {
  TTempDir temp;
  // The save fails, and leaves the folder as it found it.
  const auto save = [&] {
    const std::string listing = ListDirectory(temp.Path());
    try {
      SaveFileAtomically(temp.Slashed() + "mission.lst", std::string(16 * 1024, 'n'));
    } catch (const EInOutError&) {
      if (ReadBytes(temp.Path() / "mission.lst") != "old list" ||
          ListDirectory(temp.Path()) != listing)
        throw std::runtime_error("the failed save changed the folder: " + listing);
      throw;
    }
  };
#ifdef _WIN32
  WriteBytes(temp.Path() / "mission.lst", "old list");
  SetIoFaultPlan([](TIoStep step, const std::string&) { return step == TIoStep::Write ? 112 : 0; });
  const test::TChildOutcome outcome = RunHere(save);
  SetIoFaultPlan(nullptr);
#else
  const test::TChildOutcome outcome =
      test::RunInChild([&] { test::MountSmallFileSystem(temp.Path().string(), 64 * 1024); },
                       [&] {
                         WriteBytes(temp.Path() / "mission.lst", "old list");
                         FillFileSystem(temp.Path());
                         save();
                       });
  if (outcome.Skipped)
    GTEST_SKIP() << outcome.Message;
#endif
  EXPECT_TRUE(outcome.Message.starts_with("Disk full: \"") &&
              outcome.Message.find("mission.lst") != std::string::npos)
      << outcome.Message;
}

} // namespace
} // namespace flightdeck
