// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/FileTransaction.h"
#include "journal/Session.h"
#include "platform/ContentDigest.h"
#include "platform/HostFiles.h"
#include "platform/InOutError.h"
#include "platform/Limits.h"
#include "support/IoFaultPlan.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace flightdeck {
namespace {

using test::ReadBytes;
using test::Snapshot;
using test::WriteBytes;
namespace fs = std::filesystem;

class History : public testing::Test {
protected:
  test::TTempDir FTemp;
  fs::path FGame = FTemp.Path() / "Game";
  std::string FRoot = FTemp.Slashed() + "Game/";
  THistoryPlace FPlace{test::HostOf(FTemp.Path() / "data")};

  void SetUp() override {
    fs::create_directories(FGame / "combat");
    WriteBytes(FGame / "combat" / "a.tie", "old a");
    WriteBytes(FGame / "combat" / "b.tie", "old b");
  }
  void TearDown() override { SetIoFaultPlan(nullptr); }

  // One command: a replaced, b deleted, c created.
  void Change(const char* command, const std::string& text) {
    TSession game(FRoot, command, text, FPlace);
    game.Files().Stage(FRoot + "combat/A.TIE", "new a " + text);
    game.Files().Stage(FRoot + "combat/c.tie", "new c " + text);
    game.Files().StageRemoval(test::HostOf(FGame / "combat" / "b.tie"));
    game.Commit();
  }
  std::vector<THistoryEntry> Entries() const { return TGameHistory(FRoot, FPlace).Entries(); }
  TOutcome<THistoryEntry> Undo(int id) {
    TSession session(FRoot, "undo", {}, FPlace);
    return Committed(session, session.Undo(id));
  }
  TOutcome<THistoryEntry> Redo() {
    TSession session(FRoot, "redo", {}, FPlace);
    return Committed(session, session.Redo());
  }
  static TOutcome<THistoryEntry> Committed(TSession& session, TOutcome<THistoryEntry> staged) {
    if (staged)
      session.Commit();
    return staged;
  }
};

TEST_F(History, UndoPutsBackEveryFileAndUndoingTheUndoRedoes) {
  const std::string before = Snapshot(FGame);
  const auto old = HostFileState(test::HostOf(FGame / "combat" / "a.tie"));
  Change("install-pack", "Deep.ixo");
  const std::string after = Snapshot(FGame);
  // The history keeps the replaced file itself, a second link to it: no copy.
  const auto kept = HostFileState(TGameHistory(FRoot, FPlace).BeforePath(1, 0));
  ASSERT_TRUE(old && kept);
  EXPECT_EQ(kept->Index, old->Index);
  ASSERT_EQ(Entries().size(), 1u);
  const THistoryEntry entry = Entries().front();
  EXPECT_EQ(entry.Command, "install-pack");
  EXPECT_EQ(entry.Subject, "Deep.ixo");
  EXPECT_EQ(entry.Files.size(), 3u);
  EXPECT_EQ(entry.Files[0].Path, "combat/a.tie");
  EXPECT_EQ(entry.Time.size(), 20u);

  ASSERT_TRUE(Undo(0).Ok());
  EXPECT_EQ(Snapshot(FGame), before); // c.tie gone, no file left behind
  EXPECT_TRUE(Entries().front().Undone);
  EXPECT_EQ(NextToUndo(Entries()), nullptr);
  ASSERT_NE(NextToRedo(Entries()), nullptr);
  ASSERT_TRUE(Undo(NextToRedo(Entries())->Id).Ok());
  EXPECT_EQ(Snapshot(FGame), after);
  EXPECT_EQ(Entries().back().Command, "redo");
  EXPECT_EQ(Entries().back().Subject, "install-pack Deep.ixo");
  EXPECT_FALSE(Entries().front().Undone);
  EXPECT_EQ(NextToUndo(Entries())->Command, "redo");
  EXPECT_EQ(NextToRedo(Entries()), nullptr);
}

TEST_F(History, UndoIsRefusedWhenAFileChangedSinceAndNothingIsRecordedForNoChange) {
  Change("install-pack", "one");
  Change("rename", "two"); // a.tie and c.tie again
  const std::string now = Snapshot(FGame);
  const TOutcome<THistoryEntry> refused = Undo(1);
  EXPECT_EQ(refused.Error(),
            "These files changed since, so nothing was undone: combat/a.tie, combat/c.tie.");
  EXPECT_EQ(Snapshot(FGame), now);
  EXPECT_TRUE(Undo(2).Ok());
  EXPECT_TRUE(Undo(1).Ok());
  EXPECT_EQ(ReadBytes(FGame / "combat" / "a.tie"), "old a");
  EXPECT_FALSE(Undo(1).Ok()); // undone already

  const std::size_t count = Entries().size();
  {
    TSession game(FRoot, "resave", {}, FPlace);
    game.Files().Stage(FRoot + "combat/a.tie", "old a"); // the bytes it holds
    game.Commit();
  }
  EXPECT_EQ(Entries().size(), count);
}

TEST_F(History, AHistoryThatCannotBeWrittenStopsTheCommandBeforeAnyChange) {
  WriteBytes(FTemp.Path() / "data", "a file where the history's folder would be");
  const std::string before = Snapshot(FGame);
  try {
    Change("install-pack", "Deep.ixo");
    FAIL() << "no error";
  } catch (const EInOutError& error) {
    EXPECT_NE(std::string(error.what()).find("The history of this game cannot be written"),
              std::string::npos)
        << error.what();
  }
  EXPECT_EQ(Snapshot(FGame), before);
}

TEST_F(History, ACommandCutShortByAFailureIsRolledBackAtOnce) {
  const std::string before = Snapshot(FGame);
  SetIoFaultPlan([](TIoStep step, const std::string& path) {
    return step == TIoStep::Rename && path.ends_with("c.tie") ? EIO : 0;
  });
  EXPECT_THROW(Change("install-pack", "Deep.ixo"), EInOutError);
  SetIoFaultPlan(nullptr);
  EXPECT_EQ(Snapshot(FGame), before);
  EXPECT_TRUE(Entries().empty());
  EXPECT_TRUE(TGameHistory(FRoot, FPlace).Interrupted().empty());
}

std::string DigestOf(std::string_view bytes) {
  TContentDigest digest;
  digest.Add(bytes);
  return digest.Text();
}

// A command killed while its files were put in place, then the history or the game damaged in
// one way each: the next command rolls it back where every file is as the command left it or
// as it was, and otherwise sets the entry aside, saying why, and changes nothing. Either way
// every later command works, and no byte from outside the game reaches it.
TEST_F(History, RecoveryRollsBackOnlyWhatItCanTrustAndNeverBlocks) {
  const fs::path outside = FTemp.Path() / "outside.tie";
  WriteBytes(outside, "outside bytes");
  const std::string longName = "combat/" + std::string(300, 'n') + ".tie";
  struct TCase {
    const char* Name;
    std::function<void(const fs::path& entry)> Damage;
    const char* Reason; // in the report; empty: rolled back
  };
  const auto kept = [](const fs::path& entry) { return entry / "before-0"; };
  std::vector<TCase> cases = {
      {"whole", [](const fs::path&) {}, ""},
      {"truncated copy",
       [&](const fs::path& entry) {
         const std::string whole = ReadBytes(kept(entry));
         fs::remove(kept(entry));
         WriteBytes(kept(entry), whole.substr(0, whole.size() / 2));
       },
       "combat/a.tie: its kept copy is not of the size recorded"},
      {"missing copy", [&](const fs::path& entry) { fs::remove(kept(entry)); },
       "its kept copy cannot be read: "},
      {"garbage record",
       [](const fs::path& entry) { WriteBytes(entry / "entry", "\xff garbage\n"); },
       "its record cannot be read"},
      {"hand edit since",
       [&](const fs::path&) { WriteBytes(FGame / "combat" / "c.tie", "edited"); },
       "combat/c.tie changed since"},
      {"recreated game",
       [&](const fs::path&) {
         fs::rename(FGame, FTemp.Path() / "old game");
         fs::create_directories(FGame / "combat");
         WriteBytes(FGame / "combat" / "c.tie", "new c");
       },
       "the game folder is not the one it changed"}};
#ifndef _WIN32 // links, pipes and sparse files are made here only
  cases.insert(cases.end(), {{"linked copy",
                              [&](const fs::path& entry) {
                                fs::remove(kept(entry));
                                fs::create_symlink(outside, kept(entry));
                              },
                              "its kept copy cannot be read"},
                             {"fifo copy",
                              [&](const fs::path& entry) {
                                fs::remove(kept(entry));
                                ASSERT_EQ(mkfifo(kept(entry).c_str(), 0600), 0);
                              },
                              "its kept copy cannot be read"},
                             {"sparse copy",
                              [&](const fs::path& entry) {
                                fs::remove(kept(entry));
                                WriteBytes(kept(entry), "");
                                fs::resize_file(kept(entry), 10ULL << 30);
                              },
                              "its kept copy is not of the size recorded"}});
#endif
  for (const TCase& test : cases) {
    SCOPED_TRACE(test.Name);
    fs::remove_all(FTemp.Path() / "data");
    fs::remove_all(FTemp.Path() / "old game");
    fs::remove_all(FGame / "combat");
    fs::create_directories(FGame / "combat");
    WriteBytes(FGame / "combat" / "a.tie", "old a");
    const std::string before = Snapshot(FGame);
    TGameHistory history(FRoot, FPlace);
    const int id = history.Begin("install-pack", "Deep.ixo", 0,
                                 {{test::HostOf(FGame / "combat" / "a.tie"), DigestOf("new a")},
                                  {test::HostOf(FGame / "combat" / "c.tie"), DigestOf("new c")},
                                  {THostPath(FTemp.Slashed() + "Game/" + longName),
                                   DigestOf("long")}}); // no host can hold it
    for (const auto& [name, bytes] : {std::pair{"a.tie", "new a"}, std::pair{"c.tie", "new c"}}) {
      WriteBytes(FGame / "combat" / ".partial", bytes); // put in place as a save does
      fs::rename(FGame / "combat" / ".partial", FGame / "combat" / name);
    }
    ASSERT_EQ(history.Interrupted().size(), 1u);
    test.Damage(test::PathOf(history.Folder()) / HistoryFolderName(id));
    const std::string damaged = Snapshot(FGame);

    std::vector<std::string> reports;
    { // the next command
      TSession next(FRoot, "rename", "next", FPlace);
      for (const TMessage& report : next.RecoveryReports())
        reports.push_back(report.Text());
      next.Files().Stage(FRoot + "combat/z.tie", "z");
      next.Commit();
    }
    // The next command did its own change, which its undo takes back.
    EXPECT_TRUE(TGameHistory(FRoot, FPlace).Interrupted().empty());
    ASSERT_EQ(Entries().size(), 1u);
    EXPECT_EQ(Entries().back().Subject, "next");
    EXPECT_EQ(ReadBytes(FGame / "combat" / "z.tie"), "z");
    EXPECT_TRUE(Undo(0).Ok());
    const std::string now = Snapshot(FGame);
    EXPECT_EQ(now.find("outside bytes"), std::string::npos);
    if (*test.Reason == '\0') {
      EXPECT_TRUE(reports.empty()) << reports.front();
      EXPECT_EQ(now, before);
    } else {
      ASSERT_EQ(reports.size(), 1u);
      EXPECT_TRUE(reports[0].starts_with("The interrupted ")) << reports[0];
      EXPECT_NE(reports[0].find(test.Reason), std::string::npos) << reports[0];
      EXPECT_NE(reports[0].find("/damaged/" + HistoryFolderName(id) + "\"; nothing was changed."),
                std::string::npos)
          << reports[0];
      EXPECT_EQ(now, damaged);
    }
  }
}

TEST_F(History, AnEntryHoldingTheLastIdIsSetAsideAndNumbersNeverRunOut) {
  Change("rename", "first");
  const std::string folder = TGameHistory(FRoot, FPlace).Folder().Native() + "/";
  const std::string last = folder + HistoryFolderName(LastHistoryId);
  fs::rename(folder + HistoryFolderName(1), last);
  TSession next(FRoot, "rename", "second", FPlace);
  ASSERT_EQ(next.RecoveryReports().size(), 1u);
  EXPECT_NE(next.RecoveryReports()[0].Text().find("holds the last number"), std::string::npos);
  next.Files().Stage(FRoot + "combat/z.tie", "z");
  next.Commit();
  ASSERT_EQ(Entries().size(), 1u);
  EXPECT_EQ(Entries().front().Id, 1);

  // Just below the last number, the entries are numbered again from 1, undos with them.
  ASSERT_TRUE(Undo(1).Ok());
  fs::rename(folder + HistoryFolderName(2), folder + HistoryFolderName(LastHistoryId - 1));
  fs::rename(folder + HistoryFolderName(1), folder + HistoryFolderName(LastHistoryId - 2));
  Change("rename", "third");
  const std::vector<THistoryEntry> entries = Entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[2].Id, 3);
  EXPECT_EQ(entries[1].Undoes, 1);
  EXPECT_TRUE(entries[0].Undone);
  EXPECT_TRUE(TSession(FRoot, "rename", {}, FPlace).RecoveryReports().empty());
}

