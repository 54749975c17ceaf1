#include "journal/FileTransaction.h"
#include "journal/Session.h"
#include "platform/HostFiles.h"
#include "platform/InOutError.h"
#include "platform/IoFaults.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>

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

  void SetUp() override {
    SetHistoryRoot((FTemp.Path() / "data").string());
    fs::create_directories(FGame / "combat");
    WriteBytes(FGame / "combat" / "a.tie", "old a");
    WriteBytes(FGame / "combat" / "b.tie", "old b");
  }
  void TearDown() override {
    SetHistoryRoot({});
    SetHistoryLimit(DefaultHistoryLimit);
    SetIoFaultPlan(nullptr);
  }

  // One command: a replaced, b deleted, c created.
  void Change(const char* command, const std::string& text) {
    TSession game(FRoot, command, text);
    game.Files().Stage(FRoot + "combat/A.TIE", "new a " + text);
    game.Files().Stage(FRoot + "combat/c.tie", "new c " + text);
    game.Files().StageRemoval((FGame / "combat" / "b.tie").generic_string());
    game.Commit();
  }
  std::vector<THistoryEntry> Entries() const { return TGameHistory(FRoot).Entries(); }
  TOutcome<THistoryEntry> Undo(int id) { return TSession(FRoot, "undo").Undo(id); }
};

TEST_F(History, UndoPutsBackEveryFileAndUndoingTheUndoRedoes) {
  const std::string before = Snapshot(FGame);
  const auto old = HostFileState((FGame / "combat" / "a.tie").generic_string());
  Change("install-pack", "Deep.ixo");
  const std::string after = Snapshot(FGame);
  // The history keeps the replaced file itself, a second link to it: no copy.
  const auto kept = HostFileState(TGameHistory(FRoot).BeforePath(1, 0));
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
    TSession game(FRoot, "resave");
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

TEST_F(History, ACommandCutShortIsRolledBack) {
  const std::string before = Snapshot(FGame);
  // Cut short by a failure in the middle of putting its files in place.
  SetIoFaultPlan([](TIoStep step, const std::string& path) {
    return step == TIoStep::Rename && path.ends_with("c.tie") ? EIO : 0;
  });
  EXPECT_THROW(Change("install-pack", "Deep.ixo"), EInOutError);
  SetIoFaultPlan(nullptr);
  EXPECT_EQ(Snapshot(FGame), before);
  EXPECT_TRUE(Entries().empty());
  // Cut short by a kill: the journal is there, some files are in place; the next command on the
  // game puts the old ones back.
  TGameHistory history(FRoot);
  history.Begin("install-pack", "Deep.ixo", 0,
                {{(FGame / "combat" / "a.tie").generic_string(), "5:0"},
                 {(FGame / "combat" / "new.tie").generic_string(), "5:0"}});
  for (const char* name : {"a.tie", "new.tie"}) { // each replaced as a save does: renamed over
    WriteBytes(FGame / "combat" / ".partial", "new");
    fs::rename(FGame / "combat" / ".partial", FGame / "combat" / name);
  }
  { TSession next(FRoot, "tree"); }
  EXPECT_EQ(Snapshot(FGame), before);
  EXPECT_TRUE(Entries().empty());
}

TEST_F(History, EntriesThatCannotBeReadOrNameOtherPlacesAreLeftOut) {
  Change("rename", "kept");
  const std::string folder = TGameHistory(FRoot).Folder();
  const std::string header = "flightdeck-history 1\ncommand undo\n";
  int id = 2;
  for (const std::string& text :
       {std::string("garbage"), std::string("\0\xff\n%%%\nfile", 13), header + "file 1 -",
        header + "file 0 - /etc/passwd", header + "file 0 - combat/../../outside.tie",
        header + "file 0 - combat//a.tie", header + "file 1 - combat/a%00.tie"}) {
    char name[16];
    std::snprintf(name, sizeof name, "/%08d", id++);
    fs::create_directories(folder + name);
    WriteBytes(folder + name + "/entry", text);
  }
  ASSERT_EQ(Entries().size(), 1u);
  EXPECT_EQ(Entries().front().Subject, "kept");
  EXPECT_FALSE(Undo(5).Ok());
}

TEST_F(History, TheOldestEntriesGoBeyondTheSizeLimit) {
  SetHistoryLimit(30);
  for (const char* text : {"first", "second", "third"})
    Change("rename", text);
  ASSERT_EQ(Entries().size(), 1u);
  EXPECT_EQ(Entries().front().Subject, "third");
}

} // namespace
} // namespace flightdeck
