// SPDX-License-Identifier: GPL-3.0-or-later
// The window and its dialogs in another language and to a screen reader.

#include "app/AboutBox.h"
#include "app/CoreText.h"
#include "app/FindingWords.h"
#include "app/PackDialog.h"
#include "app/ProblemsDialog.h"
#include "app/Translations.h"
#include "services/GameFinder.h"
#include "support/FormFixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <functional>

using namespace flightdeck;
namespace fs = std::filesystem;

namespace {

// "&Open" as it reads.
QString Plain(QString text) {
  return text.remove(QLatin1Char('&')).trimmed();
}

// Every English text of the window that the German translation changes, as a pattern in which
// a placeholder stands for anything.
std::vector<QRegularExpression> EnglishTexts() {
  QFile file(QStringLiteral(FLIGHTDECK_SOURCE_TREE "/translations/flightdeck_de.ts"));
  if (!file.open(QIODevice::ReadOnly))
    qFatal("the German translation cannot be read");
  std::vector<QRegularExpression> texts;
  QXmlStreamReader xml(&file);
  QString source;
  while (xml.readNextStartElement() || !xml.atEnd()) {
    if (xml.name() == QLatin1String("source"))
      source = Plain(xml.readElementText());
    else if (xml.name() == QLatin1String("translation") && Plain(xml.readElementText()) != source &&
             source.size() > 1)
      texts.emplace_back(
          QRegularExpression::anchoredPattern(QRegularExpression::escape(source).replace(
              QRegularExpression(QStringLiteral("%\\d")), QStringLiteral(".*"))));
  }
  return texts;
}

// What `window` shows or tells in words: captions, hints, headers, items and its actions'.
QStringList TextsOf(QWidget* window) {
  QStringList texts{window->windowTitle()};
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets << window;
  for (QWidget* widget : widgets) {
    texts << widget->toolTip() << widget->statusTip() << widget->accessibleName();
    if (auto* label = qobject_cast<QLabel*>(widget))
      texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
      texts << button->text();
    if (auto* button = qobject_cast<TFlatSpeedButton*>(widget))
      texts << button->Caption();
    if (auto* panel = qobject_cast<TBevelPanel*>(widget))
      texts << panel->Caption();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
      texts << edit->placeholderText();
    if (auto* tabs = qobject_cast<QTabBar*>(widget))
      for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    if (auto* box = qobject_cast<QComboBox*>(widget))
      for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    if (auto* header = qobject_cast<QHeaderView*>(widget))
      for (int i = 0; i < header->count(); ++i)
        texts << header->model()->headerData(i, header->orientation()).toString();
    if (auto* menu = qobject_cast<QMenu*>(widget))
      texts << menu->title();
  }
  for (const QAction* action : window->findChildren<QAction*>())
    texts << action->text() << action->statusTip() << action->toolTip();
  return texts;
}

// Each control a user reaches with the mouse or the keyboard, as a screen reader finds it:
// those without a name or a role.
QStringList UnnamedControls(QWidget* window) {
  QStringList unnamed;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    const bool control = widget->focusPolicy() != Qt::NoFocus ||
                         qobject_cast<QAbstractButton*>(widget) ||
                         qobject_cast<TFlatSpeedButton*>(widget);
    if (!control || !widget->isVisibleTo(window))
      continue;
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(widget);
    if (!found || found->text(QAccessible::Name).trimmed().isEmpty() ||
        found->role() == QAccessible::NoRole || found->role() == QAccessible::Client)
      unnamed << widget->metaObject()->className() + QStringLiteral(" ") + widget->objectName();
  }
  return unnamed;
}

} // namespace

class TReachTest : public QObject, protected test::TFormFixture {
  Q_OBJECT

