// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu: undoing and redoing what Flightdeck changed in the game, and its history.

#include "app/HistoryCommands.h"

#include "app/Application.h"
#include "app/BackgroundWork.h"
#include "app/Controls.h"
#include "app/CoreText.h"
#include "app/ListText.h"
#include "journal/CommandNames.h"
#include "journal/Session.h"
#include "widgets/PathText.h"

#include "lists/MissionTypes.h"
#include "platform/PathNames.h"

#include <QAction>
#include <QDateTime>

#include <algorithm>

namespace flightdeck {

namespace {

// The commands that change a game, in words.
constexpr std::pair<std::string_view, const char*> CommandCaptions[] = {
    {CommandNames::InstallPack, QT_TRANSLATE_NOOP("Command", "Install Pack")},
    {CommandNames::RemovePack, QT_TRANSLATE_NOOP("Command", "Remove Pack")},
    {CommandNames::InstallMission, QT_TRANSLATE_NOOP("Command", "Install Mission")},
    {CommandNames::AddGroup, QT_TRANSLATE_NOOP("Command", "Add Group")},
    {CommandNames::AddBattle, QT_TRANSLATE_NOOP("Command", "Add Battle")},
    {CommandNames::Rename, QT_TRANSLATE_NOOP("Command", "Rename")},
    {CommandNames::Renumber, QT_TRANSLATE_NOOP("Command", "Renumber")},
    {CommandNames::Remove, QT_TRANSLATE_NOOP("Command", "Remove")},
    {CommandNames::Move, QT_TRANSLATE_NOOP("Command", "Move")},
    {CommandNames::Undo, QT_TRANSLATE_NOOP("Command", "Undo")},
    {CommandNames::Redo, QT_TRANSLATE_NOOP("Command", "Redo")},
    {CommandNames::Recover, QT_TRANSLATE_NOOP("Command", "Recover")},
    {CommandNames::FixLineEnds, QT_TRANSLATE_NOOP("Command", "Fix Line Ends")},
    {CommandNames::RemoveMissing, QT_TRANSLATE_NOOP("Command", "Remove Missing")},
    {CommandNames::RenumberDuplicates, QT_TRANSLATE_NOOP("Command", "Renumber Duplicates")}};

// "install-pack" reads "Install Pack"; a command of another program's making, by its words.
QString CommandCaption(const std::string& command) {
  for (const auto& [name, caption] : CommandCaptions)
    if (name == command)
      return QCoreApplication::translate("Command", caption);
  QStringList words = QString::fromStdString(command).split(QLatin1Char('-'));
  for (QString& word : words)
    if (!word.isEmpty())
      word[0] = word[0].toUpper();
  return words.join(QLatin1Char(' '));
}

// What an entry worked on: its subject; for an undo or a redo, the command it took back, in
// words ("Install Pack DeepSpace.ixo").
QString SubjectCaption(const THistoryEntry& entry) {
  QString subject = FromList(entry.Subject);
  if (entry.Command != CommandNames::Undo && entry.Command != CommandNames::Redo)
    return subject;
  const qsizetype blank = subject.indexOf(QLatin1Char(' '));
  return CommandCaption(subject.left(blank).toStdString()) +
         (blank < 0 ? QString() : subject.mid(blank));
}

// What an entry did, in words: "Install Pack DeepSpace.ixo".
QString EntryCaption(const THistoryEntry& entry) {
  const QString subject = SubjectCaption(entry);
  return CommandCaption(entry.Command) +
         (subject.isEmpty() ? QString() : QLatin1Char(' ') + subject);
}

// When an entry was made, in the user's time: "2026-12-07 11:00:00".
QString LocalTime(const THistoryEntry& entry) {
  const QDateTime utc = QDateTime::fromString(QString::fromStdString(entry.Time), Qt::ISODate);
  return utc.isValid()
             ? utc.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) // not translated
             : QString::fromStdString(entry.Time);
}

// The list an entry changed (the first it names), else its first file: "combat/rebel.lst".
QString ListOf(const THistoryEntry& entry) {
  const auto list =
      std::find_if(entry.Files.begin(), entry.Files.end(), [](const THistoryFile& file) {
        return IsListFileName(ExtractFileName(file.Path));
      });
  if (list != entry.Files.end())
    return PathText(list->Path);
  return entry.Files.empty() ? QString() : PathText(entry.Files.front().Path);
}

} // namespace

