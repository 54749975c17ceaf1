// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/FileTransaction.h"
#include "journal/Session.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "platform/InOutError.h"
#include "platform/LeftOvers.h"
#include "platform/TemporaryFolder.h"
#include "support/ChildProcess.h"
#include "support/IoFaultPlan.h"
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
  TDigestMemo digests;
  transaction.LeaveOutUnchanged(digests);
  std::vector<std::string> staged;
  for (const TFileTransaction::TStagedFile& file : transaction.StagedFiles())
    staged.push_back(fs::path(file.Target.Native()).filename().string());
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
  const THistoryPlace place{THostPath((temp.Path() / "data").string())};
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
    TSession session(root, "rename", "x", place);
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
    EXPECT_TRUE(TGameHistory(root, place).Entries().empty()) << file;
  }
}

TEST(FileTransaction, LinksAndNulBytes) {
  TTempDir temp;
  const std::string root = temp.Slashed();
  fs::create_directory(temp.Path() / "real");
  WriteBytes(temp.Path() / "real" / "mission.lst", "old");
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
  EXPECT_EQ(ListDirectory(temp.Path() / "real"), "mission.lst");

  const std::string withNul = root + std::string("combat\0x", 9);
  EXPECT_FALSE(FileExists(withNul));
  EXPECT_FALSE(DirectoryExists(root + std::string("\0", 1)));
  EXPECT_THROW(ReadFileBytes(withNul), EInOutError);
  EXPECT_THROW(SaveFileAtomically(withNul, "x"), EInOutError);
}

// What a killed process left goes, and nothing else: in a game's folder, when the command after
// a command cut short opens (a save never reads the folder), and in a temporary folder shared
// with the user's look-alikes and with processes of another namespace, when a new one is made.
TEST(FileTransaction, OnlyTheProgramsOwnLeftOversOfEndedProcessesGo) {
  TTempDir temp;
  const std::string boot = HostBootTag(), space = HostProcessSpaceTag();
  const std::string ended = boot + "-" + space + "-999999999";
  const std::string owners[] = {
      ended,
      (boot == "ffffffff" ? "fffffffe" : "ffffffff") + ("-" + space + "-1"), // before a restart
      boot + "-" + (space == "12345678" ? "12345679" : "12345678") + "-999999999", // elsewhere
      OwnerTag(),                                                                  // running
      boot + "-" + space + "-0999999999",       // not a name the program makes
      boot.substr(1) + "-" + space + "-99999"}; // nor this
  const std::string gone[] = {owners[0], owners[1]};

  const THistoryPlace place{THostPath(temp.Slashed() + "data")};
  const std::string game = test::MakeGameDirectory(temp.Path() / "Game");
  const fs::path combat = temp.Path() / "Game" / "combat";
  for (const std::string& owner : owners)
    WriteBytes(combat / (".flightdeck-save-" + owner + "-0000abcd"), "partial");
  for (const char* name : {".flightdeck-save-backup.lst", ".flightdeck-save-99999999-1234abcd"})
    WriteBytes(combat / name, "the user's");
#ifndef _WIN32
  fs::create_symlink(temp.Path() / "data", combat / (".flightdeck-save-" + ended + "-00000001"));
  fs::create_directory(combat / (".flightdeck-save-" + ended + "-00000002"));
#endif
  const auto leftOvers = [&] { return ListDirectory(combat) + " "; };
  SaveFileAtomically(game + "combat/mission.lst", "new");
  const std::string all = leftOvers();
  EXPECT_NE(all.find(".flightdeck-save-" + ended), std::string::npos);
  TGameHistory(game, place).BeginWork(); // and then cut short
  { const TSession next(game, "rename", {}, place); }
  const std::string after = leftOvers();
  for (const std::string& owner : owners)
    EXPECT_EQ(after.find(owner + "-0000abcd") == std::string::npos,
              std::find(std::begin(gone), std::end(gone), owner) != std::end(gone))
        << owner;
  EXPECT_EQ(std::count(after.begin(), after.end(), ' ') + 2,
            std::count(all.begin(), all.end(), ' '));

#ifndef _WIN32 // where TMPDIR names the temporary folder
  const fs::path shared = temp.Path() / "tmp";
  const auto folder = [&](const std::string& name, const std::string& owner) {
    fs::create_directories(shared / name / "pack.mcl");
    fs::permissions(shared / name, fs::perms::owner_all, fs::perm_options::replace);
    WriteBytes(shared / name / ".flightdeck-owner", "flightdeck-temporary " + owner + "\n");
  };
  for (const std::string& owner : owners)
    folder("flightdeck-" + owner + "-0000abcd", owner);
  folder("flightdeck-" + ended + "-00000001", owners[1]); // names another owner inside
  folder("flightdeck-" + ended + "-00000002", ended);
  fs::permissions(shared / ("flightdeck-" + ended + "-00000002"), fs::perms::group_read,
                  fs::perm_options::add); // not private
  fs::create_directories(shared / "flightdeck-20261207-backup" / "notes.txt");
  WriteBytes(shared / "flightdeck-31999-notes.txt", "the user's");
  fs::create_directory_symlink(shared / "flightdeck-20261207-backup",
                               shared / ("flightdeck-" + ended + "-00000003"));
  std::string expected;
  for (const fs::directory_entry& entry : fs::directory_iterator(shared))
    if (entry.path().filename() != "flightdeck-" + gone[0] + "-0000abcd" &&
        entry.path().filename() != "flightdeck-" + gone[1] + "-0000abcd")
      expected += entry.path().filename().string() + "\n";
  const char* tmpdir = std::getenv("TMPDIR");
  const std::string tmpdirBefore = tmpdir ? tmpdir : "";
  setenv("TMPDIR", shared.c_str(), 1);
  {
    const TTemporaryFolder made;
    EXPECT_EQ(ListDirectory(made.Path()), ".flightdeck-owner");
    fs::remove_all(made.Path());
  }
  if (tmpdir)
    setenv("TMPDIR", tmpdirBefore.c_str(), 1);
  else
    unsetenv("TMPDIR");
  std::string left;
  for (const fs::directory_entry& entry : fs::directory_iterator(shared))
    left += entry.path().filename().string() + "\n";
  EXPECT_EQ(left.size(), expected.size());
  for (const fs::directory_entry& entry : fs::directory_iterator(shared))
    EXPECT_NE(expected.find(entry.path().filename().string() + "\n"), std::string::npos)
        << entry.path();
  EXPECT_TRUE(fs::exists(shared / "flightdeck-20261207-backup" / "notes.txt"));
#endif
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
