// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutBox.h"
#include "app/Prompts.h"
#include "platform/HostFiles.h"
#include "support/FormFixture.h"
#include "widgets/MaskedImage.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QUrl>

using namespace flightdeck;
using test::CrLf;
using test::ReadBytes;
using test::WriteBytes;
namespace fs = std::filesystem;

class TFlightdeckFormTest : public QObject, protected test::TFormFixture {
  Q_OBJECT

  // The Battles list shown and a group renamed while a battle file the save writes is a folder:
  // the save fails. The list as it was on disk.
  std::string RenameWhileABattleFileIsAFolder() {
    StoreSettings("MType=0\r\n");
    Open();
    fs::remove(GameFile("battle", "b2.lst"));
    fs::create_directory(GameFile("battle", "b2.lst"));
    const std::string before = ReadBytes(GameFile("battle", "mission.lst"));
    FForm->Panel()->MissionModel()->setData(Node(QStringLiteral("Outer Rim")),
                                            QStringLiteral("Edited"));
    QCoreApplication::processEvents(); // what the edit posted: its save
    return before;
  }

private Q_SLOTS:
  void init() { SetUpGame(); }
  void cleanup() { TearDownGame(); }

  void firstRunWithoutSettings() {
    TixoFlightdeckForm& form = Open();
    // The empty tree says what to do first.
    QVERIFY(static_cast<TMissionView*>(form.Panel()->MissionView())
                ->Placeholder()
                .contains(QStringLiteral("File > Set XvT Directory")));
    QCOMPARE(form.pos(), QPoint(0, 0));
    QCOMPARE(form.size(), QSize(370, 410));
    QCOMPARE(form.windowTitle(), QStringLiteral("Ixo Kit"));
    QVERIFY(!Control<QWidget>("MissionViewPanel")->isEnabled());
    QVERIFY(!Control<TFlatSpeedButton>("InstallMissionBtn")->isEnabled());
    QVERIFY(!Control<TFlatSpeedButton>("GenderNeutralBtn")->Down());
    QVERIFY(!Control<QMenu>("mInstall")->isEnabled());
    QVERIFY(!Control<QAction>("mInstallMission")->isEnabled());
    QVERIFY(Control<QAction>("mFileSetXvTDirectory")->isEnabled());
    QCOMPARE(Control<TFlatSpeedButton>("XvTPathBtn")->toolTip(), QString());
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(Control<TFlatSpeedButton>("XvTPathBtn"), &enter);
    QCOMPARE(Caption("ShowFileTitlePanel"), QStringLiteral(" Set your XvT Directory"));
    Control<QAction>("mFileExit")->showStatusText(form.menuBar()); // a highlighted menu item
    QCOMPARE(Caption("ShowFileTitlePanel"), QStringLiteral(" Doh!"));

    form.close();
    QCOMPARE(
        QString::fromStdString(ReadBytes(Settings())),
        QStringLiteral("[IxoKit]\r\nTop=0\r\nLeft=0\r\nHeight=410\r\nMType=0\r\nGender=1\r\n"));
  }