  // Shows the main window and each dialog in turn, with what it lists, and hands each to
  // `check` while it is open.
  void ForEachWindow(const std::function<void(QWidget*)>& check) {
    StoreSettings("MType=1\r\n");
    Open();
    Select(QStringLiteral("Alpha"));
    check(FForm.get());

    TixoPackDialog pack({{likBattle, "b1.lst", "Strike One", "", "", ""},
                         {likOperation, "a.tie", "Alpha", "", "", ""}},
                        FForm.get());
    pack.show();
    check(&pack);

    TFinding missing;
    missing.File = "a.tie";
    TProblemsDialog problems(
        {{TSeverity::Error, QStringLiteral("BATTLE/B1.LST: Alpha"), FindingWords(missing), {}}},
        FForm.get());
    problems.show();
    check(&problems);

    TixoAboutBox about(DemoGamePath(), FForm.get());
    about.show();
    check(&about);

    // The folder dialog as the window sets it up, while it runs.
    FPrompts.OnFolderDialog = [&](TFolderBrowseDlg& dialog) {
      QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        QVERIFY(shown);
        check(shown);
        qobject_cast<QDialog*>(shown)->reject();
      });
      dialog.Execute();
    };
    Control<QAction>("mFileSetXvTDirectory")->trigger();
    FPrompts.OnFolderDialog = {};
  }

private Q_SLOTS:
  void init() { SetUpGame(); }
  void cleanup() {
    ShowInLanguage(QLocale(QLocale::English));
    TearDownGame();
  }

  void inGermanNoEnglishTextIsLeft() {
    ShowInLanguage(QLocale(QLocale::German, QLocale::Germany));
    const std::vector<QRegularExpression> english = EnglishTexts();
    QVERIFY(english.size() > 200);
    int windows = 0;
    ForEachWindow([&](QWidget* window) {
      ++windows;
      for (const QString& text : TextsOf(window))
        for (const QRegularExpression& pattern : english)
          QVERIFY2(!pattern.match(Plain(text)).hasMatch(),
                   qPrintable(window->objectName() + QStringLiteral(": ") + text));
    });
    QCOMPARE(windows, 5);
    // The first start's word of where it looked, on every host.
    QVERIFY(CoreText("Place", GamePlacesSearched()) != QString::fromUtf8(GamePlacesSearched()));
  }

  // In every language each menu of the menu bar, and each command of a menu, has an Alt letter
  // of its own.
  void everyMenuAndCommandHasItsOwnAltLetter() {
    for (const QLocale::Language language : {QLocale::English, QLocale::German, QLocale::French}) {
      ShowInLanguage(QLocale(language));
      StoreSettings("MType=0\r\n");
      Open();
      const auto letters = [&](const QList<QAction*>& actions) {
        QStringList taken;
        for (const QAction* action : actions) {
          if (action->isSeparator() || !action->isVisible())
            continue;
          const qsizetype amp = action->text().indexOf(QLatin1Char('&'));
          QVERIFY2(amp >= 0 && amp + 1 < action->text().size(), qPrintable(action->text()));
          const QString letter = action->text().mid(amp + 1, 1).toLower();
          QVERIFY2(!taken.contains(letter), qPrintable(action->text()));
          taken << letter;
        }
      };
      letters(FForm->menuBar()->actions());
      for (const QAction* menu : FForm->menuBar()->actions())
        letters(menu->menu()->actions());
    }
  }

  void aScreenReaderFindsEveryControlAndReadsTheStatusLine() {
    ForEachWindow([&](QWidget* window) {
      const QStringList unnamed = UnnamedControls(window);
      QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    });
    // The tree's entries read as their labels and kinds, and the side buttons as checked or not.
    QAccessibleInterface* tree =
        QAccessible::queryAccessibleInterface(FForm->Panel()->MissionView());
    QAccessibleInterface* group = tree->tableInterface()->cellAt(0, 0);
    QVERIFY(group);
    QCOMPARE(group->text(QAccessible::Name), QStringLiteral("Outer Rim"));
    QCOMPARE(group->text(QAccessible::Description), QStringLiteral("Campaign"));
    QAccessibleInterface* rebel =
        QAccessible::queryAccessibleInterface(Control<TFlatSpeedButton>("GenderRebelBtn"));
    QCOMPARE(rebel->role(), QAccessible::Button);
    QVERIFY(rebel->state().checkable && !rebel->state().checked);
    rebel->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(FForm->Panel()->Side(), gnRebel);
    QVERIFY(rebel->state().checked);

    // The status line reads as what it says now.
    Control<QAction>("mEditMoveUp")->trigger();
    QAccessibleInterface* status =
        QAccessible::queryAccessibleInterface(Control<TBevelPanel>("ShowFileTitlePanel"));
    QCOMPARE(status->role(), QAccessible::StaticText);
    QVERIFY(
        status->text(QAccessible::Name).endsWith(QStringLiteral("first of its group already.")));
  }
};

int RunReachTest(int argc, char** argv) {
  TReachTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ReachTest.moc"
