// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Prompts.h"

#include "app/Application.h"

#include "app/AboutBox.h"
#include "app/CoreText.h"
#include "app/InstalledPacksDialog.h"
#include "app/PackDialog.h"
#include "app/ProblemsDialog.h"
#include "widgets/FolderBrowseDlg.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUrl>
#include <QVBoxLayout>

namespace flightdeck {

void TPrompts::Tell(const QString& text) {
  Message(ApplicationTitle, text, TMessageButtons::Ok);
}

bool TPrompts::Ask(const QString& caption, const QString& text) {
  return Message(caption, text, TMessageButtons::YesNo) == TMessageResult::Yes;
}

TMessageResult TDialogPrompts::Message(const QString& caption, const QString& text,
                                       TMessageButtons buttons, TMessageIcon icon) {
  // The buttons are named here, so that they speak the window's language on every system.
  if (buttons == TMessageButtons::Ok) {
    QMessageBox box(icon == TMessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    caption, text, QMessageBox::Ok, FParent);
    box.button(QMessageBox::Ok)->setText(tr("OK"));
    box.exec();
    return TMessageResult::Ok;
  }
  QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                  FParent);
  box.button(QMessageBox::Yes)->setText(tr("&Yes"));
  box.button(QMessageBox::No)->setText(tr("&No"));
  return box.exec() == QMessageBox::Yes ? TMessageResult::Yes : TMessageResult::No;
}

bool TDialogPrompts::ExecuteFolderDialog(TFolderBrowseDlg& dialog) {
  return dialog.Execute();
}

namespace {

// "Text files (*.txt)|*.txt|All|*.*" as Qt writes it: "Text files (*.txt);;All (*.*)".
QString QtFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << (parts[i].contains(QLatin1Char('('))
                    ? parts[i]
                    : parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
  }
  return filters.join(QStringLiteral(";;"));
}

} // namespace

