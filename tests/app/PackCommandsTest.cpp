// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BackgroundWork.h"
#include "app/PackDialog.h"
#include "cli/CliRun.h"
#include "support/FormFixture.h"
#include "support/MissionWriter.h"
#include "support/PackFiles.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>

#include <atomic>
#include <random>
#include <thread>

using namespace flightdeck;
using test::CrLf;
using test::ReadBytes;
using test::WriteBytes;
namespace fs = std::filesystem;

class TPackCommandsTest : public QObject, protected test::TFormFixture {
  Q_OBJECT

  QString PackPath(const char* name) const {
    return QString::fromStdString((FTemp->Path() / name).string());
  }

  // Every list file of the game with its bytes, to see that nothing changed.
  std::string AllLists() const {
    std::string all;
    for (const auto& entry : fs::recursive_directory_iterator(FTemp->Path() / "Game"))
      if (entry.path().extension() == ".lst")
        all += entry.path().string() + "=" + ReadBytes(entry.path()) + "\n";
    return all;
  }

  std::vector<std::string> Listing(const QString& pack) {
    std::vector<std::string> names;
    TZipArchiver zip;
    zip.ZipFileName = pack.toStdString();
    zip.OnListing = [&](TZipArchiver&, const TZipFileStats& stats) {
      names.push_back(stats.FileName);
    };
    zip.ListFiles();
    return names;
  }

private Q_SLOTS:
  void init() { SetUpGame(); }
  void cleanup() { TearDownGame(); }

