// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"

#include <QDialog>
#include <QLocalServer>

#include "journal/History.h"
#include "support/FormFixture.h"
#include "support/MissionWriter.h"
#include "support/PackFiles.h"
#include <unistd.h>

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <unistd.h>

using namespace flightdeck;
using test::CrLf;
using test::ReadBytes;
using test::WriteBytes;
namespace fs = std::filesystem;

class TInstallCommandsTest : public QObject, protected test::TFormFixture {
  Q_OBJECT

  const QString FPlaceCopy =
      QStringLiteral("Confirm: The specified TIE mission does not exist in the correct mission "
                     "directory.  Would you like to place a "
                     "copy in the correct directory?");

  // A mission file outside the game directory.
  QString Download(const char* name) {
    fs::create_directories(FTemp->Path() / "Downloads");
    WriteBytes(FTemp->Path() / "Downloads" / test::Utf8Path(name),
               test::Mission(std::string("mission ") + name));
    return QString::fromStdString(
        test::Utf8Text(FTemp->Path() / "Downloads" / test::Utf8Path(name)));
  }

  // Drags `files` from outside onto `target` at `at`: whether the move was let in, and dropped.
  bool DropFiles(QWidget* target, const QPoint& at, const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files)
      urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    if (!enter.isAccepted() || !move.isAccepted())
      return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
  }

