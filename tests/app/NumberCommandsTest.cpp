// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FormFixture.h"

using namespace flightdeck;
using test::CrLf;
using test::ReadBytes;

class TNumberCommandsTest : public QObject, protected test::TFormFixture {
  Q_OBJECT

  QLineEdit* NumberBox() const { return Control<QLineEdit>("MissionNumberEB"); }

  // Types `text` into the number box of the selected entry and presses Enter.
  void TypeNumber(const QString& text) {
    NumberBox()->setFocus();
    QVERIFY(NumberBox()->hasFocus());
    NumberBox()->selectAll();
    QTest::keyClick(NumberBox(), Qt::Key_Delete);
    QTest::keyClicks(NumberBox(), text);
    QTest::keyClick(NumberBox(), Qt::Key_Return);
  }

private Q_SLOTS:
  void init() {
    SetUpGame();
    StoreSettings("MType=1\r\n");
    Open();
  }
  void cleanup() { TearDownGame(); }

  void clashAnsweredNoThenYes() {
    Select(QStringLiteral("Alpha"));
    QCOMPARE(NumberBox()->displayText().trimmed(), QStringLiteral("0"));
    const QString question =
        QStringLiteral("Confirm: \"Delta\" is presently using this number.  Would you like to "
                       "assign the next available number (2) "
                       "to \"Delta\", and then assign the number (3) to \"Alpha\"?");

    FPrompts.Answers = {TMessageResult::No};
    TypeNumber(QStringLiteral("3"));
    QCOMPARE(FPrompts.Messages, QStringList{question});
    QVERIFY(FForm->Panel()->MissionView()->hasFocus());
    QCOMPARE(NumberBox()->displayText().trimmed(), QStringLiteral("0"));
    WriteBack();
    QCOMPARE(ReadBytes(GameFile("combat", "mission.lst")),
             CrLf({"//", "[Outer Rim]", "//", "0", "a.tie", "Alpha", "1", "B.TIE", "Bravo", "3",
                   "d.tie", "Delta"}));

    Select(QStringLiteral("Alpha"));
    FPrompts.Answers = {TMessageResult::Yes};
    TypeNumber(QStringLiteral("3"));
    QCOMPARE(FPrompts.Messages.last(), question);
    QCOMPARE(NumberBox()->displayText().trimmed(), QStringLiteral("3"));
    WriteBack();
    QCOMPARE(ReadBytes(GameFile("combat", "mission.lst")),
             CrLf({"//", "[Outer Rim]", "//", "3", "a.tie", "Alpha", "1", "B.TIE", "Bravo", "2",
                   "d.tie", "Delta"}));
  }

  void enterAppliesTheNumberAsTyped() {
    Select(QStringLiteral("Bravo"));
    QCOMPARE(Control<TFlatSpeedButton>("ShowNextNumberButton")->Caption(),
             QStringLiteral("Next #: 2"));
    TypeNumber(QStringLiteral("4 2"));
    QVERIFY(FPrompts.Messages.isEmpty());
    QCOMPARE(NumberBox()->displayText().trimmed(), QStringLiteral("4"));
    // The number Bravo gave up is the next free one now.
    QCOMPARE(Control<TFlatSpeedButton>("ShowNextNumberButton")->Caption(),
             QStringLiteral("Next #: 1"));
    TypeNumber(QString()); // no digit: the number stays
    QCOMPARE(NumberBox()->displayText().trimmed(), QStringLiteral("4"));
    TypeNumber(QStringLiteral("4")); // its own number asks nothing
    QVERIFY(FPrompts.Messages.isEmpty());
    WriteBack();
    QCOMPARE(ReadBytes(GameFile("combat", "mission.lst")),
             CrLf({"//", "[Outer Rim]", "//", "0", "a.tie", "Alpha", "4", "B.TIE", "Bravo", "3",
                   "d.tie", "Delta"}));
  }

  void numbersBeyondFourDigitsAreShownWholeAndKept() {
    std::string list = CrLf({"//", "[Many]", "//"});
    for (int number = 0; number < 19800; ++number)
      list += CrLf({std::to_string(number), "m.tie", "M" + std::to_string(number)});
    list += CrLf({"-5", "n.tie", "Negative"});
    test::WriteBytes(GameFile("combat", "mission.lst"), list);
    Open();
    auto* next = Control<TFlatSpeedButton>("ShowNextNumberButton");
    for (const char* label : {"M19799", "Negative"}) {
      Select(QString::fromLatin1(label));
      const QString shown = QString::number(
          TMissionModel::NodeOf(FForm->Panel()->MissionView()->currentIndex())->Record.Number);
      QCOMPARE(NumberBox()->displayText(), shown);
      QVERIFY(NumberBox()->contentsRect().width() >=
              NumberBox()->fontMetrics().horizontalAdvance(shown));
      QCOMPARE(next->Caption(), QStringLiteral("Next #: 19800"));
      QVERIFY(next->width() > next->fontMetrics().horizontalAdvance(next->Caption()));
      NumberBox()->setFocus();
      FForm->Panel()->MissionView()->setFocus(); // leaving the box as it is keeps the number
    }
    QCOMPARE(ReadBytes(GameFile("combat", "mission.lst")), list);
  }

  void nextNumberButtonReportsOnlyWhenClicked() {
    Select(QStringLiteral("Delta"));
    QCOMPARE(Control<TFlatSpeedButton>("ShowNextNumberButton")->Caption(),
             QStringLiteral("Next #: 2"));
    QVERIFY(FPrompts.Messages.isEmpty());
    Click("ShowNextNumberButton");
    QCOMPARE(FPrompts.Messages,
             QStringList{QStringLiteral("Ixo Kit: The next available mission number is 2")});
    ClickTab(0);
    Select(QStringLiteral("Strike Two"));
    Click("ShowNextNumberButton");
    QCOMPARE(FPrompts.Messages.last(),
             QStringLiteral("Ixo Kit: The next available battle number is 2"));
  }
};

int RunNumberCommandsTest(int argc, char** argv) {
  TNumberCommandsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "NumberCommandsTest.moc"
