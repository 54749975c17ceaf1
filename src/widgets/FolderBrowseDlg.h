// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QDialogButtonBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QTreeView;

namespace flightdeck {

// Lets the user choose a folder in a modal dialog: a folder tree with a title line above it,
// a one-line status text fitted to the dialog's width, and OK and Cancel. Above the tree, a
// path field takes a folder typed or pasted, and a list of places (given by the owner) leads
// to where folders are usually kept. Hidden folders are shown: games live in them on Linux.
// The properties can be set before Execute and, while the dialog is open, from its events.
class TFolderBrowseDlg : public QObject {
  Q_OBJECT

public:
  explicit TFolderBrowseDlg(QObject* owner = nullptr);
  ~TFolderBrowseDlg() override;

  // Runs the dialog; true when the user confirmed a folder, which Selection then holds with a
  // trailing separator. Cancelled, Selection becomes empty.
  bool Execute();

  QString Selection() const { return FSelection; }
  void SetSelection(const QString& value);
  QString Title() const { return FTitle; }
  void SetTitle(const QString& value) { FTitle = value; }
  bool Center() const { return FCenter; }
  void SetCenter(bool value) { FCenter = value; }
  QString StatusText() const { return FStatusText; }
  void SetStatusText(const QString& value);
  bool FitStatusText() const { return FFitStatusText; }
  void SetFitStatusText(bool value);
  bool EnableOKButton() const { return FEnableOKButton; }
  void SetEnableOKButton(bool value);
  QString Caption() const;
  void SetCaption(const QString& value);
  bool ShowSelectionInStatus() const { return FShowSelectionInStatus; }
  void SetShowSelectionInStatus(bool value) { FShowSelectionInStatus = value; }

  // Places to go to at once: a label and a folder each.
  struct TPlace {
    QString Label;
    QString Folder;
  };
  void SetPlaces(std::vector<TPlace> places) { FPlaces = std::move(places); }
  const std::vector<TPlace>& Places() const { return FPlaces; }

  std::function<void(TFolderBrowseDlg&, const QString& newSelection)> OnSelChanged;
  std::function<void(TFolderBrowseDlg&)> OnCreate;

  // The open dialog, for its events and for tests; null while closed.
  QDialog* Dialog() const { return FDialog; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void DoInitialized();
  void DoSelChanged(const QString& path);
  void ShowStatusText();
  void ShowSelection();
  void GoTo(const QString& folder); // selects a folder typed or chosen among the places

  QString FSelection;
  QString FTitle;
  bool FCenter = true;
  QString FStatusText;
  bool FFitStatusText = true;
  bool FEnableOKButton = true;
  QString FCaption;
  bool FShowSelectionInStatus = false;

  std::vector<TPlace> FPlaces;

  QPointer<QDialog> FDialog;
  QTreeView* FTree = nullptr;
  QLineEdit* FPath = nullptr;
  QFileSystemModel* FModel = nullptr;
  QLabel* FStatus = nullptr;
  QDialogButtonBox* FButtons = nullptr;
};

// The folder as the dialog returns it: an existing folder gains a trailing separator.
QString WithFolderSeparator(const QString& path);

} // namespace flightdeck
