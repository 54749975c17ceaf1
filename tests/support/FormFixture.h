// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Application.h"
#include "app/TixoFlightdeckForm.h"
#include "support/MissionWriter.h"
#include "support/PackFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"
#include "widgets/BevelPanel.h"
#include "widgets/FlatSpeedButton.h"
#include "widgets/PathText.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QTreeView>

#include <memory>

namespace flightdeck::test {

// A game directory in a temporary folder, a settings file naming it, and the main window on
// top with scripted prompts. The game holds one War of two Battles with three Operations each
// and a neutral Combat list that titles some of them.
class TFormFixture {
protected:
  std::unique_ptr<TTempDir> FTemp;
  std::string FGame; // as the program stores it: as chosen, with a trailing separator
  TScriptedPrompts FPrompts;
  std::unique_ptr<TixoFlightdeckForm> FForm;
  // The demo game and where it is copied to be tried on, where a test sets them.
  std::optional<std::pair<QString, QString>> FDemoGame;

  void SetUpGame() {
    FTemp = std::make_unique<TTempDir>();
    FGame = MakeGameDirectory(FTemp->Path() / "Game");
    FPrompts = TScriptedPrompts();
    FDemoGame.reset();
    WriteBytes(GameFile("battle", "mission.lst"),
               CrLf({"//", "[Outer Rim]", "//", "0", "b1.lst", "Strike One", "1", "b2.lst",
                     "Strike Two"}));
    WriteBytes(GameFile("battle", "b1.lst"),
               CrLf({"3", "a.tie", "b.tie", "c.tie", "First", "Second"}));
    WriteBytes(GameFile("battle", "b2.lst"),
               CrLf({"3", "d.tie", "e.tie", "f.tie", "Third", "Fourth"}));
    WriteBytes(GameFile("combat", "mission.lst"),
               CrLf({"//", "[Outer Rim]", "//", "0", "a.tie", "Alpha", "1", "B.TIE", "Bravo", "3",
                     "d.tie", "Delta"}));
    WriteBytes(GameFile("combat", "rebel.lst"),
               CrLf({"//", "[Rebel Run]", "//", "4", "r.tie", "Red"}));
  }

  void TearDownGame() {
    FForm.reset();
    TixoApplication::Instance()->SetPrompts(nullptr);
    FTemp.reset();
  }

  std::filesystem::path Settings() const { return FTemp->Path() / "flightdeck.ini"; }
  std::filesystem::path GameFile(const char* folder, const char* name) const {
    return FTemp->Path() / "Game" / folder / test::Utf8Path(name);
  }
  // dark.ixo beside the game: a war of one battle with three operations (BattlePackScript);
  // its path.
  QString MakeDarkPack() const {
    MakePack(FTemp->Path() / "dark.ixo", {{"dark.mcl", BattlePackScript()},
                                          {"d1.tie", Mission("1")},
                                          {"d2.tie", Mission("2")},
                                          {"d3.tie", Mission("3")}});
    return QString::fromStdString((FTemp->Path() / "dark.ixo").string());
  }

  void StoreSettings(const std::string& keys) {
    WriteBytes(Settings(), "[IxoKit]\r\nMPath=" + FGame + "\r\n" + keys);
  }

  // The window, shown and active so that focus and layout behave as for a user.
  TixoFlightdeckForm& Open() {
    TFormEnvironment environment{QString::fromStdString(Settings().string()), &FPrompts,
                                 QString::fromStdString(FTemp->Path().string())};
    if (FDemoGame)
      std::tie(environment.DemoGame, environment.DemoGameCopy) = *FDemoGame;
    FForm = std::make_unique<TixoFlightdeckForm>(environment);
    TixoApplication::Instance()->SetPrompts(&FPrompts);
    FForm->show();
    FForm->activateWindow();
    if (!QTest::qWaitForWindowActive(FForm.get()))
      qWarning("the window did not become active");
    WaitForCheck();
    return *FForm;
  }

  // The check of the list shown has marked its entries.
  void WaitForCheck() const {
    if (!QTest::qWaitFor([&] { return !FForm->Panel()->CheckingList(); }))
      qWarning("the check of the list did not end");
  }

  template <typename T>
  T* Control(const char* name) const {
    T* control = FForm->findChild<T*>(QString::fromLatin1(name));
    if (!control)
      qFatal("no control %s", name);
    return control;
  }
  QString Caption(const char* name) const { return Control<TBevelPanel>(name)->Caption(); }

  // Each node's label, indented by two blanks a level, as the view's model gives them.
  QStringList Labels() const {
    QStringList labels;
    AddLabels(FForm->Panel()->MissionView()->model(), {}, 0, labels);
    return labels;
  }
  static void AddLabels(const QAbstractItemModel* model, const QModelIndex& parent, int level,
                        QStringList& labels) {
    for (int row = 0; row < model->rowCount(parent); ++row) {
      const QModelIndex node = model->index(row, 0, parent);
      if (node.parent() != parent)
        qFatal("the model gives %s the wrong parent", qPrintable(node.data().toString()));
      labels << QString(2 * level, QLatin1Char(' ')) + node.data().toString();
      AddLabels(model, node, level + 1, labels);
    }
  }
  QModelIndex Node(const QString& label) const {
    const QAbstractItemModel* model = FForm->Panel()->MissionView()->model();
    const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, label, 1,
                                               Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty())
      qFatal("no node %s", qPrintable(label));
    return found.front();
  }
  void Select(const QString& label) { FForm->Panel()->MissionView()->setCurrentIndex(Node(label)); }

  void ClickTab(int index) {
    QTabBar* tabs = Control<QTabBar>("MissionTypeTabSet");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
  }
  void Click(const char* button) {
    QTest::mouseClick(Control<TFlatSpeedButton>(button), Qt::LeftButton);
  }

  // Finishes the label edit that a command opened: Enter with `text`, or Escape.
  void FinishLabelEdit(const std::optional<QString>& text) {
    const TMissionView* view = FForm->Panel()->MissionView();
    auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(view->currentIndex()));
    if (!editor)
      qFatal("no label editor is open");
    if (text) {
      editor->setText(*text);
      QTest::keyClick(editor, Qt::Key_Return);
    } else {
      QTest::keyClick(editor, Qt::Key_Escape);
    }
    // The item view commits and closes its editor through queued calls, and the window saves
    // through one more.
    for (int round = 0; round < 3; ++round)
      QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // Writes the tree back the way a user can: pressing the side button already down.
  void WriteBack() { Click("GenderNeutralBtn"); }
};

} // namespace flightdeck::test
