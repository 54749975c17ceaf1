#include "widgets/FolderBrowseDlg.h"

#include "platform/FileSystem.h"
#include "widgets/StatusTextFit.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

namespace flightdeck {

namespace {

bool IsFolder(const QString& path) {
  return DirectoryExists(QDir::toNativeSeparators(path).toStdString());
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
  FModel = new QFileSystemModel(&dialog);
  FModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  FModel->setRootPath(QString());
  FTree = new QTreeView(&dialog);
  FTree->setObjectName(QStringLiteral("FolderTree"));
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
  layout->addWidget(FButtons);
  connect(FButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(FButtons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  connect(FTree->selectionModel(), &QItemSelectionModel::currentChanged, &dialog,
          [this](const QModelIndex& current) { DoSelChanged(FModel->filePath(current)); });
  dialog.resize(360, 420);

  FDialog = &dialog;
  DoInitialized();
  const bool confirmed = dialog.exec() == QDialog::Accepted && FTree->currentIndex().isValid();
  const QString chosen =
      confirmed ? QDir::toNativeSeparators(FModel->filePath(FTree->currentIndex())) : QString();
  FDialog = nullptr;
  FTree = nullptr;
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
  FTree->scrollTo(index);
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
