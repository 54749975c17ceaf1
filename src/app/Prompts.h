// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/PackageItem.h"
#include "services/CatalogueCheck.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

namespace flightdeck {

class TFolderBrowseDlg;

enum class TMessageButtons { Ok, YesNo };
enum class TMessageIcon { Information, Warning };

// The file-open dialog as a command prepares it. Filter is "description|patterns|...".
struct TOpenDialogRequest {
  QString InitialDir;
  QString Title;
  QString Filter;
  QString DefaultExt;
  bool MustExist = true; // false: a name that does not exist yet may be typed
};
enum class TMessageResult { Ok, Yes, No };

// One finding as the Problems view lists it.
struct TProblemLine {
  TSeverity Severity = TSeverity::Error;
  QString Place; // the list and the entry
  QString Text;  // the finding in words
  QString Fix;   // what the button of its fix says; empty when there is none
};
// What the user did in the Problems view: the line to show, or to fix; -1 for none.
struct TProblemChoice {
  int Line = -1;
  bool Fix = false;
};

// Where a pack goes: a category, and a side of it.
struct TPackTarget {
  TMissionType Type = mtCombat;
  TGender Side = gnNeutral;
  bool operator==(const TPackTarget&) const = default;
};
// What installing a pack into a target would change, a line each, and whether it can go in;
// when it is another copy or version of a pack installed already, which one, in words; and what
// the pack says about itself.
struct TPackPlanLines {
  QStringList Lines;
  bool Installable = false;
  QString Installed;
  QString Readme;
};
// The user's answer to a pack's plan: Install (beside the one installed already, if any), or
// Replace the one installed already with it.
enum class TPackAnswer { Cancel, Install, Replace };

// An installed pack as the Installed Packs view lists it.
struct TInstalledPackLine {
  QString Pack;
  QString Installed; // when, in the user's time
  QString Category;  // and sides
  QString Groups;
  int Missions = 0;
  QString State;
  QString Readme; // what the pack says about itself
  bool Removable = false;
};

// Every message box and dialog the window shows goes through here, so tests can answer them.
class TPrompts {
public:
  virtual ~TPrompts() = default;

  // A message box with the given caption; Ok, or the user's Yes or No. Errors carry the
  // warning icon.
  virtual TMessageResult Message(const QString& caption, const QString& text,
                                 TMessageButtons buttons,
                                 TMessageIcon icon = TMessageIcon::Information) = 0;
  // A message captioned with the program's title, with OK; a question with Yes and No, true
  // for Yes.
  void Tell(const QString& text);
  bool Ask(const QString& caption, const QString& text);
  // Runs the folder dialog; true when the user confirmed a folder.
  virtual bool ExecuteFolderDialog(TFolderBrowseDlg& dialog) = 0;
  // The chosen file's path, or empty when the dialog was cancelled.
  virtual QString OpenFile(const TOpenDialogRequest& request) = 0;
  // Shows the entries of a pack about to be built, whose titles the user may edit; false when
  // the build is cancelled.
  virtual bool EditPackList(std::vector<TPackageItem>& items) = 0;
  // The About box, with a link to the demo game at `demoGame`: true when the user chose to open
  // the demo game.
  virtual bool ShowAbout(const QString& demoGame) = 0;
  // The Mission view: what the mission file `file` tells of itself, a line each; read only.
  virtual void ShowMission(const QString& file, const QStringList& lines) = 0;
  // Opens the document at `path` (the manual) in the desktop's viewer for it; tells the user
  // when there is none, or nothing to open it with.
  virtual void OpenDocument(const QString& path) = 0;
  // Asks for the text to find, offering `previous`; empty when cancelled.
  virtual QString AskFindText(const QString& previous) = 0;
  // Offers the games found: the index of the one taken, games.size() for "another folder",
  // -1 when cancelled.
  virtual int ChooseGame(const QStringList& games) = 0;
  // Shows the history of the game, newest first: the index of the entry to undo, -1 for none.
  virtual int ChooseHistoryEntry(const QStringList& entries) = 0;
  // Shows what installing the pack into `target` will do, as `plan` tells it, with a choice of
  // the category and side, for which `plan` is asked again; true to install it into `target`,
  // as chosen last.
  virtual TPackAnswer
  ConfirmPackPlan(const QString& pack, TPackTarget& target,
                  const std::function<TPackPlanLines(const TPackTarget&)>& plan) = 0;
  // The Installed Packs view, newest first: the index of the pack to take out, -1 for none.
  virtual int ChooseInstalledPack(const std::vector<TInstalledPackLine>& packs) = 0;
  // The Problems view: the findings of the check of the game, with the fix offered for each.
  virtual TProblemChoice ChooseProblem(const std::vector<TProblemLine>& lines) = 0;
};

// The real dialogs, owned by `parent`.
class TDialogPrompts : public TPrompts {
  Q_DECLARE_TR_FUNCTIONS(TDialogPrompts)

public:
  explicit TDialogPrompts(QWidget* parent = nullptr) : FParent(parent) {}
  void SetParent(QWidget* parent) { FParent = parent; }

  TMessageResult Message(const QString& caption, const QString& text, TMessageButtons buttons,
                         TMessageIcon icon = TMessageIcon::Information) override;
  bool ExecuteFolderDialog(TFolderBrowseDlg& dialog) override;
  QString OpenFile(const TOpenDialogRequest& request) override;
  bool EditPackList(std::vector<TPackageItem>& items) override;
  bool ShowAbout(const QString& demoGame) override;
  void ShowMission(const QString& file, const QStringList& lines) override;
  void OpenDocument(const QString& path) override;
  QString AskFindText(const QString& previous) override;
  int ChooseGame(const QStringList& games) override;
  int ChooseHistoryEntry(const QStringList& entries) override;
  TPackAnswer
  ConfirmPackPlan(const QString& pack, TPackTarget& target,
                  const std::function<TPackPlanLines(const TPackTarget&)>& plan) override;
  int ChooseInstalledPack(const std::vector<TInstalledPackLine>& packs) override;
  TProblemChoice ChooseProblem(const std::vector<TProblemLine>& lines) override;

private:
  QWidget* FParent;
};

} // namespace flightdeck
