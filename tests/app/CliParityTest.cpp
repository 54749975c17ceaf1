// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliRun.h"
#include "journal/History.h"
#include "platform/ContentDigest.h"
#include "support/FormFixture.h"
#include "support/MissionWriter.h"

#include <QTabBar>

#include <functional>

using namespace flightdeck;
namespace fs = std::filesystem;

// Every edit of the tree made in the window is written at once, and leaves the game byte for
// byte as the same edit made by flightdeck-cli leaves a twin of it; Undo then takes back exactly
// what the window wrote.
class TCliParityTest : public QObject, protected test::TFormFixture {
  Q_OBJECT

  struct TCase {
    const char* Name;
    int Category;          // the tab the window shows
    std::string Arguments; // of flightdeck-cli; GAMEDIR is the game, MISSION a mission file
    std::function<void()> Edit;
  };

  void Rename(const char* label, const char* to) {
    Select(QString::fromLatin1(label));
    FForm->Panel()->MissionView()->edit(Node(QString::fromLatin1(label)));
    FinishLabelEdit(QString::fromLatin1(to));
  }

  void TypeNumber(const char* number) {
    auto* box = Control<QLineEdit>("MissionNumberEB");
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, QString::fromLatin1(number));
    QTest::keyClick(box, Qt::Key_Return);
  }

  std::string Mission() const { return (FTemp->Path() / "Downloads" / "New.TIE").string(); }

  // Once the window has written its edit, beside it or not.
  void Written() { QTRY_VERIFY(!FForm->Panel()->List().Saving()); }
  // Each case is run twice: written beside the window, as a long list is, then on its thread.
  static void SaveBesideTheWindowIn(std::size_t round, std::size_t cases) {
    TListController::SaveBesideTheWindowFrom(round < cases ? 0 : SIZE_MAX);
  }

