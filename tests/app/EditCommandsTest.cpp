// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/History.h"
#include "platform/DirectoryLock.h"
#include "support/FormFixture.h"

#include <QElapsedTimer>
#include <QProcess>

using namespace flightdeck;
using test::CrLf;
using test::ReadBytes;
using test::WriteBytes;
namespace fs = std::filesystem;

class TEditCommandsTest : public QObject, protected test::TFormFixture {
  Q_OBJECT

  const std::string FCredit =
      "  Made with Flightdeck, the mission catalogue editor for X-wing vs. TIE Fighter.";

  QString Chosen(const char* name) const {
    return QString::fromStdString((FTemp->Path() / "Elsewhere" / name).string());
  }

  // Drops the selected node on the label of the node `target`.
  void DropOn(const QString& target) {
    QTreeView* view = FForm->Panel()->MissionView();
    const QRect rect = view->visualRect(Node(target));
    FForm->Panel()->MissionViewDragDrop(QPoint(rect.left() + 4, rect.center().y()));
  }

  void OpenCombat(const std::string& list) {
    WriteBytes(GameFile("combat", "mission.lst"), list);
    StoreSettings("MType=1\r\n");
    Open();
  }

private Q_SLOTS:
  void init() { SetUpGame(); }
  void cleanup() { TearDownGame(); }

  void newBattleTakesTheFirstFreeNumberAndWritesItsBattleFile() {
    WriteBytes(GameFile("battle", "mission.lst"),
               CrLf({"//", "[Outer Rim]", "//", "0", "b1.lst", "Strike One", "1", "b2.lst",
                     "Strike Two", "3", "b3.lst", "Strike Three"}));
    StoreSettings("MType=0\r\n");
    Open();
    Select(QStringLiteral("Alpha")); // an Operation: the Battle goes under its War
    FPrompts.Files = {Chosen("B4.TXT")};
    Control<QAction>("mnuAddBattle")->trigger();
    const TOpenDialogRequest& dialog = FPrompts.FileRequests.front();
    QCOMPARE(dialog.InitialDir, PathText(FGame + "battle"));
    QCOMPARE(dialog.Title,
             QStringLiteral("Specify a New List File to store Mission References in..."));
    QCOMPARE(
        dialog.Filter,
        QStringLiteral("X-wing vs. TIE Fighter List files   (*.lst)|*.lst|All formats...|*.*"));
    QVERIFY(!dialog.MustExist);
    QCOMPARE(FForm->Panel()->MissionView()->currentIndex().data().toString(),
             QStringLiteral("A New Battle"));
    QCOMPARE(Control<QLineEdit>("MissionNumberEB")->displayText().trimmed(), QStringLiteral("2"));
    FinishLabelEdit(QStringLiteral("Strike Four"));
    QCOMPARE(ReadBytes(GameFile("battle", "mission.lst")),
             CrLf({"//", "[Outer Rim]", "//", "0", "b1.lst", "Strike One", "1", "b2.lst",
                   "Strike Two", "3", "b3.lst", "Strike Three", "2", "B4.lst", "Strike Four"}));
    QCOMPARE(ReadBytes(GameFile("battle", "B4.lst")),
             CrLf({"0", "  This battle was created with the X-wing vs. TIE Fighter Forgeworks.",
                   FCredit}));
  }