  void storedDirectoryRestoresCategoryAndSide() {
    // Stored in lower case by an earlier version: the lookup still finds "Game".
    const std::string stored = QString::fromStdString(FGame).toLower().toStdString();
    WriteBytes(Settings(),
               "[IxoKit]\r\nMPath=" + stored + "\r\nMType=1\r\nGender=3\r\nHeight=100\r\n");
    WriteBytes(GameFile("combat", "imperial.lst"), CrLf({"0", "i.tie", "Loose"}));
    WriteBytes(GameFile("combat", "i.tie"), test::Mission("i"));
    TixoFlightdeckForm& form = Open();
    QCOMPARE(form.size(), QSize(370, form.minimumSizeHint().height())); // no lower than that
    QCOMPARE(form.Panel()->MissionType(), mtCombat);
    QCOMPARE(form.Panel()->Side(), gnImperial);
    QCOMPARE(Control<QTabBar>("MissionTypeTabSet")->currentIndex(), 1);
    QVERIFY(Control<TFlatSpeedButton>("GenderImperialBtn")->Down());
    QVERIFY(Control<QAction>("mMissionGenderImperial")->isChecked());
    QVERIFY(Control<TFlatSpeedButton>("GenderRebelBtn")->isEnabled());
#ifndef _WIN32 // Windows finds a name in any case itself: there it is shown as stored
    // Shown as it is on disk.
    QCOMPARE(Control<TFlatSpeedButton>("XvTPathBtn")->toolTip(), PathText(FGame));
#endif
    QCOMPARE(Labels(), QStringList{QStringLiteral("Loose")});
    QCOMPARE(Caption("ShowFileTitlePanel"),
             QStringLiteral("  Engagement (mission file):  i.tie (unknown type, X-wing vs. TIE "
                            "Fighter)"));
    QCOMPARE(Control<TFlatSpeedButton>("ShowNextNumberButton")->Caption(),
             QStringLiteral("Next #: 1"));

    const int height = form.height();
    form.close();
    QCOMPARE(ReadBytes(Settings()), "[IxoKit]\r\nMPath=" + stored +
                                        "\r\nMType=1\r\nGender=3\r\nHeight=" +
                                        std::to_string(height) + "\r\nTop=0\r\nLeft=0\r\n");
    QCOMPARE(ReadBytes(GameFile("combat", "imperial.lst")), CrLf({"0", "i.tie", "Loose"}));
  }

