// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FolderBrowseDlg.h"

#include "platform/FileSystem.h"
#include "widgets/PathText.h"
#include "widgets/StatusTextFit.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace flightdeck {

namespace {

// A path typed as a shell takes it: "~" for the home folder.
QString Expanded(const QString& typed) {
  QString path = typed.trimmed();
  if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")) ||
      path.startsWith(QLatin1String("~\\")))
    return QDir::homePath() + path.mid(1);
  return path;
}

bool IsFolder(const QString& path) {
  return DirectoryExists(ProgramPath(QDir::toNativeSeparators(Expanded(path))));
}

bool EndsWithSeparator(const QString& path) {
  return path.endsWith(QLatin1Char('/')) || path.endsWith(QDir::separator());
}

// The form in which the tree takes a preset selection: without its trailing separator,
// except for a root such as "/" or "C:\".
QString DialogForm(const QString& selection) {
  QString path = QDir::fromNativeSeparators(selection);
  if (path.size() == 2 && path[1] == QLatin1Char(':'))
    return path + QLatin1Char('/');
  const bool root = path == QLatin1String("/") || (path.size() == 3 && path[1] == QLatin1Char(':'));
  if (!root && path.endsWith(QLatin1Char('/')))
    path.chop(1);
  return path;
}

} // namespace

QString WithFolderSeparator(const QString& path) {
  if (path.isEmpty() || EndsWithSeparator(path) || !IsFolder(path))
    return path;
  return path + QDir::separator();
}

TFolderBrowseDlg::TFolderBrowseDlg(QObject* owner) : QObject(owner) {}

TFolderBrowseDlg::~TFolderBrowseDlg() = default;

bool TFolderBrowseDlg::Execute() {
  QDialog dialog(qobject_cast<QWidget*>(parent()));
  dialog.setWindowTitle(FCaption);
  auto* layout = new QVBoxLayout(&dialog);
  if (!FTitle.isEmpty())
    layout->addWidget(new QLabel(FTitle, &dialog));
  auto* places = new QComboBox(&dialog);
  places->setObjectName(QStringLiteral("Places"));
  places->setAccessibleName(tr("Places"));
  places->addItem(tr("Go to..."));
  for (const TPlace& place : FPlaces)
    places->addItem(place.Label + QStringLiteral("  (") + place.Folder + QLatin1Char(')'),
                    place.Folder);
  places->setVisible(!FPlaces.empty());
  layout->addWidget(places);
  connect(places, &QComboBox::activated, &dialog, [this, places](int index) {
    if (index > 0)
      GoTo(places->itemData(index).toString());
  });
  FPath = new QLineEdit(&dialog);
  FPath->setObjectName(QStringLiteral("FolderPath"));
  FPath->setPlaceholderText(tr("Type or paste a folder"));
  FPath->setAccessibleName(tr("Folder"));
  layout->addWidget(FPath);
  // Enter in the path field goes there; OK (or Enter elsewhere) then takes it.
  FPath->installEventFilter(this);
  FModel = new QFileSystemModel(&dialog);
  FModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives | QDir::Hidden);
  FModel->setRootPath(QString());
  // The tree fills in folder by folder: once the selected one is there, bring it into view.
  connect(FModel, &QFileSystemModel::directoryLoaded, &dialog, [this](const QString& loaded) {
    if (!FSelection.isEmpty() && DialogForm(FSelection).startsWith(loaded))
      ShowSelection();
  });
  FTree = new QTreeView(&dialog);
  FTree->setObjectName(QStringLiteral("FolderTree"));
  FTree->setAccessibleName(tr("Folders"));
  FTree->setModel(FModel);
  FTree->setHeaderHidden(true);
  for (int column = 1; column < FModel->columnCount(); ++column)
    FTree->hideColumn(column);
  layout->addWidget(FTree, 1);
  FStatus = new QLabel(&dialog);
  FStatus->setObjectName(QStringLiteral("StatusText"));
  FStatus->setVisible(!FStatusText.isEmpty());
  layout->addWidget(FStatus);
  FButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  FButtons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  FButtons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
  layout->addWidget(FButtons);
  // A typed path that names no folder is not taken: the dialog stays, the text selected.
  connect(FButtons, &QDialogButtonBox::accepted, &dialog, [this, &dialog] {
    const QString typed = Expanded(FPath->text());
    if (!typed.isEmpty() && !IsFolder(typed)) {
      FPath->setFocus();
      FPath->selectAll();
      return;
    }
    dialog.accept();
  });
  connect(FButtons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  connect(FTree->selectionModel(), &QItemSelectionModel::currentChanged, &dialog,
          [this](const QModelIndex& current) {
            FPath->setText(QDir::toNativeSeparators(FModel->filePath(current)));
            DoSelChanged(FModel->filePath(current));
          });
  dialog.resize(360, 420);

  FDialog = &dialog;
  DoInitialized();
  // Once laid out, the status line knows its width and the tree its height.
  QTimer::singleShot(0, &dialog, [this] {
    FPath->setFocus(); // a folder can be typed or pasted at once
    ShowStatusText();
    if (!FSelection.isEmpty())
      ShowSelection();
  });
  const bool accepted = dialog.exec() == QDialog::Accepted;
  // A folder typed into the path field and confirmed with OK is the choice.
  const QString typed = Expanded(FPath->text());
  const QString chosen = accepted && !typed.isEmpty() && IsFolder(typed)
                             ? QDir::toNativeSeparators(typed)
                         : accepted && FTree->currentIndex().isValid()
                             ? QDir::toNativeSeparators(FModel->filePath(FTree->currentIndex()))
                             : QString();
  const bool confirmed = !chosen.isEmpty();
  FDialog = nullptr;
  FTree = nullptr;
  FPath = nullptr;
  FModel = nullptr;
  FStatus = nullptr;
  FButtons = nullptr;
  SetSelection(chosen);
  return confirmed;
}