  void existingBattleFileBringsItsOperationsWithCombatTitles() {
    WriteBytes(GameFile("battle", "old.lst"),
               CrLf({"3", "a.tie", "B.tie", "x.tie", "Old one", "Old two"}));
    const std::string combat = ReadBytes(GameFile("combat", "mission.lst"));
    StoreSettings("MType=0\r\n");
    Open();
    Select(QStringLiteral("Outer Rim"));
    FPrompts.Files = {Chosen("OLD")};
    Control<QAction>("mnuAddBattle")->trigger();
    FinishLabelEdit(QStringLiteral("A New Battle"));
    QCOMPARE(Labels().mid(9),
             (QStringList{QStringLiteral("  A New Battle"), QStringLiteral("    Alpha"),
                          QStringLiteral("    Bravo"), QStringLiteral("    x.tie")}));
    QVERIFY(FForm->Panel()->MissionView()->isExpanded(Node(QStringLiteral("A New Battle"))));
    WriteBack();
    QCOMPARE(ReadBytes(GameFile("combat", "mission.lst")), combat);
    QCOMPARE(ReadBytes(GameFile("battle", "old.lst")),
             CrLf({"3", "a.tie", "B.tie", "x.tie", "Old one", "Old two"}));
    QCOMPARE(ReadBytes(GameFile("battle", "mission.lst")),
             CrLf({"//", "[Outer Rim]", "//", "0", "b1.lst", "Strike One", "1", "b2.lst",
                   "Strike Two", "2", "OLD.lst", "A New Battle"}));
  }

  void battleFileNamesInUseOrOfAListAreRefused() {
    StoreSettings("MType=0\r\n");
    Open();
    Select(QStringLiteral("Strike Two"));
    FPrompts.Files = {Chosen("B1.LST"), Chosen("Mission.txt")};
    Control<QAction>("mnuAddBattle")->trigger();
    Control<QAction>("mnuAddBattle")->trigger();
    QCOMPARE(
        FPrompts.Messages,
        (QStringList{
            QStringLiteral(
                "Ixo Kit: The List File \"b1.lst\" is presently in use by another "
                "battle/tournament.  Please specify a list file that is not already in use."),
            QStringLiteral("Ixo Kit: The List File \"mission.lst\" is one of this category's own "
                           "mission lists.  Please specify a list file of its own for the "
                           "battle/tournament.")}));
    QCOMPARE(Labels().size(), 9);
  }

  void removingAWarKeepsItsBattleFiles() {
    StoreSettings("MType=0\r\n");
    Open();
    Select(QStringLiteral("Outer Rim"));
    FForm->Panel()->MissionView()->setFocus();
    QTest::keyClick(FForm->Panel()->MissionView(), Qt::Key_Delete);
    QVERIFY(Labels().isEmpty());
    QCOMPARE(ReadBytes(GameFile("battle", "mission.lst")), std::string());
    QVERIFY(fs::exists(GameFile("battle", "b1.lst")) && fs::exists(GameFile("battle", "b2.lst")));
  }

  void removingABattleWritesTheRest() {
    StoreSettings("MType=0\r\n");
    Open();
    Select(QStringLiteral("Strike One"));
    Control<QAction>("mnuRemove")->trigger();
    QCOMPARE(Labels().size(), 5);
    QCOMPARE(ReadBytes(GameFile("battle", "mission.lst")),
             CrLf({"//", "[Outer Rim]", "//", "1", "b2.lst", "Strike Two"}));
  }

  void aRightClickSelectsTheEntryTheContextMenuRemoves() {
    StoreSettings("MType=0\r\n");
    Open();
    Select(QStringLiteral("Strike One"));
    QTreeView* view = FForm->Panel()->MissionView();
    QTest::mouseClick(view->viewport(), Qt::RightButton, {},
                      view->visualRect(Node(QStringLiteral("Strike Two"))).center());
    QCOMPARE(view->currentIndex().data().toString(), QStringLiteral("Strike Two"));
    Control<QAction>("mnuRemove")->trigger();
    QCOMPARE(ReadBytes(GameFile("battle", "mission.lst")),
             CrLf({"//", "[Outer Rim]", "//", "0", "b1.lst", "Strike One"}));
  }