  void damagedSettingsFallBackToFirstTabAndSide() {
    StoreSettings("MType=9\r\nGender=0x7\r\nTop=-30000\r\nLeft=-30000\r\n");
    TixoFlightdeckForm& form = Open();
    QCOMPARE(form.Panel()->MissionType(), mtBattles);
    QCOMPARE(form.Panel()->Side(), gnNeutral);
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(form.geometry()));
  }

  void aStoredPlaceOrSizeOffTheScreenIsClampedOntoIt() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const std::string& keys : {std::string("Height=2147483647\r\n"),
                                    "Top=" + std::to_string(screen.bottom() - 100) + "\r\nLeft=" +
                                        std::to_string(screen.right() - 50) + "\r\n"}) {
      StoreSettings("MType=0\r\n" + keys);
      TixoFlightdeckForm& form = Open();
      QVERIFY2(screen.contains(form.geometry()), keys.c_str());
      QVERIFY(form.height() <= screen.height());
    }
  }

  void invalidThenValidDirectory() {
    TixoFlightdeckForm& form = Open();
    const QString notGame = QString::fromStdString((FTemp->Path() / "Game" / "combat").string());
    FPrompts.Folders = {notGame, QString(),
                        QString::fromStdString((FTemp->Path() / "Game").string())};
    Click("XvTPathBtn");
    QCOMPARE(FPrompts.Messages,
             QStringList{QStringLiteral(
                 "Ixo Kit: The specified path for \"X-wing vs. TIE Fighter\" is invalid, "
                 "please select another path.")});
    QCOMPARE(FPrompts.FolderStatusLines.front(),
             QStringLiteral("Browse...: Select your \"X-wing vs. TIE Fighter\" directory."));
    QVERIFY(form.XvTPath().empty());
    QVERIFY(!Control<QWidget>("MissionViewPanel")->isEnabled());

    Click("XvTPathBtn"); // cancelled
    Control<QAction>("mFileSetXvTDirectory")->trigger();
    // Without a game it opens on the home folder; with one, on the game.
    const QString home = QString::fromStdString(FTemp->Path().string()) + QDir::separator();
    QCOMPARE(FPrompts.FolderPresets, (QStringList{home, home, home}));
    Control<QAction>("mFileSetXvTDirectory")->trigger();
    QCOMPARE(FPrompts.FolderPresets.back(), PathText(FGame));
    QCOMPARE(QApplication::focusWidget(),
             FForm->Panel()->MissionView()); // the list, enabled at last
    QCOMPARE(fs::path(form.XvTPath()).generic_string(), fs::path(FGame).generic_string());
    QVERIFY(Control<QWidget>("MissionViewPanel")->isEnabled());
    QVERIFY(Control<TFlatSpeedButton>("GenderNeutralBtn")->Down());
    QVERIFY(!Control<TFlatSpeedButton>("GenderRebelBtn")->isEnabled());
    QCOMPARE(Labels().size(), 9);
    QCOMPARE(FPrompts.Messages.size(), 1);
  }

  void battlesListShowsNineExpandedNodesWithTheWarSelected() {
    StoreSettings("MType=0\r\n");
    TixoFlightdeckForm& form = Open();
    QCOMPARE(Labels(), (QStringList{QStringLiteral("Outer Rim"), QStringLiteral("  Strike One"),
                                    QStringLiteral("    Alpha"), QStringLiteral("    Bravo"),
                                    QStringLiteral("    c.tie"), QStringLiteral("  Strike Two"),
                                    QStringLiteral("    Delta"), QStringLiteral("    e.tie"),
                                    QStringLiteral("    f.tie")}));
    for (const QString& parent :
         {QStringLiteral("Outer Rim"), QStringLiteral("Strike One"), QStringLiteral("Strike Two")})
      QVERIFY(form.Panel()->MissionView()->isExpanded(Node(parent)));
    QCOMPARE(form.Panel()->MissionView()->currentIndex().data().toString(),
             QStringLiteral("Outer Rim"));
    QCOMPARE(Caption("ShowFileTitlePanel"), QStringLiteral("  War"));
    QCOMPARE(Caption("ShowFileNumberPanel"), QStringLiteral("       Tour #:"));
    QVERIFY(!Control<QWidget>("ShowFileNumberPanel")->isEnabled());
    QVERIFY(!Control<QAction>("mnuAddMission")->isEnabled());
    QVERIFY(Control<QAction>("mnuAddWar")->isVisible() &&
            !Control<QAction>("mnuAddCampaign")->isVisible());

    form.Panel()->MissionView()->setCurrentIndex(Node(QStringLiteral("Strike Two")));
    QCOMPARE(Caption("ShowFileTitlePanel"), QStringLiteral("  Battle"));
    QCOMPARE(Control<TFlatSpeedButton>("ShowNextNumberButton")->Caption(),
             QStringLiteral("Next #: 2"));
    QVERIFY(Control<QAction>("mnuAddMission")->isEnabled());
  }

  void renamedOperationReachesTheNeutralCombatList() {
    StoreSettings("MType=0\r\n");
    TixoFlightdeckForm& form = Open();
    FForm->Panel()->MissionModel()->setData(Node(QStringLiteral("Bravo")),
                                            QStringLiteral("Bravo R\u00e9vis\u00e9"));
    FForm->Panel()->MissionModel()->setData(Node(QStringLiteral("c.tie")),
                                            QStringLiteral("Charlie"));
    QCoreApplication::processEvents(); // each rename is written at once
    Click("GenderNeutralBtn");         // already down: rebuilds from the disk
    QVERIFY(Control<TFlatSpeedButton>("GenderNeutralBtn")->Down());
    QCOMPARE(ReadBytes(GameFile("combat", "mission.lst")),
             CrLf({"//", "[Outer Rim]", "//", "0", "a.tie", "Alpha", "1", "B.TIE",
                   "Bravo R\xe9vis\xe9", "3", "d.tie", "Delta"}));
    QVERIFY(Node(QStringLiteral("Bravo R\u00e9vis\u00e9")).isValid());
    QCOMPARE(Node(QStringLiteral("c.tie")).data().toString(),
             QStringLiteral("c.tie")); // no Engagement keeps its title
    QCOMPARE(form.Panel()->MissionType(), mtBattles);
  }

  void switchingCombatRebelToBattlesWritesRebelBackAndForcesNeutral() {
    StoreSettings("MType=1\r\nGender=2\r\n");
    TixoFlightdeckForm& form = Open();
    QCOMPARE(Labels(), (QStringList{QStringLiteral("Rebel Run"), QStringLiteral("  Red")}));
    FForm->Panel()->MissionModel()->setData(Node(QStringLiteral("Red")),
                                            QStringLiteral("Red Leader"));
    QCoreApplication::processEvents();
    ClickTab(0);
    QCOMPARE(ReadBytes(GameFile("combat", "rebel.lst")),
             CrLf({"//", "[Rebel Run]", "//", "4", "r.tie", "Red Leader"}));
    QCOMPARE(form.Panel()->MissionType(), mtBattles);
    QCOMPARE(form.Panel()->Side(), gnNeutral);
    QVERIFY(Control<TFlatSpeedButton>("GenderNeutralBtn")->Down());
    QVERIFY(Control<QAction>("mMissionGenderNeutral")->isChecked());
    QVERIFY(!Control<TFlatSpeedButton>("GenderRebelBtn")->isEnabled());
    QVERIFY(!Control<QAction>("mMissionGenderImperial")->isEnabled());
    QCOMPARE(Labels().size(), 9);
  }

  void failedWriteShowsTheDiskAndKeepsTheCategory() {
    const std::string before = RenameWhileABattleFileIsAFolder();
    TixoFlightdeckForm& form = *FForm;
    // The error names the file, with the warning icon.
    QCOMPARE(FPrompts.Messages,
             QStringList{QStringLiteral("Ixo Kit: Is a folder, not a file: \"") +
                         PathText(GameFile("battle", "b2.lst").generic_string()) +
                         QLatin1Char('"')});
    QCOMPARE(FPrompts.Warnings, QList<bool>{true});
    QCOMPARE(form.Panel()->MissionType(), mtBattles);
    QCOMPARE(Control<QTabBar>("MissionTypeTabSet")->currentIndex(), 0);
    QCOMPARE(Labels().size(), 6); // the disk, without the battle whose file is a folder now
    QVERIFY(!Labels().contains(QStringLiteral("Edited")));
    QCOMPARE(ReadBytes(GameFile("battle", "mission.lst")), before);

    // A list that cannot be read is nothing to edit, and the status line says why.
    fs::remove(GameFile("battle", "mission.lst"));
    fs::create_directory(GameFile("battle", "mission.lst"));
    auto* tabs = Control<QTabBar>("MissionTypeTabSet");
    tabs->setCurrentIndex(1);
    QVERIFY(!Labels().isEmpty());
    tabs->setCurrentIndex(0);
    QVERIFY(Labels().isEmpty());
    QVERIFY(!Control<QWidget>("MissionView")->isEnabled());
    QVERIFY(tabs->isEnabled());
    QVERIFY(Caption("ShowFileTitlePanel").contains(QStringLiteral("Is a folder, not a file")));
    QVERIFY(Control<TMissionView>("MissionView")->Placeholder().startsWith("Is a folder"));
    QCOMPARE(FPrompts.Messages.size(), 1);
    tabs->setCurrentIndex(1);
    QVERIFY(Control<QWidget>("MissionView")->isEnabled());
  }

  // A save beside the window that fails is told when the window next needs the list, and a
  // switch of list then goes on to the list asked for.
  void aFailedSaveBesideTheWindowIsToldAndTheSwitchGoesOn() {
    const std::size_t usual = TListController::SaveBesideTheWindowFrom(0);
    const std::string before = RenameWhileABattleFileIsAFolder();
    Control<QTabBar>("MissionTypeTabSet")->setCurrentIndex(1);
    TListController::SaveBesideTheWindowFrom(usual);
    QCOMPARE(FPrompts.Messages.size(), 1);
    QVERIFY(FPrompts.Messages[0].contains(QStringLiteral("Is a folder, not a file")));
    QCOMPARE(FForm->Panel()->MissionType(), mtCombat);
    QVERIFY(Node(QStringLiteral("Bravo")).isValid());
    QCOMPARE(ReadBytes(GameFile("battle", "mission.lst")), before);
  }

  // At its smallest the window fits 1024x600 pixels at a scale of two, with the tree shrunk
  // and the tool bar, the tabs and the status bar whole; ctest runs this on such a screen too.
  void theSmallestWindowFitsASmallScreen() {
    StoreSettings("MType=1\r\nHeight=1\r\n");
    Open();
    QVERIFY(FForm->minimumWidth() <= 512 &&
            std::max(FForm->minimumHeight(), FForm->minimumSizeHint().height()) <= 300);
    FForm->resize(FForm->minimumSize().expandedTo(FForm->minimumSizeHint()));
    QTRY_COMPARE(FForm->height(), FForm->minimumSizeHint().height()); // a stored height too low
    const QRect screen = FForm->screen()->availableGeometry();
    QVERIFY(screen.contains(FForm->geometry()));
    for (const char* name : {"TopPanel", "MissionTypeTabSet", "StatusBasePanel", "MissionView"}) {
      const QWidget* part = Control<QWidget>(name);
      const QRect place(part->mapTo(FForm.get(), QPoint(0, 0)), part->size());
      QVERIFY2(FForm->rect().contains(place) && part->height() >= part->minimumSizeHint().height(),
               name);
    }
  }

  // On a small screen (1024 x 600 at twice the size) every dialog opens wholly on it, each of
  // its buttons within reach.
  void everyDialogFitsASmallScreen() {
#ifdef _WIN32
    QSKIP("tried on the small screen of the Linux run; under Wine the dialogs leave the next "
          "window inactive");
#endif
    StoreSettings("MType=1\r\n");
    Open();
    TDialogPrompts prompts;
    prompts.SetParent(FForm.get());
    QStringList misfits;
    int dialogs = 0;
    QTimer watch;
    connect(&watch, &QTimer::timeout, &watch, [&] {
      auto* shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!shown || !shown->isVisible())
        return;
      ++dialogs;
      const QRect screen = shown->screen()->availableGeometry();
      if (!screen.contains(shown->frameGeometry()))
        misfits << shown->metaObject()->className() + QStringLiteral(" ") + shown->windowTitle();
      for (const QAbstractButton* button : shown->findChildren<QAbstractButton*>())
        if (button->isVisible() &&
            !screen.contains(QRect(button->mapToGlobal(QPoint(0, 0)), button->size())))
          misfits << shown->windowTitle() + QStringLiteral(": ") + button->text();
      shown->reject();
    });
    watch.start(20);
    const QString longName = QStringLiteral("/home/a-player/.local/share/Steam/steamapps/common/"
                                            "Star Wars X-Wing vs TIE Fighter - Balance of Power");
    QStringList lines;
    for (int i = 0; i < 200; ++i)
      lines << longName + QString::number(i);
    prompts.Tell(longName);
    prompts.OpenFile({QString::fromStdString(FTemp->Path().string()), QStringLiteral("Open"),
                      QStringLiteral("Packs (*.ixo)|*.ixo"), QStringLiteral("ixo"), true});
    TFolderBrowseDlg folders(FForm.get());
    folders.SetPlaces({{QStringLiteral("Game found (Steam)"), longName}});
    prompts.ExecuteFolderDialog(folders);
    prompts.ChooseHistoryEntry(lines);
    prompts.ChooseGame(lines);
    TPackTarget target;
    prompts.ConfirmPackPlan(longName, target, [&](const TPackTarget&) {
      return TPackPlanLines{lines, true, longName + longName, lines.join('\n')}; // installed
    });
    prompts.ChooseInstalledPack(std::vector<TInstalledPackLine>(
        200, {longName, longName, longName, longName, 3, longName, lines.join('\n'), true}));
    prompts.ChooseProblem({{TSeverity::Error, longName, longName, QStringLiteral("Fix")}});
    std::vector<TPackageItem> items(50,
                                    {likBattle, "b.lst", "Battle N", "Battle R", "Battle I", ""});
    prompts.EditPackList(items);
    prompts.ShowAbout(DemoGamePath());
    prompts.AskFindText(longName);
    watch.stop();
    QCOMPARE(dialogs, 11);
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
  }

  void everyControlFitsAndIsReachable() {
    StoreSettings("MType=1\r\n");
    Open();
    for (const TFlatSpeedButton* button :
         Control<QWidget>("TopPanel")->findChildren<TFlatSpeedButton*>())
      QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
    auto* number = Control<QLineEdit>("MissionNumberEB");
    QVERIFY(number->contentsRect().width() >= number->fontMetrics().horizontalAdvance("9999"));
    // The sides are chosen from the keyboard too.
    auto* rebel = Control<TFlatSpeedButton>("GenderRebelBtn");
    QCOMPARE(rebel->focusPolicy(), Qt::TabFocus);
    rebel->setFocus();
    QTest::keyClick(rebel, Qt::Key_Space);
    QCOMPARE(FForm->Panel()->Side(), gnRebel);
    // A status text too long for its panel ends in "..." and is whole in the tooltip.
    auto* status = Control<TBevelPanel>("ShowFileTitlePanel");
    const QString longText = QStringLiteral(" ") + QString(200, QLatin1Char('x'));
    status->SetCaption(longText);
    status->repaint();
    QCOMPARE(status->toolTip(), longText);
  }

  void theGamesFoundAreOfferedAtTheFirstStartAndInTheFolderDialog() {
    const fs::path hidden = FTemp->Path() / ".wine" / "drive_c" / "GOG Games";
    fs::create_directories(hidden);
    fs::rename(FTemp->Path() / "Game", hidden / "XvT");
    TixoFlightdeckForm& form = Open();
    QStringList after; // what was handed over meanwhile runs once the games were offered
    form.OfferGamesFound([&] { after << QStringLiteral("first"); }); // declined
    form.OfferGamesFound([&] { after << QStringLiteral("second"); });
    QVERIFY(form.SearchingForGames());
    QCOMPARE(Control<TMissionView>("MissionView")->Placeholder(),
             QStringLiteral("Searching for games\u2026"));
    QVERIFY(after.isEmpty());
    QTRY_COMPARE(FPrompts.GameOffers.size(), 1);
    QCOMPARE(after, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
    QVERIFY(FPrompts.GameOffers.front().front().endsWith(QStringLiteral("XvT  (wine)")));
    QVERIFY(form.XvTPath().empty());
    Click("XvTPathBtn"); // cancelled, but it offered the game among its places
    QVERIFY(
        FPrompts.FolderPlaces.front().startsWith(QStringLiteral("Game found (wine)|Home|Wine")));
    FPrompts.GameChoice = 0;
    form.OfferGamesFound();
    QTRY_COMPARE(fs::path(form.XvTPath()).generic_string(),
                 (hidden / "XvT").generic_string() + "/");
    QCOMPARE(Labels().size(), 9);
    form.OfferGamesFound(); // a game is shown: nothing more is offered
    QCOMPARE(FPrompts.GameOffers.size(), 2);
  }

  void aGameInAHiddenWinePrefixIsChosen() {
    const fs::path hidden = FTemp->Path() / ".wine" / "drive_c" / "GOG Games";
    fs::create_directories(hidden);
    fs::rename(FTemp->Path() / "Game", hidden / "XvT");
    TixoFlightdeckForm& form = Open();
    FPrompts.Folders = {QString::fromStdString((hidden / "XvT").string())};
    Click("XvTPathBtn");
    QCOMPARE(fs::path(form.XvTPath()).generic_string(), (hidden / "XvT").generic_string() + "/");
    QCOMPARE(Labels().size(), 9);
    // As flightdeck --game DIR: a folder that is no game is said to be none, and changes nothing.
    form.OpenGameDirectory(hidden.string());
    QVERIFY(FPrompts.Messages.back().contains(QStringLiteral("is invalid")));
    QCOMPARE(fs::path(form.XvTPath()).generic_string(), (hidden / "XvT").generic_string() + "/");
  }

  void everyFileDialogStartsInTheCategoryFolderAsItIsOnDisk() {
#ifdef _WIN32
    QSKIP("Windows finds a name in any case itself: there a folder is named as the program spells "
          "it");
#endif
    for (const char* folder : {"battle", "combat"})
      fs::rename(FTemp->Path() / "Game" / folder,
                 FTemp->Path() / "Game" / QString::fromLatin1(folder).toUpper().toStdString());
    StoreSettings("MType=0\r\n");
    Open();
    Control<QAction>("mInstallMission")->trigger();
    Control<QAction>("mInstallPack")->trigger();
    Control<QAction>("mnuAddBattle")->trigger();
    Select(QStringLiteral("Outer Rim"));
    Control<QAction>("mnuBuildPak")->trigger();
    QCOMPARE(FPrompts.FileRequests.size(), 4);
    const std::string game = (FTemp->Path() / "Game").generic_string();
    const QString expected[] = {PathText(game + "/COMBAT"), PathText(game + "/BATTLE"),
                                PathText(game + "/BATTLE"), PathText(game + "/BATTLE")};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(FPrompts.FileRequests[i].InitialDir, expected[i]);
      QVERIFY(QFileInfo(FPrompts.FileRequests[i].InitialDir).isDir());
    }
  }

  void aListTheUserDidNotChangeIsNeverRewritten() {
    // Lines ended by LF alone read as one line, and a Ctrl-Z ends the text early: rewriting
    // either from what was read would lose the rest.
    const std::string lfOnly = "//\n[Outer Rim]\n//\n0\nb1.lst\nStrike One\n";
    const std::string early =
        CrLf({"0", "a.tie", "Alpha"}) + "\x1A" + CrLf({"1", "b.tie", "Bravo"});
    WriteBytes(GameFile("battle", "mission.lst"), lfOnly);
    WriteBytes(GameFile("combat", "rebel.lst"), early);
    StoreSettings("MType=0\r\n");
    Open();
    ClickTab(1);
    Click("GenderRebelBtn");
    Click("GenderNeutralBtn");
    ClickTab(0);
    FForm->close();
    QCOMPARE(ReadBytes(GameFile("battle", "mission.lst")), lfOnly);
    QCOMPARE(ReadBytes(GameFile("combat", "rebel.lst")), early);
  }

  void aboutBoxShowsProductVersionLogoAndLinks() {
    Open();
    Control<QAction>("mHelpAbout")->trigger();
    QCOMPARE(FPrompts.AboutBoxes, 1);

    TixoAboutBox about(DemoGamePath());
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("ProductName"))->text(),
             QStringLiteral("Ixo Kit"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Version"))->text(), QStringLiteral("v1.0"));
    const auto* logo = about.findChild<TMaskedImage*>(QStringLiteral("Logo"));
    QVERIFY(!logo->Picture().isNull() && !logo->Mask().isNull());
    // Both links lead to something that exists: the README and the demo game of the build.
    int links = 0;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
      const QString text = label->text();
      if (!text.startsWith(QStringLiteral("<a href=\"")))
        continue;
      const QUrl target(text.section(QLatin1Char('"'), 1, 1));
      QVERIFY2(QFileInfo::exists(target.toLocalFile()), qPrintable(text));
      ++links;
    }
    QCOMPARE(links, 2);
    // FLIGHTDECK_ABOUT_SCREENSHOT=path keeps a picture of the box, for the README.
    if (const QByteArray path = qgetenv("FLIGHTDECK_ABOUT_SCREENSHOT"); !path.isEmpty()) {
      about.show();
      QVERIFY(about.grab().save(QString::fromLocal8Bit(path)));
    }
  }

  // The About box's demo game opens in the window: as it is where it may be changed, else as a
  // copy made once with the user's leave.
  void theDemoGameOpensAsItIsOrAsACopy() {
    const QString shipped = QString::fromStdString((FTemp->Path() / "share/demo game").string());
    const QString copy = QString::fromStdString((FTemp->Path() / "data/flightdeck/demo").string());
    std::filesystem::create_directories(FTemp->Path() / "share");
    std::filesystem::copy(FLIGHTDECK_SOURCE_TREE "/examples/demo-game", shipped.toStdString(),
                          std::filesystem::copy_options::recursive);
    FDemoGame = {shipped, copy};
    StoreSettings("");
    Open();
    FPrompts.OpenDemoGame = true;
    FPrompts.Answers = {TMessageResult::No};
    Control<QAction>("mHelpAbout")->trigger();
    QCOMPARE(FForm->XvTPath(), FGame); // declined: nothing copied, nothing opened
    QVERIFY(!QFileInfo::exists(copy));
    QVERIFY(FPrompts.Messages.last().contains(QDir::toNativeSeparators(copy)));
    for (int time = 0; time < 2; ++time) { // asked again, agreed; then the copy opens unasked
      Control<QAction>("mHelpAbout")->trigger();
      QCOMPARE(FPrompts.Messages.size(), 2);
      QCOMPARE(FForm->XvTPath(), copy.toStdString() + "/");
    }
    QCOMPARE(ReadBytes(copy.toStdString() + "/combat/mission.lst"),
             ReadBytes(shipped.toStdString() + "/combat/mission.lst"));
    FForm.reset();
    FDemoGame = {shipped, QString()};
    Open();
    Control<QAction>("mHelpAbout")->trigger();
    QCOMPARE(FForm->XvTPath(), shipped.toStdString() + "/");
  }

  void unwritableSettingsAreReported() {
    StoreSettings("MType=1\r\n");
    TixoFlightdeckForm& form = Open();
    fs::remove(Settings());
    fs::create_directory(Settings()); // a folder where the file belongs
    form.close();
    QCOMPARE(FPrompts.Messages, QStringList{QStringLiteral("Ixo Kit: Unable to write to ") +
                                            QString::fromStdString(Settings().string())});
    QCOMPARE(ReadBytes(GameFile("combat", "mission.lst")).substr(0, 4), std::string("//\r\n"));
  }

  // What a killed save left goes when the game opens; the settings are written as they change;
  // a game folder that goes away is told, and its tree emptied.
  void theWindowKeepsInStepWithTheDiskAndItsSettings() {
    const std::string name =
        ".flightdeck-save-" + HostBootTag() + "-" + HostProcessSpaceTag() + "-999999999-0000abcd";
    const fs::path leftOver = GameFile("combat", name.c_str());
    WriteBytes(leftOver, "half a list");
    StoreSettings("MType=1\r\n");
    Open();
    QTRY_VERIFY(!fs::exists(leftOver));
    ClickTab(mtTournaments);
    QVERIFY(ReadBytes(Settings()).find("MType=3") != std::string::npos);
#ifdef _WIN32
    QSKIP("Windows keeps a folder that a program watches from being removed");
#endif
    fs::remove_all(FTemp->Path() / "Game");
    QTRY_VERIFY(Caption("ShowFileTitlePanel").contains(QStringLiteral("is gone")));
    QVERIFY(Labels().isEmpty());
  }

  // The window is driven with the keyboard alone: the list has the focus at once, Tab goes
  // from top to bottom, Shift+F10 opens the entry's menu, F1 the manual and Ctrl+Q ends it.
  void theKeyboardAlone() {
    StoreSettings("MType=1\r\n");
    Open();
    QCOMPARE(QApplication::focusWidget(), FForm->Panel()->MissionView());
    QVERIFY(!FForm->windowIcon().availableSizes().isEmpty()); // for docks and task bars
    QTest::keyClick(FForm->Panel()->MissionView(), Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = Control<QMenu>("MissionViewPopUp");
    QTRY_VERIFY(menu->isVisible());
    menu->close();
    Select(QStringLiteral("Alpha")); // an entry: its number may be changed
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Control<QTabBar>("MissionTypeTabSet"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>("MissionNumberEB"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // round to the top
    QCOMPARE(QApplication::focusWidget(), Control<TFlatSpeedButton>("ShowNextNumberButton"));
    QTest::keyClick(FForm.get(), Qt::Key_F1);
    QCOMPARE(FPrompts.DocumentsOpened.size(), 1);
    QVERIFY(FPrompts.DocumentsOpened.front().endsWith(QStringLiteral("README.md")));
    QTest::keyClick(FForm.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!FForm->isVisible());
  }

  void closeSkipsWriteBackWhenTheDirectoryIsGone() {
    StoreSettings("MType=1\r\n");
    TixoFlightdeckForm& form = Open();
#ifdef _WIN32
    QSKIP("Windows keeps a folder that a program watches from being removed");
#endif
    fs::remove_all(FTemp->Path() / "Game");
    form.close();
    QVERIFY(FPrompts.Messages.isEmpty());
    QCOMPARE(ReadBytes(Settings()),
             "[IxoKit]\r\nMPath=" + FGame +
                 "\r\nMType=1\r\nTop=0\r\nLeft=0\r\nHeight=410\r\nGender=1\r\n");
  }
};

int RunFlightdeckFormTest(int argc, char** argv) {
  TFlightdeckFormTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "FlightdeckFormTest.moc"