  void packCommandsAreReachable() {
    TixoFlightdeckForm& form = Open();
    QVERIFY(!Control<TFlatSpeedButton>("InstallPackBtn")->isEnabled());
    FPrompts.Folders = {QString::fromStdString((FTemp->Path() / "Game").string())};
    Click("XvTPathBtn");
    QVERIFY(Control<TFlatSpeedButton>("InstallPackBtn")->isEnabled());
    QVERIFY(Control<QAction>("mInstallPack")->isEnabled() &&
            Control<QAction>("mnuAddPack")->isEnabled());
    QCOMPARE(Control<QAction>("mInstallPack")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    Select(QStringLiteral("Strike One"));
    QVERIFY(Control<QAction>("mBuildPack")->isEnabled() &&
            Control<QAction>("mnuBuildPak")->isEnabled());
    Select(QStringLiteral("Alpha"));
    QVERIFY(!Control<QAction>("mBuildPack")->isEnabled());
    (void)form;
  }

  void aPackWithoutScriptChangesNothing() {
    StoreSettings("MType=1\r\n");
    Open();
    test::MakePack(FTemp->Path() / "plain.ixo",
                   {{"readme.txt", "hello"}, {"a.mcl.txt", "x"}, {"m1.tie", "m"}});
    const std::string before = AllLists();
    FPrompts.Files = {PackPath("plain.ixo")};
    Click("InstallPackBtn");
    const TOpenDialogRequest& dialog = FPrompts.FileRequests.front();
    QCOMPARE(dialog.Title, QStringLiteral("Select an Ixo Mission Pack to Install..."));
    QCOMPARE(dialog.Filter, QStringLiteral("Ixo Mission Packs (*.ixo)|*.ixo|All formats...|*.*"));
    QCOMPARE(dialog.InitialDir, PathText(FGame + "combat"));
    QCOMPARE(FPrompts.Messages,
             QStringList{QStringLiteral(
                 "Ixo Kit: Flightdeck was unable to locate the installation script for this "
                 "package!")});
    QCOMPARE(AllLists(), before);
    QVERIFY(!fs::exists(GameFile("combat", "m1.tie")));
  }

  void aPackOfOnlyItsScriptAddsItsGroups() {
    StoreSettings("MType=0\r\n");
    Open();
    test::MakePack(FTemp->Path() / "groups.ixo",
                   {{"Groups.MCL", CrLf({"Series=Empty War", "Collection", "e1.lst", "Empty Battle",
                                         "", "", "|"})}});
    FPrompts.Files = {PackPath("groups.ixo")};
    Click("InstallPackBtn");
    QVERIFY(FPrompts.Messages.isEmpty());
    QCOMPARE(Labels().mid(9),
             (QStringList{QStringLiteral("Empty War"), QStringLiteral("  Empty Battle")}));
    QCOMPARE(ReadBytes(GameFile("battle", "e1.lst")), CrLf({"0", " ", " "}));
    QCOMPARE(test::ListDirectory(FTemp->Path()), "Game flightdeck.ini groups.ixo");
  }

  // A pack does not say where it goes: a battle pack's plan opens on Battles, whatever is shown,
  // naming each battle by its title, and the user may send it to the Combat lists, where its
  // battle becomes a campaign; the window then shows where it went.
  void aBattlePackIsOfferedBattlesAndMayBecomeCampaigns() {
    StoreSettings("MType=4\r\nGender=2\r\n");
    Open();
    MakeDarkPack();
    const std::string battles = ReadBytes(GameFile("battle", "mission.lst"));
    FPrompts.Files = {PackPath("dark.ixo")};
    FPrompts.TargetChosen = TPackTarget{mtCombat, gnRebel};
    Click("InstallPackBtn");
    QVERIFY(FPrompts.Messages.isEmpty());
    QCOMPARE(FPrompts.PackTargets, (QList<TPackTarget>{{mtBattles, gnNeutral}}));
    QVERIFY(FPrompts.PackPlans.front().contains(
        QStringLiteral("Battle \"Into Darkness\": Operation d1.tie")));
    QCOMPARE(FForm->Panel()->MissionType(), mtCombat);
    QCOMPARE(ReadBytes(GameFile("combat", "mission.lst")),
             CrLf({"//", "[Outer Rim]",     "//",    "0", "a.tie",  "Alpha",
                   "1",  "B.TIE",           "Bravo", "3", "d.tie",  "Delta",
                   "//", "[Into Darkness]", "//",    "2", "d1.tie", "Dawn",
                   "4",  "d2.tie",          "Noon",  "5", "d3.tie", "Dusk"}));
    QCOMPARE(ReadBytes(GameFile("combat", "rebel.lst")),
             CrLf({"//", "[Rebel Run]", "//", "4", "r.tie", "Red", "//", "[Into Darkness R]", "//",
                   "0", "d1.tie", "Dawn R", "1", "d3.tie", "Dusk R"}));
    QCOMPARE(
        ReadBytes(GameFile("combat", "imperial.lst")),
        CrLf({"//", "[Into Darkness I]", "//", "0", "d1.tie", "Dawn I", "1", "d2.tie", "Noon I"}));
    QCOMPARE(ReadBytes(GameFile("battle", "mission.lst")), battles);
    QCOMPARE(Labels(), (QStringList{QStringLiteral("Rebel Run"), QStringLiteral("  Red"),
                                    QStringLiteral("Into Darkness R"), QStringLiteral("  Dawn R"),
                                    QStringLiteral("  Dusk R")}));
  }

  // A collection of campaigns is offered the Combat lists while Battles are shown: it would
  // otherwise go into the last battle.
  void aCollectionIsNeverOfferedTheLastBattle() {
    StoreSettings("MType=0\r\n");
    Open();
    const std::string battle = ReadBytes(GameFile("battle", "b2.lst"));
    test::MakePack(FTemp->Path() / "big.ixo",
                   {{"big.mcl", CrLf({"Collection", "", "Big", "Big", "Big", "", "Missions",
                                      "m1.tie", "One", "One", "One", ""})},
                    {"m1.tie", test::Mission("1")}});
    FPrompts.Files = {PackPath("big.ixo")};
    Click("InstallPackBtn");
    QCOMPARE(FPrompts.PackTargets, (QList<TPackTarget>{{mtCombat, gnNeutral}}));
    QCOMPARE(ReadBytes(GameFile("battle", "b2.lst")), battle);
    QVERIFY(ReadBytes(GameFile("combat", "mission.lst")).find("[Big]") != std::string::npos);
  }

  // A pack's file that is no mission of this game is named in the plan, and goes in only when
  // the user agrees.
  void whatIsNoMissionIsNamedInThePlanAndAsked() {
    StoreSettings("MType=1\r\n");
    Open();
    test::MakePack(FTemp->Path() / "odd.ixo",
                   {{"odd.mcl", CrLf({"Collection", "", "Odd", "", "", "", "Missions", "j.tie",
                                      "Junk", "", "", ""})},
                    {"j.tie", "junk"}});
    const std::string before = test::Snapshot(FTemp->Path() / "Game");
    for (const TMessageResult answer : {TMessageResult::No, TMessageResult::Yes}) {
      FPrompts.Files = {PackPath("odd.ixo")};
      FPrompts.Answers = {answer};
      Click("InstallPackBtn");
      QCOMPARE(FPrompts.PackPlans.back().front(),
               QStringLiteral("No mission of this game: j.tie (not a mission file)"));
      QCOMPARE(FPrompts.Messages.back(),
               QStringLiteral("Confirm: These files of the pack are no missions of X-wing vs. TIE "
                              "Fighter: \"j.tie\" (not a mission file). Install them anyway?"));
      QCOMPARE(test::Snapshot(FTemp->Path() / "Game") == before, answer == TMessageResult::No);
    }
    QCOMPARE(ReadBytes(GameFile("combat", "j.tie")), std::string("junk"));
  }

  void aTabClickDuringAnInstallCannotSendThePackElsewhere() {
    StoreSettings("MType=0\r\n");
    Open();
    MakeDarkPack();
    FPrompts.Files = {PackPath("dark.ixo")};
    bool clicked = false;
    QTimer::singleShot(0, FForm.get(), [&] { // during the archive work, or after it
      ClickTab(4);
      clicked = true;
    });
    Click("InstallPackBtn");
    QTRY_VERIFY(clicked);
    QVERIFY(!fs::exists(GameFile("train", "mission.lst")));
    QVERIFY(ReadBytes(GameFile("battle", "mission.lst")).find("dark1.lst") != std::string::npos);
    QVERIFY(Control<QWidget>("MissionViewPanel")->isEnabled());
  }

  void installsAndBuildsSayWhatTheyDidAndAskBeforeRepeatingOrReplacing() {
    StoreSettings("MType=0\r\n");
    Open();
    MakeDarkPack();
    FPrompts.Files = {PackPath("dark.ixo")};
    Click("InstallPackBtn");
    QCOMPARE(Caption("ShowFileTitlePanel"),
             QStringLiteral(" 3 missions added to Dark Times, Into Darkness"));
    const std::string once = ReadBytes(GameFile("battle", "mission.lst"));
    FPrompts.Files = {PackPath("dark.ixo")};
    FPrompts.PlanAnswer = TPackAnswer::Cancel; // the plan says it is there already
    Click("InstallPackBtn");
    QVERIFY(FPrompts.PlansInstalled.back().contains(QStringLiteral("\"dark.ixo\", installed")));
    QCOMPARE(ReadBytes(GameFile("battle", "mission.lst")), once);
    FPrompts.PlanAnswer = TPackAnswer::Install;

    Select(QStringLiteral("Into Darkness"));
    FPrompts.Files = {PackPath("dark.ixo")};
    FPrompts.Answers = {TMessageResult::No}; // keep the pack that is there
    Control<QAction>("mnuBuildPak")->trigger();
    QVERIFY(FPrompts.Messages.back().endsWith(QStringLiteral("already exists. Replace it?")));
    QVERIFY(ReadBytes(FTemp->Path() / "dark.ixo").find("dark.mcl") != std::string::npos);
    FPrompts.Files = {PackPath("Dark2")};
    Control<QAction>("mnuBuildPak")->trigger();
    QCOMPARE(Caption("ShowFileTitlePanel"), QStringLiteral(" Pack written: Dark2.ixo, 3 missions"));
  }

  void thePlanComesFirstAndEveryChangeCanBeTakenBackFromTheEditMenu() {
    StoreSettings("MType=0\r\n");
    Open();
    MakeDarkPack();
    WriteBytes(GameFile("combat", "d1.tie"), "the old dawn");
    const std::string before = test::Snapshot(FTemp->Path() / "Game");
    FPrompts.Files = {PackPath("dark.ixo")};
    FPrompts.PlanAnswer = TPackAnswer::Cancel;
    int historyExit = -1; // nothing is locked while the user reads the plan
    FPrompts.WhilePlanShown = [&] { historyExit = test::RunCli("history " + FGame).ExitCode; };
    Click("InstallPackBtn");
    FPrompts.WhilePlanShown = {};
    QCOMPARE(historyExit, 0);
    QCOMPARE(test::Snapshot(FTemp->Path() / "Game"), before);
    const QStringList plan = FPrompts.PackPlans.front();
    QVERIFY(plan.contains(QStringLiteral("battle/mission.lst: War \"Dark Times\"")));
    QVERIFY(plan.contains(QStringLiteral("Replaces combat/d1.tie")));
    QVERIFY(plan.contains(QStringLiteral("Adds combat/d2.tie")));

    // The pack goes in as it was planned, unless a list changed while the plan was read.
    FPrompts.Files = {PackPath("dark.ixo")};
    FPrompts.PlanAnswer = TPackAnswer::Install;
    FPrompts.WhilePlanShown = [&] {
      WriteBytes(GameFile("combat", "imperial.lst"), CrLf({"//", "[Outside]", "//"}));
    };
    Click("InstallPackBtn");
    FPrompts.WhilePlanShown = {};
    QVERIFY(FPrompts.Messages.back().contains(QStringLiteral("changed on disk")));
    fs::remove(GameFile("combat", "imperial.lst"));
    QCOMPARE(test::Snapshot(FTemp->Path() / "Game"), before);

    FPrompts.Files = {PackPath("dark.ixo")};
    Click("InstallPackBtn");
    const std::string installed = test::Snapshot(FTemp->Path() / "Game");
    QMenu* edit = Control<QMenu>("mEdit");
    Q_EMIT edit->aboutToShow();
    QCOMPARE(Control<QAction>("mEditUndo")->text(), QStringLiteral("&Undo Install Pack dark.ixo"));
    QVERIFY(!Control<QAction>("mEditRedo")->isEnabled());
    QTest::keyClick(FForm.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(test::Snapshot(FTemp->Path() / "Game"), before);
    QVERIFY(!Labels().contains(QStringLiteral("Dark Times"))); // the tree is read again
    QCOMPARE(Control<QAction>("mEditRedo")->text(), QStringLiteral("&Redo Install Pack dark.ixo"));
    QTest::keyClick(FForm.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(test::Snapshot(FTemp->Path() / "Game"), installed);
    Q_EMIT edit->aboutToShow(); // what the redo did again is undone
    QCOMPARE(Control<QAction>("mEditUndo")->text(), QStringLiteral("&Undo Install Pack dark.ixo"));

    // The install, redone, is what its files are now: it may be undone from the history too.
    FPrompts.HistoryChoice = 2; // newest first: the redo, the undo, the install
    Control<QAction>("mEditHistory")->trigger();
    QCOMPARE(FPrompts.HistoryShown.front().size(), 3);
    // Its local time, what it did and the list it changed.
    QVERIFY(QRegularExpression(
                QStringLiteral("^1  \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d  Install Pack "
                               "dark.ixo \u00b7 ") +
                QRegularExpression::escape(PathText("battle/mission.lst")) + QLatin1Char('$'))
                .match(FPrompts.HistoryShown.front().back())
                .hasMatch());
    QCOMPARE(test::Snapshot(FTemp->Path() / "Game"), before);
  }

  // A pack installed again is offered to replace the one installed. Installed Packs lists the
  // packs, newest first, with what each says of itself, and takes the chosen one out; Edit >
  // Undo brings it back.
  void anInstalledPackIsReplacedListedAndTakenOut() {
    StoreSettings("MType=1\r\n");
    Open();
    const std::string before = test::Snapshot(FTemp->Path() / "Game");
    const auto version = [&](const std::string& mission) {
      test::MakePack(FTemp->Path() / "deep.ixo",
                     {{"deep.mcl", CrLf({"Collection", "", "Deep", "Deep", "Deep", "", "Missions",
                                         "e1.tie", "Echo", "Echo", "Echo", ""})},
                      {"e1.tie", test::Mission(mission)},
                      {"ReadMe.txt", "Deep space, in one mission."}});
      FPrompts.Files = {PackPath("deep.ixo")};
      Click("InstallPackBtn");
    };
    version("first");
    const std::string lists = AllLists();
    FPrompts.PlanAnswer = TPackAnswer::Replace;
    version("second");
    QVERIFY(FPrompts.PlansInstalled.front().isEmpty());
    QCOMPARE(FPrompts.PlanReadmes.front(), QStringLiteral("Deep space, in one mission."));
    QVERIFY(FPrompts.PlansInstalled.back().contains(QStringLiteral("\"deep.ixo\", installed")));
    QCOMPARE(AllLists(), lists); // in its place
    QCOMPARE(ReadBytes(GameFile("combat", "e1.tie")), test::Mission("second"));
    const std::string replaced = test::Snapshot(FTemp->Path() / "Game");

    FPrompts.InstalledChoice = 0;
    Control<QAction>("mInstalledPacks")->trigger();
    const std::vector<TInstalledPackLine>& shown = FPrompts.InstalledViews.front();
    QCOMPARE(shown.size(), std::size_t{2});
    QCOMPARE(shown[0].State, QStringLiteral("Installed"));
    QCOMPARE(shown[1].State, QStringLiteral("Removed"));
    QVERIFY(shown[0].Removable && !shown[1].Removable);
    QCOMPARE(shown[0].Groups, QStringLiteral("Deep"));
    QCOMPARE(shown[0].Readme, QStringLiteral("Deep space, in one mission."));
    QVERIFY(FPrompts.Messages.back().contains(QStringLiteral("removes 1 files")));
    QCOMPARE(test::Snapshot(FTemp->Path() / "Game"), before);
    QVERIFY(!Labels().contains(QStringLiteral("Deep")));
    QTest::keyClick(FForm.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(test::Snapshot(FTemp->Path() / "Game"), replaced);
  }

  void aTournamentPackOnTournaments() {
    StoreSettings("MType=3\r\n");
    Open();
    test::MakePack(FTemp->Path() / "cup.ixo",
                   {{"cup.mcl", CrLf({"Series=Summer", "Collection", "cup9.lst", "Cup Nine", "", "",
                                      "|", "Missions", "c9.tie", "Heat", "", "", ""})},
                    {"c9.tie", test::Mission("9")}});
    FPrompts.Files = {PackPath("cup.ixo")};
    Click("InstallPackBtn");
    QCOMPARE(ReadBytes(GameFile("tourn", "mission.lst")),
             CrLf({"//", "[Summer]", "//", "0", "cup9.lst", "Cup Nine"}));
    QCOMPARE(ReadBytes(GameFile("tourn", "cup9.lst")),
             CrLf({"1", "c9.tie", " ", " ", "Missions:", "Heat"}));
    QCOMPARE(test::ListDirectory(FTemp->Path() / "Game" / "melee"), "c9.tie");
  }

  void buildingFromACampaignLeavesOutAMissingMission() {
    WriteBytes(GameFile("combat", "a.tie"), "alpha");
    WriteBytes(GameFile("combat", "d.tie"), "delta");
    StoreSettings("MType=1\r\n");
    Open();
    Select(QStringLiteral("Outer Rim"));
    FPrompts.Files = {PackPath("Rim")};
    Control<QAction>("mnuBuildPak")->trigger();
    QCOMPARE(FPrompts.FileRequests.front().Title, QStringLiteral("Save Package As..."));
    QVERIFY(!FPrompts.FileRequests.front().MustExist);
    QCOMPARE(FPrompts.Messages,
             QStringList{QStringLiteral("Ixo Kit: These missions were left out of the pack, "
                                        "because their files are missing: \"B.TIE\".")});
    QCOMPARE(FForm->PackItems(), (std::vector<TPackageItem>{
                                     {likCampaign, "", "Outer Rim", "Outer Rim", "Outer Rim", ""},
                                     {likEngagement, "a.tie", "Alpha", "", "", ""},
                                     {likEngagement, "d.tie", "Delta", "", "", ""}}));
    QCOMPARE(Listing(PackPath("Rim.ixo")), (std::vector<std::string>{"rim.mcl", "a.tie", "d.tie"}));
    QCOMPARE(test::ListDirectory(FTemp->Path()), "Game Rim.ixo flightdeck.ini");
  }

  void buildingOnTheRebelSideTakesTheOtherTitlesFromTheirLists() {
    WriteBytes(GameFile("combat", "r.tie"), "red");
    WriteBytes(GameFile("combat", "mission.lst"), CrLf({"7", "R.TIE", "Red Neutral"}));
    StoreSettings("MType=1\r\nGender=2\r\n");
    Open();
    Select(QStringLiteral("Rebel Run"));
    FPrompts.Files = {PackPath("run.ixo")};
    FPrompts.EditPackTitles = [](std::vector<TPackageItem>& items) {
      items[1].ImperialTitle = "Red Imperial";
    };
    Control<QAction>("mnuBuildPak")->trigger();
    QCOMPARE(FPrompts.PackLists.front()[1],
             (TPackageItem{likEngagement, "r.tie", "Red Neutral", "Red", "", ""}));
    QCOMPARE(FForm->PackItems()[1].ImperialTitle, std::string("Red Imperial"));
    QVERIFY(fs::exists(FTemp->Path() / "run.ixo"));
  }

  void cancellingThePackListBuildsNothing() {
    StoreSettings("MType=0\r\n");
    Open();
    WriteBytes(FTemp->Path() / "old.ixo", "old");
    Select(QStringLiteral("Strike One"));
    FPrompts.Files = {PackPath("old.ixo")};
    FPrompts.PackListAnswers = {false};
    Control<QAction>("mBuildPack")->trigger();
    QCOMPARE(ReadBytes(FTemp->Path() / "old.ixo"), std::string("old"));
    QCOMPARE(test::ListDirectory(FTemp->Path()), "Game flightdeck.ini old.ixo");
  }

  void progressKeepsTheWindowResponsiveAndItsCancelStopsTheArchiver() {
    QWidget window;
    TZipArchiver zip;
    {
      TArchiveProgress progress(&window, zip, QStringLiteral("Extracting..."), 10);
      auto* dialog = window.findChild<QProgressDialog*>();
      QCOMPARE(dialog->minimumDuration(), 300);
      // The work runs on another thread while this one goes on with its events; what it
      // raises, and what it returns, come back here.
      QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                               progress.Run([] { throw std::runtime_error("failed"); }));
      const bool aborted = progress.Run([&] {
        zip.OnProcessMessages();
        zip.OnProcessMessages();
        QMetaObject::invokeMethod(dialog, &QProgressDialog::cancel, Qt::QueuedConnection);
        while (!zip.AbortRequested())
          zip.OnProcessMessages();
        return zip.AbortRequested();
      });
      QVERIFY(aborted);
      QVERIFY(TBackgroundWork::Running());
    }
    QVERIFY(!zip.OnProcessMessages);
    QVERIFY(!TBackgroundWork::Running());

    // A Cancel clicked as the work ends counts, before any tick has seen it.
    TBackgroundWork late(&window, QStringLiteral("Extracting..."), 0);
    auto* dialog = window.findChild<QProgressDialog*>();
    std::atomic<bool> clicked = false;
    late.Run([&] {
      QMetaObject::invokeMethod(
          dialog,
          [&] {
            dialog->cancel();
            clicked = true;
          },
          Qt::QueuedConnection);
      while (!clicked)
        std::this_thread::yield();
    });
    QVERIFY(late.Cancelled());
  }

  // Building and installing a pack of 2,000 missions run on a worker while the window paints
  // and shows how far they are; a tab clicked meanwhile is refused, and Cancel leaves
  // everything as it was.
  void longPackWorkShowsProgressRefusesClicksAndCancels() {
    std::string list = CrLf({"//", "[Many]", "//"});
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
      const std::string name = "m" + std::to_string(i) + ".tie";
      std::string bytes(32768, '\0');
      for (char& byte : bytes)
        byte = static_cast<char>(random());
      WriteBytes(GameFile("combat", name.c_str()), bytes);
      list += CrLf({std::to_string(i), name, "Mission " + std::to_string(i)});
    }
    WriteBytes(GameFile("combat", "mission.lst"), list);
    StoreSettings("MType=1\r\n");
    Open();
    const std::string before = test::Snapshot(FTemp->Path() / "Game");
    // Watches for the progress of `text`; then clicks a tab, and cancels when `cancel` says so.
    QStringList seen;
    const auto watch = [&](const QString& text, bool cancel) {
      auto* poll = new QTimer(FForm.get());
      connect(poll, &QTimer::timeout, poll, [=, this, &seen] {
        auto* dialog = FForm->findChild<QProgressDialog*>();
        if (!dialog || dialog->labelText() != text || dialog->value() <= 0)
          return;
        poll->stop(); // once: the click below may run events
        ClickTab(0);
        seen << text + QStringLiteral(" of ") + QString::number(dialog->maximum()) +
                    (FForm->Panel()->MissionType() == mtCombat ? QString()
                                                               : QStringLiteral(", tab"));
        if (cancel)
          dialog->cancel();
        poll->deleteLater();
      });
      poll->start(10);
    };
    const auto build = [&](bool cancel) {
      Select(QStringLiteral("Many"));
      FPrompts.Files = {PackPath("many.ixo")};
      watch(QStringLiteral("Building the pack..."), cancel);
      Control<QAction>("mBuildPack")->trigger();
    };
    build(true);
    QVERIFY(!fs::exists(FTemp->Path() / "many.ixo"));
    QVERIFY(FPrompts.Messages.isEmpty()); // the user knows, and the status line says so
    QVERIFY(Caption("ShowFileTitlePanel").contains(QStringLiteral("cancelled")));
    build(false);
    QVERIFY(fs::exists(FTemp->Path() / "many.ixo"));
    QCOMPARE(test::Snapshot(FTemp->Path() / "Game"), before);

    FPrompts.Files = {PackPath("many.ixo")};
    watch(QStringLiteral("Extracting the missions..."), true);
    Control<QAction>("mInstallPack")->trigger();
    QCOMPARE(test::Snapshot(FTemp->Path() / "Game"), before);
    QVERIFY(FPrompts.Messages.isEmpty()); // cancelled before any question
    QVERIFY(Caption("ShowFileTitlePanel").contains(QStringLiteral("cancelled")));
    QCOMPARE(seen, (QStringList{QStringLiteral("Building the pack... of 2001"),
                                QStringLiteral("Building the pack... of 2001"),
                                QStringLiteral("Extracting the missions... of 2001")}));

    // Closed during the install, the window says that it closes once the work stops, and then
    // does, with nothing installed.
    FPrompts.Files = {PackPath("many.ixo")};
    QString label;
    auto* poll = new QTimer(FForm.get());
    connect(poll, &QTimer::timeout, poll, [&, poll] {
      auto* dialog = FForm->findChild<QProgressDialog*>();
      if (!dialog || dialog->value() <= 0 || !label.isEmpty())
        return;
      FForm->close();
      label = dialog->labelText();
    });
    poll->start(10);
    Control<QAction>("mInstallPack")->trigger();
    QVERIFY(label.endsWith(QStringLiteral("\nThe window closes when this is done.")));
    QTRY_VERIFY(!FForm->isVisible());
    QCOMPARE(test::Snapshot(FTemp->Path() / "Game"), before);
  }

  void thePackListShowsAndEditsTheTitles() {
    std::vector<TPackageItem> items = {
        {likBattle, "b.lst", "Battle N", "Battle R", "Battle I", "|"},
        {likOperation, "o.tie", "Op N", "", "Op I", ""}};
    TixoPackDialog dialog(items);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Pack List"));
    auto* grid = dialog.findChild<QTableWidget*>(QStringLiteral("GenderStringsGrid"));
    QCOMPARE(grid->columnCount(), 4);
    dialog.show();
    int columns = 0;
    for (int column = 0; column < 4; ++column)
      columns += grid->columnWidth(column);
    QVERIFY(columns <= grid->viewport()->width()); // all four in view
    QVERIFY(grid->columnWidth(1) >= 150);
    dialog.hide();
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("Operation"));
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("Battle R"));
    grid->item(1, 2)->setText(QStringLiteral("Op R\u00e9"));
    dialog.ApplyTitles(items);
    QCOMPARE(items[1].RebelTitle, std::string("Op R\xe9"));
    QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->isEnabled());
    QTimer::singleShot(0, dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn")),
                       &QPushButton::click);
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
  }
};

int RunPackCommandsTest(int argc, char** argv) {
  TPackCommandsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "PackCommandsTest.moc"
