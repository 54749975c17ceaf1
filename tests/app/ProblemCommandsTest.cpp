// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FormFixture.h"

using namespace flightdeck;
using test::CrLf;
using test::ReadBytes;
using test::WriteBytes;

class TProblemCommandsTest : public QObject, protected test::TFormFixture {
  Q_OBJECT

  // Every mission file of the game is there but e.tie; the rebels list s.tie, missing too,
  // under a number Red holds already.
  void SetUpProblems() {
    for (const char* mission : {"a.tie", "b.tie", "c.tie", "d.tie", "f.tie", "r.tie"})
      WriteBytes(GameFile("combat", mission), test::Mission(mission));
    WriteBytes(GameFile("combat", "rebel.lst"),
               CrLf({"//", "[Rebel Run]", "//", "4", "r.tie", "Red", "4", "s.tie", "Sierra"}));
  }

  void ShowProblems() { Control<QAction>("mSearchProblems")->trigger(); }

private Q_SLOTS:
  void init() {
    SetUpGame();
    SetUpProblems();
  }
  void cleanup() { TearDownGame(); }

  void aMissingMissionIsMarkedAndTheProblemsViewGoesToAnEntryOnAnotherTab() {
    StoreSettings("MType=0\r\n");
    Open();
    const QModelIndex missing = Node(QStringLiteral("e.tie"));
    QVERIFY(!missing.data(Qt::DecorationRole).value<QIcon>().isNull());
    QVERIFY(
        missing.data(Qt::ToolTipRole)
            .toString()
            .startsWith(QStringLiteral("The mission file e.tie is not in the mission folder.")));
    QVERIFY(Node(QStringLiteral("Alpha")).data(Qt::ToolTipRole).toString().isEmpty());
    Select(QStringLiteral("e.tie"));
    QCOMPARE(Caption("ShowFileTitlePanel"),
             QStringLiteral("  Operation:  The mission file e.tie is not in the mission folder."));

    FPrompts.ProblemPicks = {{QStringLiteral("rebel.lst: Sierra")}};
    ShowProblems();
    QCOMPARE(FForm->Panel()->MissionType(), mtCombat);
    QCOMPARE(FForm->Panel()->Side(), gnRebel);
    QCOMPARE(FForm->Panel()->MissionView()->currentIndex().data().toString(),
             QStringLiteral("Sierra"));
    // The view listed the whole game, errors with their fixes.
    const std::vector<TProblemLine>& lines = FPrompts.ProblemViews.front();
    const auto sierra = std::find_if(lines.begin(), lines.end(), [](const TProblemLine& line) {
      return line.Place == QStringLiteral("combat/rebel.lst: Sierra") &&
             line.Severity == TSeverity::Error;
    });
    QVERIFY(sierra != lines.end());
    QCOMPARE(sierra->Fix, QStringLiteral("Remove Missing Missions"));
  }

  // A rename or a move takes its marks along without a check of the whole list: a rename
  // looks again only at the title of its entry.
  void theMarksFollowARenameAndAMove() {
    StoreSettings("MType=1\r\nGender=2\r\n");
    Open();
    const auto tip = [&](const char* label) {
      return Node(QString::fromLatin1(label)).data(Qt::ToolTipRole).toString();
    };
    QVERIFY(tip("Sierra").contains(QStringLiteral("s.tie")));
    FForm->Panel()->MissionModel()->setData(Node(QStringLiteral("Sierra")), QStringLiteral(" "));
    QCoreApplication::processEvents(); // its save
    QVERIFY(!FForm->Panel()->CheckingList());
    QCOMPARE(tip(" "), QStringLiteral("The mission file s.tie is not in the mission folder.\n"
                                      "The number 4 is used twice in this list.\n"
                                      "The title is empty."));
    FForm->Panel()->MissionModel()->setData(Node(QStringLiteral(" ")), QStringLiteral("Sierra"));
    QCoreApplication::processEvents();
    QVERIFY(!tip("Sierra").contains(QStringLiteral("title")));
    Select(QStringLiteral("Sierra"));
    Control<QAction>("mEditMoveUp")->trigger();
    QVERIFY(!FForm->Panel()->CheckingList());
    QCOMPARE(Labels(), (QStringList{QStringLiteral("Rebel Run"), QStringLiteral("  Sierra"),
                                    QStringLiteral("  Red")}));
    QVERIFY(tip("Sierra").contains(QStringLiteral("s.tie")));
  }

  // Each fix changes its file as said, is one entry of the history, and Undo takes it back.
  void eachFixIsMadeAndUndone_data() {
    QTest::addColumn<QString>("pick");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("fixed");
    QTest::newRow("line ends") << QStringLiteral("imperial.lst") << QStringLiteral("combat")
                               << QStringLiteral("imperial.lst")
                               << QByteArray("//\r\n[Imp]\r\n//\r\n0\r\na.tie\r\nAlpha\r\n");
    QTest::newRow("missing") << QStringLiteral("e.tie is not") << QStringLiteral("battle")
                             << QStringLiteral("b2.lst")
                             << QByteArray("2\r\nd.tie\r\nf.tie\r\nThird\r\nFourth\r\n");
    QTest::newRow("duplicates") << QStringLiteral("number 4") << QStringLiteral("combat")
                                << QStringLiteral("rebel.lst")
                                << QByteArray(CrLf({"//", "[Rebel Run]", "//", "4", "r.tie", "Red",
                                                    "0", "s.tie", "Sierra"})
                                                  .c_str());
  }
  void eachFixIsMadeAndUndone() {
    QFETCH(QString, pick);
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(QByteArray, fixed);
    WriteBytes(GameFile("combat", "imperial.lst"), "//\n[Imp]\n//\n0\na.tie\nAlpha\n");
    const auto path = GameFile(qPrintable(folder), qPrintable(file));
    const std::string before = ReadBytes(path);
    StoreSettings("MType=1\r\n");
    Open();
    FPrompts.ProblemPicks = {{pick, true}};
    ShowProblems();
    QCOMPARE(QByteArray::fromStdString(ReadBytes(path)), fixed);
    // The view opened again without the finding.
    QCOMPARE(FPrompts.ProblemViews.size(), 2u);
    for (const TProblemLine& line : FPrompts.ProblemViews.back())
      QVERIFY2(!line.Place.contains(pick) && !line.Text.contains(pick), qPrintable(line.Text));
    Control<QAction>("mEditUndo")->trigger();
    QCOMPARE(ReadBytes(path), before);
  }
};

int RunProblemCommandsTest(int argc, char** argv) {
  TProblemCommandsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ProblemCommandsTest.moc"