private Q_SLOTS:
  void init() { SetUpGame(); }
  void cleanup() { TearDownGame(); }

  void installingIntoMeleeCopiesTheFileAndNumbersTheEntry() {
    WriteBytes(GameFile("melee", "mission.lst"),
               CrLf({"//", "[Arena]", "//", "0", "x.tie", "Old Duel"}));
    StoreSettings("MType=2\r\n");
    Open();
    Select(QStringLiteral("Old Duel")); // an Engagement: the mission joins its Campaign
    FPrompts.Files = {Download("M1.TIE")};
    Click("InstallMissionBtn");
    const TOpenDialogRequest& dialog = FPrompts.FileRequests.front();
    QCOMPARE(dialog.InitialDir, PathText(FGame + "melee"));
    QCOMPARE(dialog.Title, QStringLiteral("Select a TIE Mission File to Install..."));
    QCOMPARE(
        dialog.Filter,
        QStringLiteral("X-wing vs. TIE Fighter Mission files (*.tie)|*.tie|All formats...|*.*"));
    QCOMPARE(FPrompts.Messages, QStringList{FPlaceCopy});
    QVERIFY(!fs::exists(GameFile("melee", "m1.tie"))); // written with the label, as one command
    QCOMPARE(FForm->Panel()->MissionView()->currentIndex().data().toString(),
             QStringLiteral("A New X-wing vs. TIE Fighter Mission"));
    QCOMPARE(Control<QLineEdit>("MissionNumberEB")->displayText().trimmed(), QStringLiteral("1"));
    FinishLabelEdit(QStringLiteral("New Duel"));
    QCOMPARE(ReadBytes(GameFile("melee", "m1.tie")), test::Mission("mission M1.TIE"));
    QCOMPARE(ReadBytes(GameFile("melee", "mission.lst")),
             CrLf({"//", "[Arena]", "//", "0", "x.tie", "Old Duel", "1", "m1.tie", "New Duel"}));
    QVERIFY(!fs::exists(GameFile("combat", "imperial.lst")));
  }

  // A file that is no mission of this game goes in only when the user agrees; a mission of the
  // expansion goes in with a word on it.
  void whatIsNoMissionIsAskedAndTheExpansionNamed() {
    WriteBytes(GameFile("melee", "mission.lst"), CrLf({"//", "[Arena]", "//"}));
    StoreSettings("MType=2\r\n");
    Open();
    Select(QStringLiteral("Arena"));
    fs::create_directories(FTemp->Path() / "Downloads");
    const fs::path junk = FTemp->Path() / "Downloads" / "junk.tie";
    WriteBytes(junk, "junk");
    const QString asked = QStringLiteral("Confirm: \"junk.tie\" is no mission of X-wing vs. TIE "
                                         "Fighter: not a mission file. Install it anyway?");
    FPrompts.Answers = {TMessageResult::No};
    FForm->Panel()->InstallMissionFile(junk.string());
    QCOMPARE(FPrompts.Messages, QStringList{asked});
    QVERIFY(!FForm->Panel()->List().AwaitingLabel());
    FPrompts.Answers = {TMessageResult::Yes, TMessageResult::Yes};
    FForm->Panel()->InstallMissionFile(junk.string());
    QCOMPARE(FPrompts.Messages, (QStringList{asked, asked, FPlaceCopy}));
    FinishLabelEdit(QStringLiteral("Junk"));
    QCOMPARE(ReadBytes(GameFile("melee", "junk.tie")), std::string("junk"));

    test::TMissionShape expansion;
    expansion.Platform = 14;
    WriteBytes(GameFile("melee", "bop.tie"), test::MakeMission(expansion));
    FForm->Panel()->InstallMissionFile((FTemp->Path() / "Game" / "melee" / "bop.tie").string());
    QVERIFY(Caption("ShowFileTitlePanel")
                .endsWith(QStringLiteral(". It needs the Balance of Power expansion.")));

    // A training mission offered Melee is offered Training instead, and goes there.
    WriteBytes(GameFile("train", "mission.lst"), CrLf({"//", "[School]", "//"}));
    test::TMissionShape training;
    training.Play = 0;
    WriteBytes(FTemp->Path() / "Downloads" / "drill.tie", test::MakeMission(training));
    FPrompts.Messages.clear();
    FPrompts.Answers = {TMessageResult::Yes, TMessageResult::Yes};
    FForm->Panel()->InstallMissionFile((FTemp->Path() / "Downloads" / "drill.tie").string());
    QCOMPARE(FPrompts.Messages.front(),
             QStringLiteral("Confirm: This is a training mission. Install it under Training "
                            "instead?"));
    QCOMPARE(FForm->Panel()->MissionType(), mtTraining);
    FinishLabelEdit(QStringLiteral("Drill"));
    QVERIFY(ReadBytes(GameFile("train", "mission.lst")).find("drill.tie\r\nDrill") !=
            std::string::npos);
  }

  void theHistoryKeepsToTheSizeSetInTheSettings() {
    StoreSettings("MType=1\r\nHistoryLimitMiB=1\r\n");
    WriteBytes(GameFile("combat", "big.tie"), std::string(3 << 19, 'o'));
    Open();
    Select(QStringLiteral("Outer Rim"));
    fs::create_directories(FTemp->Path() / "Downloads");
    WriteBytes(FTemp->Path() / "Downloads" / "big.tie", std::string(3 << 19, 'n'));
    FForm->Panel()->InstallMissionFile((FTemp->Path() / "Downloads" / "big.tie").string());
    FinishLabelEdit(QStringLiteral("Big"));
    FForm->Panel()->MissionView()->edit(FForm->Panel()->MissionView()->currentIndex());
    FinishLabelEdit(QStringLiteral("Bigger"));
    const std::vector<THistoryEntry> entries = TGameHistory(FGame).Entries();
    // The install kept the old 1.5 MiB mission; the rename after it pushed it out.
    QCOMPARE(entries.size(), std::size_t(1));
    QCOMPARE(entries.front().Command, std::string("rename"));
  }

  void installingIntoBattlesUpdatesAllThreeCombatLists() {
    StoreSettings("MType=0\r\n");
    Open();
    Select(QStringLiteral("Bravo")); // an Operation: the mission joins its Battle
    FPrompts.Files = {Download("N.tie")};
    Control<QAction>("mInstallMission")->trigger();
    QCOMPARE(FPrompts.FileRequests.front().InitialDir, PathText(FGame + "combat"));
    QVERIFY(!fs::exists(GameFile("combat", "n.tie"))); // written with its label
    QCOMPARE(Control<QLineEdit>("MissionNumberEB")->displayText().trimmed(), QStringLiteral("0"));

    FinishLabelEdit(QStringLiteral("November"));
    QVERIFY(fs::exists(GameFile("combat", "n.tie")));
    // Every side titles it as typed: the game shows an untitled entry as a blank line.
    QCOMPARE(ReadBytes(GameFile("combat", "rebel.lst")),
             CrLf({"//", "[Rebel Run]", "//", "4", "r.tie", "Red", "//", "[Strike One]", "//", "0",
                   "n.tie", "November"}));
    QCOMPARE(ReadBytes(GameFile("combat", "imperial.lst")),
             CrLf({"//", "[Strike One]", "//", "0", "n.tie", "November"}));
    QCOMPARE(ReadBytes(GameFile("battle", "b1.lst")),
             CrLf({"4", "a.tie", "b.tie", "c.tie", "n.tie", "First", "Second"}));
    QCOMPARE(ReadBytes(GameFile("combat", "mission.lst")),
             CrLf({"//", "[Outer Rim]", "//", "0", "a.tie", "Alpha", "1", "B.TIE", "Bravo", "3",
                   "d.tie", "Delta", "//", "[Strike One]", "//", "2", "n.tie", "November"}));
  }

  void decliningTheCopyAddsNothing() {
    StoreSettings("MType=1\r\n");
    Open();
    Select(QStringLiteral("Outer Rim"));
    const std::string combat = ReadBytes(GameFile("combat", "mission.lst"));
    FPrompts.Files = {Download("q.tie")};
    FPrompts.Answers = {TMessageResult::No};
    Click("InstallMissionBtn");
    QCOMPARE(FPrompts.Messages, QStringList{FPlaceCopy});
    QVERIFY(!fs::exists(GameFile("combat", "q.tie")));
    QCOMPARE(Labels().size(), 4);
    QCOMPARE(ReadBytes(GameFile("combat", "mission.lst")), combat);
    QVERIFY(!fs::exists(GameFile("combat", "imperial.lst")));
  }

  void namesOutsideAsciiTakeTheHostsSpellingOrAreRefused() {
    StoreSettings("MType=1\r\n");
    Open();
    Select(QStringLiteral("Outer Rim"));
    FPrompts.Files = {Download("Se\xC3\xB1or.tie")};
    FPrompts.Answers = {TMessageResult::Yes};
    Click("InstallMissionBtn");
    QCOMPARE(FPrompts.Messages, QStringList{FPlaceCopy});
    FinishLabelEdit(QStringLiteral("Se\u00F1or"));
    QCOMPARE(ReadBytes(GameFile("combat", "se\xC3\xB1or.tie")),
             test::Mission("mission Se\xC3\xB1or.tie"));
    QVERIFY(ReadBytes(GameFile("combat", "mission.lst")).find("\r\nse\xF1or.tie\r\nSe\xF1or\r\n") !=
            std::string::npos);
    const std::string combat = ReadBytes(GameFile("combat", "mission.lst"));
    const QString unlistable = Download("\xE6\x97\xA5\xE6\x9C\xAC.tie");
    FPrompts.Messages.clear();
    FPrompts.Files = {unlistable};
    Click("InstallMissionBtn");
    QCOMPARE(FPrompts.Messages,
             QStringList{QStringLiteral("Ixo Kit: The mission file \"") + unlistable +
                         QStringLiteral("\" cannot be installed: its name has characters the "
                                        "game's lists cannot hold (they are Windows-1252 text).")});
    QVERIFY(!fs::exists(GameFile("combat", "\xE6\x97\xA5\xE6\x9C\xAC.tie")));
    QCOMPARE(ReadBytes(GameFile("combat", "mission.lst")), combat);
  }

  void aFileInPlaceAsksNothingAndAGroupWithoutEntriesIsReported() {
    StoreSettings("MType=0\r\n");
    Open();
    WriteBytes(GameFile("combat", "here.tie"), test::Mission("x"));
    Select(QStringLiteral("Outer Rim")); // a War takes no mission
    FPrompts.Files = {QString::fromStdString(GameFile("combat", "here.tie").string())};
    Click("InstallMissionBtn");
    QCOMPARE(FPrompts.Messages,
             QStringList{QStringLiteral(
                 "Ixo Kit: The mission file is in place, but no entry was added for it: select "
                 "the Battle to add it to, or one of its missions, and install it again.")});
    QCOMPARE(Labels().size(), 9);
  }

  void replacingAnExistingFileIsAsked() {
    StoreSettings("MType=1\r\n");
    Open();
    WriteBytes(GameFile("combat", "dup.tie"), "old");
    Select(QStringLiteral("Alpha"));
    FPrompts.Files = {Download("DUP.TIE")};
    FPrompts.Answers = {TMessageResult::No};
    Click("InstallMissionBtn");
    QCOMPARE(FPrompts.Messages,
             QStringList{QStringLiteral("Warning: Another TIE mission with the same file name "
                                        "already exists.  Would you like to replace it?")});
    QCOMPARE(ReadBytes(GameFile("combat", "dup.tie")), std::string("old"));
    QCOMPARE(FForm->Panel()->MissionView()->currentIndex().parent().data().toString(),
             QStringLiteral("Outer Rim"));
  }

  // Edit Selected Mission and Open Mission show what a mission file tells of itself, and the
  // status line its type; an entry without its file is told.
  void theMissionViewShowsWhatAFileTellsOfItself() {
    WriteBytes(GameFile("combat", "a.tie"), test::MakeMission({}));
    StoreSettings("MType=0\r\n");
    Open();
    Select(QStringLiteral("Strike One"));
    Control<QAction>("mFileEdit")->trigger();
    QCOMPARE(FPrompts.Messages,
             QStringList{QStringLiteral(
                 "Ixo Kit: Unable to locate TIE mission file \"b1.lst\" in combat directory.")});
    Select(QStringLiteral("Alpha"));
    QCOMPARE(Caption("ShowFileTitlePanel"),
             QStringLiteral("  Operation (mission file):  a.tie (melee, X-wing vs. TIE Fighter)"));
    Control<QAction>("mFileEdit")->trigger();
    QCOMPARE(FPrompts.MissionsShown.back(),
             (QStringList{
                 QStringLiteral("a.tie"), QStringLiteral("Mission: melee, X-wing vs. TIE Fighter"),
                 QStringLiteral("Flight groups: 2, messages: 1"),
                 QStringLiteral("Teams: Imperial, Rebel"), QStringLiteral("Flown by players: Red"),
                 QString(), QStringLiteral("Strike hard.\n\nCome home.")}));
    WriteBytes(FTemp->Path() / "junk.tie", "junk");
    FPrompts.Files = {QString::fromStdString((FTemp->Path() / "junk.tie").string())};
    Click("OpenMissionBtn");
    QCOMPARE(FPrompts.MissionsShown.back(),
             (QStringList{QStringLiteral("junk.tie"),
                          QStringLiteral("No mission of this game: not a mission file")}));
  }

  void filesFromTheDesktopInstallWhereTheyAreDropped() {
    StoreSettings("MType=1\r\n");
    Open();
    QTreeView* view = FForm->Panel()->MissionView();
    QWidget* viewport = view->viewport();
    const QPoint onCampaign = view->visualRect(Node(QStringLiteral("Outer Rim"))).center();
    QVERIFY(!DropFiles(FForm.get(), QPoint(5, 5), {Download("lone.tie")})); // no entry there
    // Anything else is taken, and the user told why it cannot be installed.
    const QString missing = QString::fromStdString((FTemp->Path() / "gone.ixo").string());
    QVERIFY(DropFiles(FForm.get(), QPoint(5, 5),
                      {Download("readme.txt"), Download("pack.zip"), missing}));
    FForm->OpenFiles({QString::fromStdString(FTemp->Path().string())});
    QCOMPARE(FPrompts.Messages.size(), 4);
    QVERIFY(FPrompts.Messages[0].contains(QStringLiteral("readme.txt\" cannot be installed: "
                                                         "Flightdeck installs mission packs")));
    QVERIFY(FPrompts.Messages[1].contains(QStringLiteral("pack.zip\" cannot be installed")));
    QVERIFY(FPrompts.Messages[2].endsWith(QStringLiteral("gone.ixo\" cannot be installed: there "
                                                         "is no such file.")));
    QVERIFY(FPrompts.Messages[3].endsWith(QStringLiteral("it is a folder, not a file.")));
    FPrompts.Messages.clear();
    QVERIFY(DropFiles(viewport, onCampaign, {Download("New1.TIE")}));
    QCOMPARE(FPrompts.Messages, QStringList{FPlaceCopy});
    FinishLabelEdit(QStringLiteral("Dropped"));
    QVERIFY(fs::exists(GameFile("combat", "new1.tie")));
    QVERIFY(ReadBytes(GameFile("combat", "mission.lst")).find("new1.tie\r\nDropped") !=
            std::string::npos);

    // A pack goes in wherever it is dropped on the window.
    QVERIFY(DropFiles(FForm.get(), QPoint(5, 5), {MakeDarkPack()}));
    QVERIFY(ReadBytes(GameFile("combat", "mission.lst")).find("[Into Darkness]") !=
            std::string::npos);
  }

  void aFileGivenToASecondStartGoesToTheRunningWindowOfItsSession() {
    StoreSettings("MType=1\r\n");
    Open();
    // The socket lives in the session's runtime folder, one a display.
    const fs::path runtime = FTemp->Path() / "run";
    fs::create_directory(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.string()));
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("DISPLAY", ":8");
    const QString other = TSingleInstance::PathForThisSession();
    qputenv("DISPLAY", ":7");
    const QString path = TSingleInstance::PathForThisSession();
