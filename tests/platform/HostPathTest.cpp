// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HostPath.h"
#include "journal/FileTransaction.h"
#include "platform/FileSystem.h"
#include "platform/HostFiles.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>

namespace flightdeck {
namespace {

using test::ReadBytes;
using test::TTempDir;
using test::WriteBytes;
namespace fs = std::filesystem;

// The host path of `given` is `found` where the program looks names up itself. Windows finds
// names without regard to case on its own: there the path stays as given, "\\" made "/".
void ExpectHostPath(const std::string& given, const std::string& found) {
  std::string expected = found;
  if (!HostNamesHaveCase()) {
    expected = given;
    std::replace(expected.begin(), expected.end(), '\\', '/');
  }
  EXPECT_EQ(HostPath(given).Native(), expected) << given;
}

// A program path reaches the host's files only through HostPath, or spelled out as a host path.
static_assert(!std::is_convertible_v<std::string, THostPath>);
static_assert(!std::is_convertible_v<THostPath, std::string>);

TEST(HostPath, IsAFolderAndNamesInIt) {
  const struct {
    const char* Path;
    const char* Parent;
    const char* Child;
  } cases[] = {{"/games/XvT", "/games", "/games/XvT/combat"},
               {"/games/XvT/", "/games/XvT", "/games/XvT/combat"},
               {"/XvT", "/", "/XvT/combat"},
               {"XvT", ".", "XvT/combat"},
               {"", ".", "combat"}};
  for (const auto& path : cases) {
    EXPECT_EQ(THostPath(path.Path).Parent().Native(), path.Parent) << path.Path;
    EXPECT_EQ((THostPath(path.Path) / "combat").Native(), path.Child) << path.Path;
  }
}

TEST(HostPath, FindsEachComponentByExactNameElseWithoutRegardToCase) {
  TTempDir temp;
  fs::create_directories(temp.Path() / "XvT" / "TRAIN");
  WriteBytes(temp.Path() / "XvT" / "TRAIN" / "IMPERIAL.LST", "x");
  const std::string root = temp.Path().string();

  ExpectHostPath(root + "\\xvt\\train\\imperial.lst", root + "/XvT/TRAIN/IMPERIAL.LST");
  ExpectHostPath(root + "/xvt/Train\\", root + "/XvT/TRAIN/");
  EXPECT_TRUE(FileExists(root + "/xvt\\train\\imperial.lst"));
  EXPECT_TRUE(DirectoryExists(root + "\\XVT\\train"));
  EXPECT_FALSE(FileExists(root + "/xvt/train"));
  EXPECT_FALSE(DirectoryExists(root + "/xvt/train/imperial.lst"));

  // Where both spellings exist, the exact one wins.
  fs::create_directories(temp.Path() / "XvT" / "train");
  ExpectHostPath(root + "/xvt/train", root + "/XvT/train");
  ExpectHostPath(root + "/xvt/TRAIN", root + "/XvT/TRAIN");
}

TEST(HostPath, MissingComponentsKeepTheirSpellingAndNoSecondSpellingIsCreated) {
  TTempDir temp;
  fs::create_directories(temp.Path() / "Combat");
  WriteBytes(temp.Path() / "Combat" / "MISSION.LST", "old");
  const std::string root = temp.Path().string();

  ExpectHostPath(root + "/combat/New\\Name.tie", root + "/Combat/New/Name.tie");

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
  ExpectHostPath(root + "/combat/a.tie", root + "/Combat/a.tie");
  SaveFileAtomically(root + "/combat/New.tie", "n");
  ExpectHostPath(root + "/COMBAT/NEW.TIE", root + "/Combat/New.tie");
  EXPECT_TRUE(RemoveFile(root + "/combat/new.tie"));
  ExpectHostPath(root + "/combat/NEW.TIE", root + "/Combat/NEW.TIE");
}

TEST(HostPath, NamesOutsideAsciiAreUtf8AndAnOlderSpellingStillFindsThem) {
  TTempDir temp;
  const std::string root = temp.Path().string();
  // Host paths are UTF-8 on every host; Windows takes them as UTF-16, Wine keeps them as UTF-8.
  const std::string name = "\xc3\xa9t\xc3\xa9.tie";
  SaveFileAtomically(root + "/" + name, "x");
  EXPECT_EQ(ReadFileBytes(root + "\\" + name), "x");
  EXPECT_EQ(HostFolderNames(HostPath(root)), std::vector<std::string>{name});
  // The name in the Windows-1252 bytes an older version used is the same name.
  EXPECT_EQ(ReadFileBytes(root + "/\xe9t\xe9.tie"), "x");
  if (HostNamesHaveCase()) { // only ASCII letters fold in the program's own lookup
    fs::create_directories(temp.Path() / "Missões");
    EXPECT_EQ(HostPath(root + "/MISSõES").Native(), root + "/Missões");
    EXPECT_FALSE(DirectoryExists(root + "/MISSÕES"));
  }
}

} // namespace
} // namespace flightdeck
