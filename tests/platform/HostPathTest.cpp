#include "platform/HostPath.h"
#include "platform/FileSystem.h"
#include "platform/FileTransaction.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace flightdeck {
namespace {

using test::ReadBytes;
using test::TTempDir;
using test::WriteBytes;
namespace fs = std::filesystem;

TEST(HostPath, FindsEachComponentByExactNameElseWithoutRegardToCase) {
  TTempDir temp;
  fs::create_directories(temp.Path() / "XvT" / "TRAIN");
  WriteBytes(temp.Path() / "XvT" / "TRAIN" / "IMPERIAL.LST", "x");
  const std::string root = temp.Path().string();

  EXPECT_EQ(HostPath(root + "\\xvt\\train\\imperial.lst"), root + "/XvT/TRAIN/IMPERIAL.LST");
  EXPECT_EQ(HostPath(root + "/xvt/Train\\"), root + "/XvT/TRAIN/");
  EXPECT_TRUE(FileExists(root + "/xvt\\train\\imperial.lst"));
  EXPECT_TRUE(DirectoryExists(root + "\\XVT\\train"));
  EXPECT_FALSE(FileExists(root + "/xvt/train"));
  EXPECT_FALSE(DirectoryExists(root + "/xvt/train/imperial.lst"));

  // Where both spellings exist, the exact one wins.
  fs::create_directories(temp.Path() / "XvT" / "train");
  EXPECT_EQ(HostPath(root + "/xvt/train"), root + "/XvT/train");
  EXPECT_EQ(HostPath(root + "/xvt/TRAIN"), root + "/XvT/TRAIN");
}

TEST(HostPath, MissingComponentsKeepTheirSpellingAndNoSecondSpellingIsCreated) {
  TTempDir temp;
  fs::create_directories(temp.Path() / "Combat");
  WriteBytes(temp.Path() / "Combat" / "MISSION.LST", "old");
  const std::string root = temp.Path().string();

  EXPECT_EQ(HostPath(root + "/combat/New\\Name.tie"), root + "/Combat/New/Name.tie");

  SaveFileAtomically(root + "\\combat\\mission.lst", "new");
  SaveFileAtomically(root + "\\combat\\Rebel.lst", "rebel");
  EXPECT_EQ(test::ListDirectory(temp.Path() / "Combat"), "MISSION.LST Rebel.lst");
  EXPECT_EQ(ReadBytes(temp.Path() / "Combat" / "MISSION.LST"), "new");

  CopyFileReplacing(root + "/COMBAT/rebel.lst", root + "/combat/mission.LST");
  EXPECT_EQ(test::ListDirectory(temp.Path() / "Combat"), "MISSION.LST Rebel.lst");
  EXPECT_EQ(ReadBytes(temp.Path() / "Combat" / "MISSION.LST"), "rebel");

  EXPECT_TRUE(RemoveFile(root + "/combat/REBEL.LST"));
  EXPECT_FALSE(RemoveFile(root + "/combat/rebel.lst"));
  EXPECT_EQ(test::ListDirectory(temp.Path() / "Combat"), "MISSION.LST");
}

TEST(HostPath, ALookupScopeReadsAFolderOnceAndKnowsWhatTheProgramChanged) {
  TTempDir temp;
  fs::create_directories(temp.Path() / "Combat");
  const std::string root = temp.Path().string();
  const THostLookupScope scope;
  EXPECT_EQ(HostPath(root + "/combat/a.tie"), root + "/Combat/a.tie");
  SaveFileAtomically(root + "/combat/New.tie", "n");
  EXPECT_EQ(HostPath(root + "/COMBAT/NEW.TIE"), root + "/Combat/New.tie");
  EXPECT_TRUE(RemoveFile(root + "/combat/new.tie"));
  EXPECT_EQ(HostPath(root + "/combat/NEW.TIE"), root + "/Combat/NEW.TIE");
}

TEST(HostPath, KeepsUtf8NamesIntact) {
  TTempDir temp;
  fs::create_directories(temp.Path() / "Missões");
  const std::string root = temp.Path().string();
  EXPECT_EQ(HostPath(root + "/MISSõES"), root + "/Missões");
  EXPECT_FALSE(DirectoryExists(root + "/MISSÕES")); // only ASCII letters fold
}

} // namespace
} // namespace flightdeck