void TFolderBrowseDlg::DoInitialized() {
  if (FCenter) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    FDialog->move(screen.x() + (screen.width() - FDialog->width()) / 2,
                  screen.y() + (screen.height() - FDialog->height()) / 2);
  }
  FButtons->button(QDialogButtonBox::Ok)->setEnabled(FEnableOKButton);
  if (!FStatusText.isEmpty())
    ShowStatusText();
  if (!FSelection.isEmpty())
    ShowSelection();
  if (OnCreate)
    OnCreate(*this);
}

void TFolderBrowseDlg::DoSelChanged(const QString& path) {
  if (!FShowSelectionInStatus && !OnSelChanged)
    return;
  const QString native = QDir::toNativeSeparators(path);
  if (FShowSelectionInStatus)
    SetStatusText(native);
  if (OnSelChanged)
    OnSelChanged(*this, native);
}

void TFolderBrowseDlg::ShowStatusText() {
  // Without a status line at the start, the dialog has nowhere to show a later text.
  if (!FStatus || FStatus->isHidden())
    return;
  const QFontMetrics metrics(FStatus->font());
  const int width =
      FStatus->contentsRect().width() > 0 ? FStatus->contentsRect().width() : FDialog->width() - 20;
  FStatus->setText(FFitStatusText && !FStatusText.isEmpty()
                       ? flightdeck::FitStatusText(
                             FStatusText, width,
                             [&](const QString& text) { return metrics.horizontalAdvance(text); },
                             IsFolder, QDir::separator())
                       : FStatusText);
}

void TFolderBrowseDlg::ShowSelection() {
  const QModelIndex index = FModel->index(DialogForm(FSelection));
  if (!index.isValid())
    return;
  FTree->setCurrentIndex(index);
  FTree->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

bool TFolderBrowseDlg::eventFilter(QObject* watched, QEvent* event) {
  // The path field keeps its Enter: it must not reach the dialog's default button as well.
  if (watched == FPath && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      GoTo(FPath->text());
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void TFolderBrowseDlg::GoTo(const QString& folder) {
  const QString path = QDir::cleanPath(QDir::fromNativeSeparators(Expanded(folder)));
  if (!IsFolder(path))
    return;
  FSelection = WithFolderSeparator(QDir::toNativeSeparators(path));
  ShowSelection();
  FPath->setText(QDir::toNativeSeparators(path));
}

void TFolderBrowseDlg::SetSelection(const QString& value) {
  if (value == FSelection)
    return;
  FSelection = WithFolderSeparator(value);
  if (FDialog && !FSelection.isEmpty())
    ShowSelection();
}

void TFolderBrowseDlg::SetStatusText(const QString& value) {
  if (value == FStatusText)
    return;
  FStatusText = value;
  if (FDialog)
    ShowStatusText();
}

void TFolderBrowseDlg::SetFitStatusText(bool value) {
  if (value == FFitStatusText)
    return;
  FFitStatusText = value;
  if (FDialog)
    ShowStatusText();
}

void TFolderBrowseDlg::SetEnableOKButton(bool value) {
  if (value == FEnableOKButton)
    return;
  FEnableOKButton = value;
  if (FDialog)
    FButtons->button(QDialogButtonBox::Ok)->setEnabled(value);
}

QString TFolderBrowseDlg::Caption() const {
  return FDialog ? FDialog->windowTitle() : FCaption;
}

void TFolderBrowseDlg::SetCaption(const QString& value) {
  FCaption = value;
  if (FDialog)
    FDialog->setWindowTitle(value);
}

} // namespace flightdeck