TEST_F(History, AnUndoChecksTheKeptCopyFirst) {
  Change("install-pack", "Deep.ixo");
  const std::string now = Snapshot(FGame);
  fs::resize_file(test::PathOf(TGameHistory(FRoot, FPlace).BeforePath(1, 0)), 2); // cut short
  const TOutcome<THistoryEntry> refused = Undo(0);
  EXPECT_EQ(refused.Error(), "combat/a.tie cannot be put back, so nothing was undone: its kept "
                             "copy is not of the size recorded.");
  EXPECT_EQ(Snapshot(FGame), now);
}

TEST_F(History, AnUndoTrustsUnreadOnlyAFileThatIsStillTheOneTheCommandLeft) {
  // The record of the files an entry left; a line that is not whole, or that names no file of
  // the entry, counts for nothing.
  const THostFileState state{true, false, 5, 7, 9, -3, 4, 0644};
  const std::string header = "flightdeck-left 1\n", line = "0 7 9 5 -3 4 420\n";
  EXPECT_EQ(FilesLeftText({{0, state}}), header + line);
  for (const auto& [text, count] : std::vector<std::pair<std::string, std::size_t>>{
           {header + line, 1},
           {header + "garbage\n\xff\n" + line, 1},
           {"flightdeck-left 2\n" + line, 0},
           {header + "0 7 9 5 -3 4\n", 0},
           {header + "0 7 9 5 -3 4 420 1\n", 0},
           {header + "1 7 9 5 -3 4 420\n", 0}, // the entry has one file
           {header + "0 -7 9 5 -3 4 420\n", 0},
           {header + "0 7 9 5 -3 4 42x\n", 0},
           {header + "0 7 9 5 -3 4 420", 0}}) { // cut short
    const std::vector<THistoryFileLeft> parsed = ParseFilesLeft(text, 1);
    EXPECT_EQ(parsed.size(), count) << text;
    if (count == 1) {
      EXPECT_EQ(parsed[0].State, state);
    }
  }

  // An install keeps each file it wrote as the host has it.
  Change("install-pack", "Deep.ixo");
  const TGameHistory history(FRoot, FPlace);
  const std::string left = (history.Folder() / "00000001" / "left").Native();
  const THistoryEntry entry = Entries().front();
  const std::vector<THistoryFileLeft> files = ParseFilesLeft(ReadBytes(left), entry.Files.size());
  ASSERT_EQ(files.size(), 2u); // a.tie and c.tie; b.tie is gone
  for (const THistoryFileLeft& file : files)
    EXPECT_EQ(HostFileState(history.HostPathOf(entry.Files[file.File])), file.State);
  // A damaged record is stepped over: the files are read.
  WriteBytes(left, header + "0 1 2 3 4 5 6\n" + std::string("\0\xff", 2));
  ASSERT_TRUE(Undo(1).Ok());
  ASSERT_TRUE(Undo(2).Ok()); // redone
  // Bytes of the same size written in, their time of writing put back: another file.
  const fs::path a = FGame / "combat" / "a.tie";
  const fs::file_time_type written = fs::last_write_time(a);
  WriteBytes(a, "new a Deep.ixX");
  fs::last_write_time(a, written);
  EXPECT_FALSE(Undo(3).Ok());
  EXPECT_EQ(ReadBytes(a), "new a Deep.ixX");
}