  void aMoveUnderTheDragDistanceChangesNothing() {
    StoreSettings("MType=0\r\n");
    Open();
    QTreeView* view = FForm->Panel()->MissionView();
    const QRect one = view->visualRect(Node(QStringLiteral("Strike One")));
    const QPoint press(one.center().x(), one.bottom() - 1);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, press);
    QMouseEvent move(QEvent::MouseMove, QPointF(press + QPoint(0, 3)),
                     view->viewport()->mapToGlobal(QPointF(press + QPoint(0, 3))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move); // into the next entry, short of a drag
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, press + QPoint(0, 3));
    QCOMPARE(view->currentIndex().data().toString(), QStringLiteral("Strike One"));
    QCOMPARE(Labels().size(), 9);
  }

  void findSelectsTheNextEntryByTitleOrMissionFile() {
    StoreSettings("MType=0\r\n");
    Open();
    QTreeView* view = FForm->Panel()->MissionView();
    FPrompts.FindTexts = {QStringLiteral("strike")};
    QTest::keyClick(FForm.get(), Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(view->currentIndex().data().toString(), QStringLiteral("Strike One"));
    QTest::keyClick(FForm.get(), Qt::Key_F3);
    QCOMPARE(view->currentIndex().data().toString(), QStringLiteral("Strike Two"));
    QTest::keyClick(FForm.get(), Qt::Key_F3); // round to the top again
    QCOMPARE(view->currentIndex().data().toString(), QStringLiteral("Strike One"));
    FPrompts.FindTexts = {QStringLiteral("E.TIE")}; // a mission by its file
    Control<QAction>("mSearchFind")->trigger();
    QCOMPARE(TMissionModel::NodeOf(view->currentIndex())->Record.FileName, std::string("e.tie"));
    FPrompts.FindTexts = {QStringLiteral("nowhere")};
    Control<QAction>("mSearchFind")->trigger();
    QCOMPARE(Caption("ShowFileTitlePanel"), QStringLiteral(" \"nowhere\" is not in this list"));
  }

  void renamingToAnEmptyLabelStoresABlank() {
    StoreSettings("MType=0\r\n");
    Open();
    Select(QStringLiteral("Strike One"));
    FForm->Panel()->MissionView()->edit(Node(QStringLiteral("Strike One")));
    FinishLabelEdit(QString());
    QCOMPARE(ReadBytes(GameFile("battle", "mission.lst")),
             CrLf({"//", "[Outer Rim]", "//", "0", "b1.lst", " ", "1", "b2.lst", "Strike Two"}));
  }

#ifndef _WIN32
  // One label edit is one command: the editor's commit and its closing end it once, and the
  // second, as a label left as it was, opens no command at all: it does not even wait for the
  // game, which another program holds (flock(1) takes the folder's lock, as a command does).
  void aLabelLeftAsItWasOpensNoCommand() {
    OpenCombat(CrLf({"//", "[Alpha]", "//", "0", "a.tie", "A1"}));
    QProcess holder;
    holder.start(QStringLiteral("flock"),
                 {QString::fromStdString(FGame), QStringLiteral("sleep"), QStringLiteral("60")});
    QVERIFY(QTest::qWaitFor([&] {
      try {
        TDirectoryLock probe(FGame, std::chrono::milliseconds(0));
        return false;
      } catch (const EDirectoryBusy&) {
        return true;
      }
    }));
    QElapsedTimer took;
    took.start();
    Select(QStringLiteral("A1"));
    FForm->Panel()->MissionView()->edit(Node(QStringLiteral("A1")));
    FinishLabelEdit(QStringLiteral("A1"));
    holder.kill();
    holder.waitForFinished();
    QVERIFY2(FPrompts.Messages.isEmpty(), qPrintable(FPrompts.Messages.join(QLatin1Char('\n'))));
    QVERIFY(took.elapsed() < 5000);
  }
#endif

  void whatIsTypedStaysWhenTheCheckReportsDuringTheEdit() {
    StoreSettings("MType=0\r\n");
    Open();
    FForm->Panel()->MissionView()->edit(Node(QStringLiteral("Outer Rim")));
    auto* editor = FForm->Panel()->MissionView()->findChild<QLineEdit*>();
    editor->setText(QStringLiteral("Inner Rim"));
    FForm->Panel()->MissionModel()->SetMarks({}, {}, QIcon()); // what a check on the worker reports
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(Labels().front(), QStringLiteral("Inner Rim"));
  }

  // A list changed on disk while a label was typed is shown again, and the label offered again.
  void aLabelTypedWhileTheListChangedIsOfferedAgain() {
    OpenCombat(CrLf({"//", "[Alpha]", "//", "0", "a.tie", "A1"}));
    Select(QStringLiteral("A1"));
    FForm->Panel()->MissionView()->edit(Node(QStringLiteral("A1")));
    WriteBytes(GameFile("combat", "mission.lst"),
               CrLf({"//", "[Alpha]", "//", "0", "a.tie", "A2"}));
    FinishLabelEdit(QStringLiteral("Typed"));
    QVERIFY(FPrompts.Messages.back().contains(QStringLiteral("changed on disk")));
    QCOMPARE(Labels(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("  A2")}));
    auto* editor = FForm->Panel()->MissionView()->findChild<QLineEdit*>();
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(editor->text(), QStringLiteral("Typed"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(ReadBytes(GameFile("combat", "mission.lst")),
                 CrLf({"//", "[Alpha]", "//", "0", "a.tie", "Typed"}));
  }

  void aCampaignTitleHoldingABracketIsRefusedAndTheOldOneKept() {
    OpenCombat(CrLf({"//", "[Alpha]", "//", "0", "a.tie", "A1"}));
    Select(QStringLiteral("Alpha"));
    FForm->Panel()->MissionView()->edit(Node(QStringLiteral("Alpha")));
    FinishLabelEdit(QStringLiteral("x]y"));
    QCOMPARE(FPrompts.Messages.size(), 1);
    QVERIFY(FPrompts.Messages.front().contains(QStringLiteral("cannot hold \"]\"")));
    QCOMPARE(Labels(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("  A1")}));
    Select(QStringLiteral("A1")); // an entry's title may hold one
    FForm->Panel()->MissionView()->edit(Node(QStringLiteral("A1")));
    FinishLabelEdit(QStringLiteral("x]y"));
    QCOMPARE(ReadBytes(GameFile("combat", "mission.lst")),
             CrLf({"//", "[Alpha]", "//", "0", "a.tie", "x]y"}));
  }

  void newCampaignGoesToTheEndOfTheTopLevel() {
    OpenCombat(CrLf({"//", "[Alpha]", "//", "0", "a.tie", "A1"}));
    Select(QStringLiteral("A1"));
    Control<QAction>("mnuAddCampaign")->trigger();
    FinishLabelEdit(QStringLiteral("Beta Run"));
    QCOMPARE(Labels(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("  A1"),
                                    QStringLiteral("Beta Run")}));
    QCOMPARE(ReadBytes(GameFile("combat", "mission.lst")),
             CrLf({"//", "[Alpha]", "//", "0", "a.tie", "A1", "//", "[Beta Run]", "//"}));
  }

  // Escape on the label of anything new takes the whole addition back: no file, no history.
  void escapeTakesANewEntryBack() {
    fs::create_directories(FTemp->Path() / "Elsewhere");
    WriteBytes(FTemp->Path() / "Elsewhere" / "new.tie", "mission");
    const std::string before = test::Snapshot(FTemp->Path() / "Game");
    const struct {
      const char* Settings;
      const char* Selected;
      const char* Action;
    } additions[] = {{"MType=1\r\n", "Alpha", "mnuAddCampaign"},
                     {"MType=0\r\n", "Alpha", "mnuAddBattle"},
                     {"MType=0\r\n", "Alpha", "mInstallMission"},
                     {"MType=1\r\n", "Alpha", "mInstallMission"}};
    for (const auto& addition : additions) {
      StoreSettings(addition.Settings);
      Open();
      const QStringList labels = Labels();
      Select(QString::fromLatin1(addition.Selected));
      FPrompts.Files = {
          Chosen(std::string_view(addition.Action) == "mnuAddBattle" ? "B9.LST" : "new.tie")};
      Control<QAction>(addition.Action)->trigger();
      FinishLabelEdit(std::nullopt);
      QCOMPARE(Labels(), labels);
      WriteBack();
      QCOMPARE(test::Snapshot(FTemp->Path() / "Game"), before);
      QVERIFY(TGameHistory(FGame).Entries().empty());
    }
  }

  void dropsFollowTheMoveTable() {
    OpenCombat(CrLf({"//", "[Alpha]", "//", "0", "a.tie", "A1", "1", "b.tie", "A2", "//", "[Beta]",
                     "//", "2", "c.tie", "B1"}));
    Select(QStringLiteral("A2")); // onto a Campaign (one level up): its first child
    DropOn(QStringLiteral("Beta"));
    QCOMPARE(Labels(),
             (QStringList{QStringLiteral("Alpha"), QStringLiteral("  A1"), QStringLiteral("Beta"),
                          QStringLiteral("  A2"), QStringLiteral("  B1")}));
    Select(QStringLiteral("A1")); // onto an Engagement: just before it
    DropOn(QStringLiteral("B1"));
    QCOMPARE(Labels(),
             (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("  A2"),
                          QStringLiteral("  A1"), QStringLiteral("  B1")}));
    Select(QStringLiteral("Alpha")); // onto an Engagement of another Campaign: before that Campaign
    DropOn(QStringLiteral("B1"));
    QCOMPARE(Labels(),
             (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("  A2"),
                          QStringLiteral("  A1"), QStringLiteral("  B1")}));
    Select(QStringLiteral("Beta"));
    DropOn(QStringLiteral("Alpha")); // same kind: before it
    QCOMPARE(Labels(),
             (QStringList{QStringLiteral("Beta"), QStringLiteral("  A2"), QStringLiteral("  A1"),
                          QStringLiteral("  B1"), QStringLiteral("Alpha")}));
    Select(QStringLiteral("Beta"));
    DropOn(QStringLiteral("A1")); // onto its own child: stays
    QCOMPARE(Labels().first(), QStringLiteral("Beta"));
    WriteBack();
    QCOMPARE(ReadBytes(GameFile("combat", "mission.lst")),
             CrLf({"//", "[Beta]", "//", "1", "b.tie", "A2", "0", "a.tie", "A1", "2", "c.tie", "B1",
                   "//", "[Alpha]", "//"}));
  }

  // Move Up and Move Down (Ctrl+Up, Ctrl+Down): one place among the siblings, and from the edge
  // of a group into the group next to it, each move a command of its own; at the end of the
  // groups, or where a drop on the neighbour would not move, the status line says why and
  // nothing changes.
  void keyboardMovesFollowTheDropTable() {
    OpenCombat(CrLf({"0", "z.tie", "Z", "//", "[Alpha]", "//", "1", "a.tie", "A1", "2", "b.tie",
                     "A2", "//", "[Beta]", "//", "3", "c.tie", "B1"}));
    const struct {
      const char* Selected;
      Qt::Key Key;
      QStringList Labels;
      const char* Status; // when nothing moves
    } steps[] = {
        {"A1", Qt::Key_Down, {"Z", "Alpha", "  A2", "  A1", "Beta", "  B1"}, nullptr},
        {"A1", Qt::Key_Down, {"Z", "Alpha", "  A2", "Beta", "  A1", "  B1"}, nullptr},
        {"Alpha",
         Qt::Key_Up,
         {"Z", "Alpha", "  A2", "Beta", "  A1", "  B1"},
         " \"Alpha\" cannot move past \"Z\"."},
        {"Beta", Qt::Key_Up, {"Z", "Beta", "  A1", "  B1", "Alpha", "  A2"}, nullptr},
        {"A1",
         Qt::Key_Up,
         {"Z", "Beta", "  A1", "  B1", "Alpha", "  A2"},
         " \"A1\" is the first of its group already."},
        {"A2",
         Qt::Key_Down,
         {"Z", "Beta", "  A1", "  B1", "Alpha", "  A2"},
         " \"A2\" is the last of its group already."},
        {"A2", Qt::Key_Up, {"Z", "Beta", "  A1", "  B1", "  A2", "Alpha"}, nullptr},
    };
    QCOMPARE(Control<QAction>("mEditMoveUp")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Up")));
    QCOMPARE(Control<QAction>("mEditMoveDown")->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+Down")));
    for (const auto& step : steps) {
      Select(QString::fromLatin1(step.Selected));
      Control<QAction>(step.Key == Qt::Key_Up ? "mEditMoveUp" : "mEditMoveDown")->trigger();
      QCOMPARE(Labels(), step.Labels);
      QCOMPARE(FForm->Panel()->MissionView()->currentIndex().data().toString(),
               QString::fromLatin1(step.Selected));
      if (step.Status)
        QCOMPARE(Caption("ShowFileTitlePanel"), QString::fromLatin1(step.Status));
    }
    QCOMPARE(ReadBytes(GameFile("combat", "mission.lst")),
             CrLf({"0", "z.tie", "Z", "//", "[Beta]", "//", "1", "a.tie", "A1", "3", "c.tie", "B1",
                   "2", "b.tie", "A2", "//", "[Alpha]", "//"}));
    Q_EMIT Control<QMenu>("mEdit")->aboutToShow();
    QCOMPARE(Control<QAction>("mEditUndo")->text(), QStringLiteral("&Undo Move A2"));
  }

  void dropsAcrossBattleLevels() {
    WriteBytes(GameFile("battle", "mission.lst"),
               CrLf({"//", "[Outer Rim]", "//", "0", "b1.lst", "Strike One", "//", "[Inner Rim]",
                     "//", "1", "b2.lst", "Strike Two"}));
    StoreSettings("MType=0\r\n");
    Open();
    Select(QStringLiteral("Alpha")); // an Operation onto a War, two levels up: no move
    DropOn(QStringLiteral("Inner Rim"));
    QCOMPARE(Node(QStringLiteral("Alpha")).parent().data().toString(),
             QStringLiteral("Strike One"));
    Select(QStringLiteral("Alpha")); // onto another Operation: before it, in the other Battle
    DropOn(QStringLiteral("Delta"));
    QCOMPARE(Node(QStringLiteral("Alpha")).parent().data().toString(),
             QStringLiteral("Strike Two"));
    Select(QStringLiteral(
        "Strike Two")); // a Battle onto an Operation (one level down): before its Battle
    DropOn(QStringLiteral("Bravo"));
    QCOMPARE(Labels(), (QStringList{QStringLiteral("Outer Rim"), QStringLiteral("  Strike Two"),
                                    QStringLiteral("    Alpha"), QStringLiteral("    Delta"),
                                    QStringLiteral("    e.tie"), QStringLiteral("    f.tie"),
                                    QStringLiteral("  Strike One"), QStringLiteral("    Bravo"),
                                    QStringLiteral("    c.tie"), QStringLiteral("Inner Rim")}));
    Select(
        QStringLiteral("Inner Rim")); // a War onto an Operation (two levels down): before that War
    DropOn(QStringLiteral("Bravo"));
    QCOMPARE(Labels().first(), QStringLiteral("Inner Rim"));
    WriteBack();
    QCOMPARE(ReadBytes(GameFile("battle", "mission.lst")),
             CrLf({"//", "[Inner Rim]", "//", "//", "[Outer Rim]", "//", "1", "b2.lst",
                   "Strike Two", "0", "b1.lst", "Strike One"}));
    QCOMPARE(ReadBytes(GameFile("battle", "b2.lst")),
             CrLf({"4", "a.tie", "d.tie", "e.tie", "f.tie", "Third", "Fourth"}));
    QCOMPARE(ReadBytes(GameFile("battle", "b1.lst")),
             CrLf({"2", "b.tie", "c.tie", "First", "Second"}));
  }
};

int RunEditCommandsTest(int argc, char** argv) {
  TEditCommandsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "EditCommandsTest.moc"
