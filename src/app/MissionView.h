// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMimeData>
#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QTreeView>

#include <functional>

namespace flightdeck {

// The mission tree control. Its labels are edited in place; a confirmed edit (an empty one
// made a single blank) is reported once the editor has closed. Pressing the left button and
// moving starts a drag of the selected entry, which may be dropped on any tree view; where it
// lands is left to the window.
class TMissionView : public QTreeView {
  Q_OBJECT

public:
  explicit TMissionView(QWidget* parent = nullptr);

  // The node whose label or icon lies under `at` (viewport coordinates), if any.
  QModelIndex NodeAtLabel(const QPoint& at) const;

  // Shown in the empty tree, to say what to do next; empty for none.
  void SetPlaceholder(const QString& text);
  const QString& Placeholder() const { return FPlaceholder; }

  // Decides whether files dragged in from outside may land on `target` (null: no entry).
  std::function<bool(const QStringList& files, const QModelIndex& target)> AcceptFiles;

  // Decides whether an edited label may replace the old one; a refused edit keeps the old
  // label. Every edit is taken while none is set.
  std::function<bool(const QModelIndex& node, const QString& label)> AcceptLabel;

Q_SIGNALS:
  void DropRequested(const QPoint& at);
  void FilesDropped(const QStringList& files, const QModelIndex& target);

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  bool Accepts(const QDropEvent* event) const;
  void ShowDropTarget(const QModelIndex& node);

  QPoint FDragStart;
  bool FDragArmed = false;
  QRect FDropTarget; // framed while a drag is over an entry
  QString FPlaceholder;
};

// The local files a drag carries; empty when it carries anything else.
QStringList DraggedLocalFiles(const QMimeData* data);

} // namespace flightdeck