std::vector<THistoryEntry> THistoryCommands::Entries() const {
  return FList.Game().empty() ? std::vector<THistoryEntry>() : FList.History().Entries();
}

THistoryCommands::THistoryCommands(TListController& list, TPrompts& prompts, QWidget& owner)
    : FList(list), FPrompts(prompts), FOwner(owner) {
  FActions.Undo =
      NamedAction(&owner, "mEditUndo", tr("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")),
                  tr("Take back the last change Flightdeck made to the game"));
  FActions.Redo =
      NamedAction(&owner, "mEditRedo", tr("&Redo"), QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                  tr("Make again the change last taken back"));
  FActions.History = NamedAction(&owner, "mEditHistory", tr("&History..."), {},
                                 tr("Every change Flightdeck made to this game"));
  QObject::connect(FActions.Undo, &QAction::triggered, &owner, [this] { Undo(); });
  QObject::connect(FActions.Redo, &QAction::triggered, &owner, [this] { Redo(); });
  QObject::connect(FActions.History, &QAction::triggered, &owner, [this] { ChooseAndUndo(); });
  RefreshActions(false);
}

void THistoryCommands::RefreshActions(bool enabled) {
  const std::vector<THistoryEntry> entries = enabled ? Entries() : std::vector<THistoryEntry>();
  const THistoryEntry* undo = NextToUndo(entries);
  const THistoryEntry* redo = NextToRedo(entries);
  // Redoing takes back an undo: it does again what the undo took back; undoing a redo takes
  // back what it did again.
  const bool undoesRedo = undo && undo->Command == CommandNames::Redo;
  FActions.Undo->setEnabled(undo != nullptr);
  FActions.Undo->setText(
      undo ? tr("&Undo %1").arg(undoesRedo ? SubjectCaption(*undo) : EntryCaption(*undo))
           : tr("&Undo"));
  FActions.Redo->setEnabled(redo != nullptr);
  FActions.Redo->setText(redo ? tr("&Redo %1").arg(SubjectCaption(*redo)) : tr("&Redo"));
  FActions.History->setEnabled(enabled);
}

void THistoryCommands::ChangeRecorded() {
  FActions.Undo->setEnabled(true);
}

void THistoryCommands::TakeBack(std::string_view command,
                                const std::function<TOutcome<THistoryEntry>(TSession&)>& stage) {
  TOutcome<THistoryEntry> undone = TOutcome<THistoryEntry>::Failure({});
  FList.Run(command, {}, [&](TSession& session) {
    undone = TBackgroundWork(&FOwner, tr("Taking the change back..."), 0).Run([&] {
      return stage(session); // checking every file it put back: the long part
    });
    return static_cast<bool>(undone);
  });
  FList.ReadAgain(undone ? tr("%1 taken back").arg(EntryCaption(undone.Value())) : QString());
  if (!undone)
    FPrompts.Tell(MessageText(undone.ErrorMessage(), PathText));
}

void THistoryCommands::UndoEntry(int id) {
  TakeBack(CommandNames::Undo, [id](TSession& session) { return session.Undo(id); });
}

void THistoryCommands::Undo() {
  if (!FList.FinishSaving()) // an edit still being written is the last change
    return;
  const std::vector<THistoryEntry> entries = Entries();
  if (const THistoryEntry* entry = NextToUndo(entries))
    UndoEntry(entry->Id);
}

void THistoryCommands::Redo() {
  if (!FList.FinishSaving()) // an edit still being written is the last change
    return;
  if (NextToRedo(Entries()))
    TakeBack(CommandNames::Redo, [](TSession& session) { return session.Redo(); });
}

void THistoryCommands::ChooseAndUndo() {
  if (!FList.FinishSaving())
    return;
  const std::vector<THistoryEntry> entries = Entries();
  QStringList lines;
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
    lines << QString::number(entry->Id) + QStringLiteral("  ") + LocalTime(*entry) +
                 QStringLiteral("  ") + EntryCaption(*entry) +
                 (ListOf(*entry).isEmpty() ? QString()
                                           : QStringLiteral(" \u00b7 ") + ListOf(*entry)) +
                 (entry->Undone ? tr("  (undone)") : QString());
  const int chosen = FPrompts.ChooseHistoryEntry(lines);
  if (chosen >= 0 && chosen < static_cast<int>(entries.size()))
    UndoEntry(entries[entries.size() - 1 - static_cast<std::size_t>(chosen)].Id);
}

} // namespace flightdeck