TEST_F(History, EntriesThatCannotBeReadOrNameOtherPlacesAreLeftOut) {
  Change("rename", "kept");
  const std::string folder = TGameHistory(FRoot, FPlace).Folder().Native();
  const std::string header = "flightdeck-history 1\ncommand undo\n";
  // A record of today counts its files and carries the digest of its text: cut short at any
  // line end, or with a line gone, it is damaged.
  const std::string whole = ReadBytes(folder + "/00000001/entry");
  const std::size_t lastFile = whole.rfind("\nfile ") + 1;
  const std::size_t count = whole.find("files ");
  ASSERT_NE(lastFile, std::string::npos);
  int id = 2;
  for (const std::string& text :
       {std::string("garbage"), std::string("\0\xff\n%%%\nfile", 13), header + "file 1 -",
        header + "file 0 - /etc/passwd", header + "file 0 - combat/../../outside.tie",
        header + "file 0 - combat//a.tie", header + "file 1 - combat/a%00.tie",
        whole.substr(0, whole.size() - 1), whole.substr(0, count),
        whole.substr(0, lastFile) + whole.substr(whole.find('\n', lastFile) + 1),
        whole.substr(0, lastFile) + "file 1 - 1:0 1:0 combat/b.tie\n" + whole.substr(lastFile)}) {
    char name[16];
    std::snprintf(name, sizeof name, "/%08d", id++);
    fs::create_directories(folder + name);
    WriteBytes(folder + name + "/entry", text);
  }
  ASSERT_EQ(Entries().size(), 1u);
  EXPECT_EQ(Entries().front().Subject, "kept");
  EXPECT_FALSE(Undo(5).Ok());

  // A record of the first version that replaced a file cannot be undone: the Edit menu's undo
  // passes over it, saying so.
  fs::create_directories(folder + "/00000020");
  WriteBytes(folder + "/00000020/entry", "flightdeck-history 1\ncommand rename\nfile 1 5:0 "
                                         "combat/a.tie\n");
  const TOutcome<THistoryEntry> undone = Undo(0);
  ASSERT_TRUE(undone.Ok()) << undone.Error();
  EXPECT_EQ(undone.Value().Subject, "kept");
  ASSERT_EQ(undone.Notes.size(), 1u);
  EXPECT_EQ(undone.Notes[0].Text(), "Entry 20 (rename) was passed over: an earlier version "
                                    "recorded it without what undoing it needs.");
}