private Q_SLOTS:
  void everyTreeEditOfTheWindowIsACommand() {
    const std::vector<TCase> cases = {
        {"rename", 1, "rename GAMEDIR combat neutral Bravo 'Bravo Two'",
         [&] { Rename("Bravo", "Bravo Two"); }},
        {"rename an operation", 0, "rename GAMEDIR battles neutral Alpha 'Alpha Prime'",
         [&] { Rename("Alpha", "Alpha Prime"); }},
        {"remove", 0, "remove GAMEDIR battles neutral 'Strike One'",
         [&] {
           Select(QStringLiteral("Strike One"));
           Control<QAction>("mnuRemove")->trigger();
         }},
        {"move", 0, "move GAMEDIR battles neutral 'Strike Two' --onto 'Strike One'",
         [&] {
           Select(QStringLiteral("Strike Two"));
           const QRect rect = FForm->Panel()->MissionView()->visualRect(Node("Strike One"));
           FForm->Panel()->MissionViewDragDrop(QPoint(rect.left() + 4, rect.center().y()));
         }},
        {"renumber", 1, "renumber GAMEDIR combat neutral Alpha 3 --swap",
         [&] {
           Select(QStringLiteral("Alpha"));
           TypeNumber("3");
         }},
        {"add-group", 1, "add-group GAMEDIR combat neutral 'Inner Rim'",
         [&] {
           Control<QAction>("mnuAddCampaign")->trigger();
           FinishLabelEdit(QStringLiteral("Inner Rim"));
         }},
        {"add-battle", 0, "add-battle GAMEDIR battles neutral B4.TXT 'Strike Four' --under Delta",
         [&] {
           Select(QStringLiteral("Delta")); // an Operation: the Battle goes under its War
           FPrompts.Files = {QStringLiteral("/elsewhere/B4.TXT")};
           Control<QAction>("mnuAddBattle")->trigger();
           FinishLabelEdit(QStringLiteral("Strike Four"));
         }},
        {"install-mission", 0,
         "install-mission GAMEDIR battles neutral MISSION --under 'Strike Two' --title 'New One'",
         [&] {
           Select(QStringLiteral("Strike Two"));
           FForm->Panel()->InstallMissionFile(Mission());
           FinishLabelEdit(QStringLiteral("New One"));
         }},
    };
    const std::size_t usual = TListController::SaveBesideTheWindowFrom(SIZE_MAX);
    for (std::size_t round = 0; round < 2 * cases.size(); ++round)
      try {
        const TCase& c = cases[round % cases.size()];
        SaveBesideTheWindowIn(round, cases.size());
        SetUpGame();
        fs::create_directory(FTemp->Path() / "Downloads");
        test::WriteBytes(Mission(), test::Mission("new mission"));
        fs::copy(FTemp->Path() / "Game", FTemp->Path() / "Twin", fs::copy_options::recursive);
        const std::string before = test::Snapshot(FTemp->Path() / "Game");
        std::string arguments = c.Arguments;
        arguments.replace(arguments.find("GAMEDIR"), 7, (FTemp->Path() / "Twin").string());
        if (const std::size_t at = arguments.find("MISSION"); at != std::string::npos)
          arguments.replace(at, 7, Mission());
        const test::TCommandResult run = test::RunCli(arguments);
        QVERIFY2(run.ExitCode == 0, (c.Name + (": " + run.Output)).c_str());

        StoreSettings("MType=" + std::to_string(c.Category) + "\r\n");
        Open();
        c.Edit();
        QCoreApplication::processEvents(); // nothing but what the edit posted
        Written();
        const std::string after = test::Snapshot(FTemp->Path() / "Game");
        const std::string twin = test::Snapshot(FTemp->Path() / "Twin");
        QVERIFY2(after != before && after == twin, c.Name);
        Control<QAction>("mEditUndo")->trigger(); // Ctrl+Z
        QVERIFY2(test::Snapshot(FTemp->Path() / "Game") == before, c.Name);
        // Undone at once, while the edit may still be being written: Undo takes back that edit.
        c.Edit();
        QCoreApplication::processEvents();
        Control<QAction>("mEditUndo")->trigger();
        Written();
        QVERIFY2(test::Snapshot(FTemp->Path() / "Game") == before, c.Name);
        // The window closed at once: the edit is written first.
        c.Edit();
        QCoreApplication::processEvents();
        FForm->close();
        QVERIFY2(test::Snapshot(FTemp->Path() / "Game") == twin, c.Name);
        TearDownGame();
      } catch (const std::exception& error) {
        QFAIL(error.what());
      }
    TListController::SaveBesideTheWindowFrom(usual);
  }

  // A change made outside while the window shows the list is shown at once and kept by the
  // window's next edit; one made between the window's read and its write stops the write.
  void changesMadeOutsideAreNeverOverwritten() {
    std::string list; // of the game set up for each case
    const std::vector<std::pair<const char*, std::function<void()>>> outside = {
        {"Inner Rim", [&] { test::RunCli("add-group " + FGame + " combat neutral 'Inner Rim'"); }},
        {"By Hand",
         [&] { test::WriteBytes(list, test::ReadBytes(list) + "//\r\n[By Hand]\r\n//\r\n"); }}};
    const std::size_t usual = TListController::SaveBesideTheWindowFrom(SIZE_MAX);
    for (std::size_t round = 0; round < 2 * outside.size(); ++round) {
      const auto& [added, change] = outside[round % outside.size()];
      SaveBesideTheWindowIn(round, outside.size());
      SetUpGame();
      list = GameFile("combat", "mission.lst").string();
      StoreSettings("MType=1\r\n");
      Open();
      change();
      QTRY_VERIFY(Caption("ShowFileTitlePanel").contains(QStringLiteral("changed on disk")));
      QVERIFY(Node(QString::fromLatin1(added)).isValid());
      Rename("Bravo", "Bravo Two");
      QCoreApplication::processEvents();
      Written();
      QVERIFY2(test::ReadBytes(list).find(added) != std::string::npos, added);
      QVERIFY2(test::ReadBytes(list).find("Bravo Two") != std::string::npos, added);

      // Between the read and the write.
      FForm->Panel()->MissionModel()->setData(Node(QStringLiteral("Alpha")),
                                              QStringLiteral("Alpha Two"));
      change();
      const std::string changed = test::ReadBytes(list);
      QCoreApplication::processEvents();
      Written();
      QCOMPARE(test::ReadBytes(list), changed);
      QVERIFY(FPrompts.Messages.last().contains(QStringLiteral("changed on disk")));
      QVERIFY(Node(QStringLiteral("Alpha")).isValid());
      QVERIFY(!Labels().join(QLatin1Char('|')).contains(QStringLiteral("Alpha Two")));

      // While another list is shown: the list shown again is what the disk holds then.
      auto* tabs = FForm->findChild<QTabBar*>();
      tabs->setCurrentIndex(0);
      test::WriteBytes(list, test::ReadBytes(list) + "//\r\n[While Away]\r\n//\r\n");
      tabs->setCurrentIndex(1);
      QVERIFY(Node(QStringLiteral("While Away")).isValid());
      TearDownGame();
    }
    TListController::SaveBesideTheWindowFrom(usual);
  }

  // A command cut short (its entry still pending) is rolled back when the window opens the
  // game: an edit then leaves a game the check finds whole.
  void aCommandCutShortIsRolledBackBeforeTheGameIsShown() {
    SetUpGame();
    for (const char* mission : {"a.tie", "b.tie", "d.tie"})
      test::WriteBytes(GameFile("combat", mission), test::Mission(mission));
    // Named as the program names them, below the game directory.
    const std::string list = FGame + "combat/mission.lst";
    const std::string before = test::ReadBytes(list);
    const std::string added = FGame + "combat/x.tie";
    const std::string half = before + "7\r\nx.tie\r\nHalf\r\n";
    TContentDigest digest;
    digest.Add(half);
    TGameHistory(FGame).Begin("install-pack", "half.ixo", 0,
                              {{THostPath(list), digest.Text()}, {THostPath(added), "7:0"}});
    // The list went in, replaced as every command replaces it; the mission did not yet.
    test::WriteBytes(list + ".new", half);
    fs::rename(list + ".new", list);
    StoreSettings("MType=1\r\n");
    Open();
    QCOMPARE(test::ReadBytes(list), before);
    QVERIFY(!Labels().join(QLatin1Char('|')).contains(QStringLiteral("Half")));
    Rename("Bravo", "Bravo Two");
    QCoreApplication::processEvents();
    const test::TCommandResult check = test::RunCli("check " + FGame + " combat neutral");
    QVERIFY2(check.ExitCode == 0, check.Output.c_str());
    QVERIFY(test::ReadBytes(list).find("Bravo Two") != std::string::npos);
    TearDownGame();
  }
};

int RunCliParityTest(int argc, char** argv) {
  TCliParityTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "CliParityTest.moc"