#ifdef _WIN32 // a pipe named for the user and the session, whatever the display
    QVERIFY(path.startsWith(QStringLiteral("flightdeck-")));
#else
    QCOMPARE(path, QString::fromStdString(runtime.string()) + QStringLiteral("/flightdeck-:7"));
    QVERIFY(other != path);
#endif

    QVERIFY(!TSingleInstance(path).HandOver({})); // nobody runs yet
#ifdef _WIN32
    QSKIP("a pipe's client and server in one thread wait on each other there");
#endif
    TSingleInstance running(path);
    QList<std::vector<std::string>> received;
    running.Listen([&](const std::vector<std::string>& files) {
      received << files;
      FForm->OpenFiles({PathText(files.front())});
    });
    const QString pack = MakeDarkPack();
    QVERIFY(TSingleInstance(path).HandOver({ProgramPath(pack)}));
    QVERIFY(QTest::qWaitFor([&] { return !received.isEmpty(); }, 5000));
    QVERIFY(received == QList<std::vector<std::string>>{{ProgramPath(pack)}});
    QVERIFY(ReadBytes(GameFile("combat", "mission.lst")).find("[Into Darkness]") !=
            std::string::npos);

    // A message over the bound is refused whole.
    received.clear();
    QVERIFY(TSingleInstance(path).HandOver({std::string(1 << 20, 'x')}));
    QTest::qWait(300);
    QVERIFY(received.isEmpty());

    // Hand-offs that come while a dialog is open wait for it, and keep their order.
    QDialog dialog(FForm.get());
    dialog.setModal(true);
    dialog.show();
    QVERIFY(TSingleInstance(path).HandOver({"/a.txt"}));
    QVERIFY(TSingleInstance(path).HandOver({"/b.txt"}));
    QTest::qWait(300);
    QVERIFY(received.isEmpty());
    dialog.close();
    QVERIFY(QTest::qWaitFor([&] { return received.size() == 2; }, 5000));
    QVERIFY(received == (QList<std::vector<std::string>>{{"/a.txt"}, {"/b.txt"}}));

    // Each argument whole, whatever bytes it holds; a second window that falls back to running
    // on its own leaves the first one's socket where it is.
    received.clear();
    const std::vector<std::string> odd = {"--game", "/w/nl\ngame", "/w/caf\xe9", "12:x", ""};
    QVERIFY(TSingleInstance(path).HandOver(odd));
    QVERIFY(QTest::qWaitFor([&] { return received.size() == 1; }, 5000));
    QVERIFY(received.front() == odd);
    TSingleInstance(path).Listen([](const std::vector<std::string>&) {});
    received.clear();
    QVERIFY(TSingleInstance(path).HandOver({"/c.txt"}));
    QVERIFY(QTest::qWaitFor([&] { return received.size() == 1; }, 5000));

#ifndef _WIN32 // there the address is a pipe of the user's own session
    // A name taken by another user's socket: nothing is handed to it, and it stays.
    QLocalServer foreign;
    const QString taken = QString::fromStdString((runtime / "taken").string());
    QVERIFY(foreign.listen(taken));
    if (::chown(QFile::encodeName(taken).constData(), 65534, 65534) == 0) {
      QVERIFY(!TSingleInstance(taken).HandOver({ProgramPath(pack)}));
      TSingleInstance(taken).Listen([](const std::vector<std::string>&){});
      QVERIFY(fs::exists(runtime / "taken"));
    }
#endif
  }
};

int RunInstallCommandsTest(int argc, char** argv) {
  TInstallCommandsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "InstallCommandsTest.moc"