QString TDialogPrompts::OpenFile(const TOpenDialogRequest& request) {
  QFileDialog dialog(FParent, request.Title, request.InitialDir, QtFilter(request.Filter));
  // A file that need not exist is one to save: the button says Save, and the command itself
  // asks before anything is replaced.
  dialog.setAcceptMode(request.MustExist ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setFileMode(request.MustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.DefaultExt);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return QDir::toNativeSeparators(dialog.selectedFiles().front());
}

bool TDialogPrompts::EditPackList(std::vector<TPackageItem>& items) {
  TixoPackDialog dialog(items, FParent);
  if (dialog.exec() != QDialog::Accepted)
    return false;
  dialog.ApplyTitles(items);
  return true;
}

void TDialogPrompts::OpenDocument(const QString& path) {
  if (path.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
    Tell(path.isEmpty()
             ? tr("The manual (README.md) is not installed with this copy of "
                  "Flightdeck.")
             : tr("Nothing on this system opens \"%1\".").arg(QDir::toNativeSeparators(path)));
}

bool TDialogPrompts::ShowAbout(const QString& demoGame) {
  TixoAboutBox about(demoGame, FParent);
  about.exec();
  return about.DemoGameChosen();
}

void TDialogPrompts::ShowMission(const QString& file, const QStringList& lines) {
  QDialog dialog(FParent);
  dialog.setObjectName(QStringLiteral("MissionDialog"));
  dialog.setWindowTitle(tr("Mission %1").arg(file));
  auto* layout = new QVBoxLayout(&dialog);
  auto* text = new QPlainTextEdit(lines.join(QLatin1Char('\n')), &dialog);
  text->setReadOnly(true);
  text->setAccessibleName(tr("Mission"));
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.resize(420, 320);
  dialog.exec();
}

QString TDialogPrompts::AskFindText(const QString& previous) {
  QInputDialog dialog(FParent);
  dialog.setWindowTitle(tr("Find"));
  dialog.setLabelText(tr("Title or mission file name:"));
  dialog.setTextValue(previous);
  dialog.setOkButtonText(tr("OK"));
  dialog.setCancelButtonText(tr("Cancel"));
  return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

int TDialogPrompts::ChooseHistoryEntry(const QStringList& entries) {
  QInputDialog dialog(FParent);
  dialog.setWindowTitle(tr("History"));
  dialog.setLabelText(entries.isEmpty() ? tr("Flightdeck has changed nothing in this game yet.")
                                        : tr("What Flightdeck changed in this game, newest "
                                             "first. Undo takes back the chosen change."));
  dialog.setComboBoxItems(entries);
  dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
  dialog.setOkButtonText(tr("&Undo"));
  dialog.setCancelButtonText(tr("Close"));
  if (entries.isEmpty() || dialog.exec() != QDialog::Accepted)
    return -1;
  return static_cast<int>(entries.indexOf(dialog.textValue()));
}

TPackAnswer
TDialogPrompts::ConfirmPackPlan(const QString& pack, TPackTarget& target,
                                const std::function<TPackPlanLines(const TPackTarget&)>& plan) {
  QDialog dialog(FParent);
  dialog.setWindowTitle(tr("Install %1").arg(pack));
  auto* layout = new QVBoxLayout(&dialog);
  // A pack does not say where it belongs: the user may send it elsewhere.
  auto* where = new QHBoxLayout;
  auto* category = new QComboBox(&dialog);
  category->setObjectName(QStringLiteral("PackCategory"));
  for (int type = mtBattles; type <= mtTraining; ++type)
    category->addItem(CategoryName(static_cast<TMissionType>(type)));
  auto* side = new QComboBox(&dialog);
  side->setObjectName(QStringLiteral("PackSide"));
  for (int each = gnNeutral; each <= gnImperial; ++each)
    side->addItem(SideName(static_cast<TGender>(each)));
  for (const auto& [caption, box] :
       {std::pair{tr("&Category:"), category}, std::pair{tr("&Side:"), side}}) {
    auto* label = new QLabel(caption, &dialog);
    label->setBuddy(box);
    where->addWidget(label);
    where->addWidget(box, 1);
  }
  layout->addLayout(where);
  layout->addWidget(new QLabel(
      tr("Installing the pack will make these changes. Edit > Undo takes them back."), &dialog));
  auto* list = new QListWidget(&dialog);
  list->setObjectName(QStringLiteral("PackPlan"));
  layout->addWidget(list);
  auto* readme = new QPlainTextEdit(&dialog);
  readme->setObjectName(QStringLiteral("PackReadme"));
  readme->setAccessibleName(tr("What the pack says about itself"));
  readme->setReadOnly(true);
  readme->setMaximumHeight(readme->fontMetrics().lineSpacing() * 6);
  layout->addWidget(readme);
  auto* installed = new QLabel(&dialog);
  installed->setObjectName(QStringLiteral("PackInstalled"));
  installed->setWordWrap(true);
  layout->addWidget(installed);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  QPushButton* replace = buttons->addButton(tr("&Replace"), QDialogButtonBox::AcceptRole);
  QPushButton* install = buttons->addButton(tr("&Install"), QDialogButtonBox::AcceptRole);
  install->setDefault(true);
  TPackAnswer answer = TPackAnswer::Cancel;
  QObject::connect(replace, &QPushButton::clicked, &dialog, [&] {
    answer = TPackAnswer::Replace;
    dialog.accept();
  });
  QObject::connect(install, &QPushButton::clicked, &dialog, [&] {
    answer = TPackAnswer::Install;
    dialog.accept();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);

  category->setCurrentIndex(target.Type);
  side->setCurrentIndex(target.Side - gnNeutral);
  const auto redraw = [&] {
    target.Type = static_cast<TMissionType>(category->currentIndex());
    if (IsNeutralOnly(target.Type)) {
      const QSignalBlocker quiet(side);
      side->setCurrentIndex(0);
    }
    side->setEnabled(!IsNeutralOnly(target.Type));
    target.Side = static_cast<TGender>(gnNeutral + side->currentIndex());
    dialog.setEnabled(false); // nothing chosen meanwhile
    const TPackPlanLines lines = plan(target);
    dialog.setEnabled(true);
    list->clear();
    list->addItems(lines.Lines);
    readme->setPlainText(lines.Readme);
    readme->setVisible(!lines.Readme.isEmpty());
    // Another copy or version of a pack installed: it replaces that one, or goes beside it.
    installed->setText(lines.Installed);
    installed->setVisible(!lines.Installed.isEmpty());
    replace->setVisible(!lines.Installed.isEmpty());
    install->setText(lines.Installed.isEmpty() ? tr("&Install") : tr("Install &Again"));
    replace->setEnabled(lines.Installable);
    install->setEnabled(lines.Installable);
  };
  redraw();
  QObject::connect(category, &QComboBox::currentIndexChanged, &dialog, redraw);
  QObject::connect(side, &QComboBox::currentIndexChanged, &dialog, redraw);
  dialog.resize(520, 360);
  return dialog.exec() == QDialog::Accepted ? answer : TPackAnswer::Cancel;
}

int TDialogPrompts::ChooseInstalledPack(const std::vector<TInstalledPackLine>& packs) {
  TInstalledPacksDialog dialog(packs, FParent);
  return dialog.exec() == QDialog::Accepted ? dialog.Chosen() : -1;
}

TProblemChoice TDialogPrompts::ChooseProblem(const std::vector<TProblemLine>& lines) {
  TProblemsDialog dialog(lines, FParent);
  dialog.exec();
  return dialog.Choice();
}

int TDialogPrompts::ChooseGame(const QStringList& games) {
  const QString other = tr("Another folder...");
  QInputDialog dialog(FParent);
  dialog.setWindowTitle(tr("X-wing vs. TIE Fighter found"));
  dialog.setLabelText(tr("Flightdeck found the game here. Which one shall it show?"));
  dialog.setComboBoxItems(QStringList(games) << other);
  dialog.setComboBoxEditable(false);
  dialog.setOkButtonText(tr("OK"));
  dialog.setCancelButtonText(tr("Cancel"));
  if (dialog.exec() != QDialog::Accepted)
    return -1;
  const QString chosen = dialog.textValue();
  return chosen == other ? static_cast<int>(games.size()) : static_cast<int>(games.indexOf(chosen));
}

} // namespace flightdeck