#ifndef _WIN32 // links are made here only
// A category folder linked elsewhere, as a case fix or a move to another disk does: its files
// are recorded as the game names them, and undone and rolled back through the link. A record
// that names a folder linked elsewhere since, or another one, writes nothing there.
TEST_F(History, AFolderLinkedElsewhereIsUndoneThroughTheLinkAndNoRecordLeadsBeyondIt) {
  const fs::path disk = FTemp.Path() / "other disk";
  fs::create_directories(disk);
  fs::rename(FGame / "combat", disk / "combat");
  fs::create_symlink(disk / "combat", FGame / "combat");
  const std::string before = Snapshot(disk);
  Change("install-pack", "Deep.ixo");
  ASSERT_EQ(Entries().size(), 1u);
  EXPECT_EQ(Entries().front().Files[0].Path, "combat/a.tie");
  ASSERT_TRUE(Undo(0).Ok());
  EXPECT_EQ(Snapshot(disk), before);
  ASSERT_TRUE(Redo().Ok());

  // Cut short, then rolled back by the next command.
  const std::string done = Snapshot(disk);
  const int id = TGameHistory(FRoot, FPlace)
                     .Begin("install-pack", "Cut.ixo", 0,
                            {{THostPath(FRoot + "combat/a.tie"), DigestOf("cut a")}});
  WriteBytes(disk / "combat" / ".partial", "cut a"); // put in place as a save does
  fs::rename(disk / "combat" / ".partial", disk / "combat" / "a.tie");
  const std::vector<TMessage> reports = TSession(FRoot, "rename", {}, FPlace).RecoveryReports();
  EXPECT_TRUE(reports.empty()) << reports.front().Text();
  EXPECT_EQ(Snapshot(disk), done);
  EXPECT_FALSE(HostEntryExists(TGameHistory(FRoot, FPlace).Folder() / HistoryFolderName(id)));

  // The link now leads elsewhere, or a record names a link to outside the game.
  const fs::path outside = FTemp.Path() / "outside";
  fs::create_directories(outside);
  WriteBytes(outside / "a.tie", ReadBytes(disk / "combat" / "a.tie"));
  fs::create_symlink(outside, FGame / "combat2");
  Change("rename", "last");
  THistoryEntry entry = Entries().back();
  const std::string record =
      (TGameHistory(FRoot, FPlace).Folder() / HistoryFolderName(entry.Id) / "entry").Native();
  for (THistoryFile& file : entry.Files)
    file.Path.replace(0, 6, "combat2");
  WriteBytes(record, HistoryRecordText(entry));
  const std::string untouched = Snapshot(outside);
  EXPECT_EQ(Undo(entry.Id).Error().substr(0, 66),
            "These files are no longer in the folder the command wrote them in,");
  fs::remove(FGame / "combat");
  fs::create_symlink(outside, FGame / "combat");
  EXPECT_FALSE(Undo(entry.Id).Ok());
  EXPECT_EQ(Snapshot(outside), untouched);
}
#endif

TEST_F(History, TheOldestEntriesGoBeyondTheSizeLimitAsMeasured) {
  // The sizes kept beside the entries only say when to measure.
  FPlace.Limit = 100000;
  for (const char* text : {"first", "second"})
    Change("rename", text);
  const std::string folder = TGameHistory(FRoot, FPlace).Folder().Native();
  WriteBytes(folder + "/size", "999999999999999");
  for (const char* entry : {"/00000001/size", "/00000002/size"})
    WriteBytes(folder + std::string(entry), "0");
  Change("rename", "third");
  EXPECT_EQ(Entries().size(), 3u);

  FPlace.Limit = 30;
  Change("rename", "fourth");
  ASSERT_EQ(Entries().size(), 1u);
  EXPECT_EQ(Entries().front().Subject, "fourth");
}

} // namespace
} // namespace flightdeck
