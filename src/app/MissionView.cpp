// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MissionView.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QUrl>

namespace flightdeck {

namespace {

const QString NodeMimeType = QStringLiteral("application/x-flightdeck-mission-node");

class TLabelDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  static constexpr const char* Filled = "flightdeckFilled";

  // The label an editor opened with; what the user has typed since stays, whatever the view
  // hears of the model meanwhile (marks that came, say).
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    if (editor->property(Filled).toBool())
      return;
    QStyledItemDelegate::setEditorData(editor, index);
    editor->setProperty(Filled, true);
  }

  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    const auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) {
      QStyledItemDelegate::setModelData(editor, model, index);
      return;
    }
    auto* view = static_cast<TMissionView*>(parent());
    const QString label = line->text().isEmpty() ? QStringLiteral(" ") : line->text();
    if (view->AcceptLabel && !view->AcceptLabel(index, label))
      return;
    model->setData(index, label, Qt::EditRole);
  }
};

bool IsTreeView(const QObject* source) {
  return qobject_cast<const QTreeView*>(source) != nullptr;
}

// The local files a drag from outside carries; empty for anything else.
QStringList DraggedFiles(const QDropEvent* event) {
  return IsTreeView(event->source()) ? QStringList() : DraggedLocalFiles(event->mimeData());
}

} // namespace

QStringList DraggedLocalFiles(const QMimeData* data) {
  QStringList paths;
  if (!data || !data->hasUrls())
    return paths;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile())
      return {};
    paths << url.toLocalFile();
  }
  return paths;
}

TMissionView::TMissionView(QWidget* parent) : QTreeView(parent) {
  setItemDelegate(new TLabelDelegate(this));
  setUniformRowHeights(true); // a long list is laid out without asking every row its height
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDragEnabled(false); // our own drag: the item view's would move model rows itself
}

QModelIndex TMissionView::NodeAtLabel(const QPoint& at) const {
  const QModelIndex node = indexAt(at);
  if (!node.isValid())
    return {};
  const QRect rect = visualRect(node);
  const int labelWidth = fontMetrics().horizontalAdvance(node.data().toString()) +
                         2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 4;
  return at.x() >= rect.left() && at.x() <= rect.left() + iconSize().width() + labelWidth
             ? node
             : QModelIndex();
}

void TMissionView::mousePressEvent(QMouseEvent* event) {
  // A right click selects what the context menu that follows acts on.
  if (event->button() == Qt::RightButton) {
    if (const QModelIndex node = indexAt(event->position().toPoint()); node.isValid())
      setCurrentIndex(node);
    event->accept();
    return;
  }
  // Only an entry can be dragged, and only the one pressed.
  FDragArmed = event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid();
  FDragStart = event->position().toPoint();
  QTreeView::mousePressEvent(event);
}

void TMissionView::mouseMoveEvent(QMouseEvent* event) {
  if (!FDragArmed || !(event->buttons() & Qt::LeftButton)) {
    QTreeView::mouseMoveEvent(event);
    return;
  }
  // Until the mouse has gone the drag distance, a shaky click changes nothing.
  if ((event->position().toPoint() - FDragStart).manhattanLength() <
      QApplication::startDragDistance())
    return;
  FDragArmed = false;
  auto* drag = new QDrag(this);
  auto* node = new QMimeData;
  node->setData(NodeMimeType, QByteArray());
  drag->setMimeData(node);
  drag->exec(Qt::MoveAction);
}

bool TMissionView::Accepts(const QDropEvent* event) const {
  // Entries move within tree views; files from outside go where the window takes them.
  if (IsTreeView(event->source()))
    return true;
  const QStringList files = DraggedFiles(event);
  return !files.isEmpty() && AcceptFiles &&
         AcceptFiles(files, indexAt(event->position().toPoint()));
}

void TMissionView::dragEnterEvent(QDragEnterEvent* event) {
  // Files are let in at once: whether they may land depends on the entry under the mouse.
  if (IsTreeView(event->source()) || !DraggedFiles(event).isEmpty())
    event->acceptProposedAction();
  else
    event->ignore();
}

void TMissionView::dragMoveEvent(QDragMoveEvent* event) {
  if (Accepts(event))
    event->acceptProposedAction();
  else
    event->ignore(); // the no-drop cursor
  const QPoint at = event->position().toPoint();
  ShowDropTarget(!event->isAccepted()          ? QModelIndex()
                 : IsTreeView(event->source()) ? NodeAtLabel(at)
                                               : indexAt(at));
}

void TMissionView::dragLeaveEvent(QDragLeaveEvent* event) {
  ShowDropTarget({});
  QTreeView::dragLeaveEvent(event);
}

void TMissionView::dropEvent(QDropEvent* event) {
  ShowDropTarget({});
  if (!Accepts(event)) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  if (IsTreeView(event->source()))
    Q_EMIT DropRequested(event->position().toPoint());
  else
    Q_EMIT FilesDropped(DraggedFiles(event), indexAt(event->position().toPoint()));
}

void TMissionView::ShowDropTarget(const QModelIndex& node) {
  const QRect target = node.isValid() ? visualRect(node) : QRect();
  if (target == FDropTarget)
    return;
  FDropTarget = target;
  viewport()->update();
}

void TMissionView::SetPlaceholder(const QString& text) {
  FPlaceholder = text;
  viewport()->update();
}

void TMissionView::paintEvent(QPaintEvent* event) {
  QTreeView::paintEvent(event);
  if ((!model() || model()->rowCount() == 0) && !FPlaceholder.isEmpty()) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Active, QPalette::Text));
    painter.drawText(viewport()->rect().adjusted(16, 16, -16, -16),
                     Qt::AlignCenter | Qt::TextWordWrap, FPlaceholder);
  }
  if (FDropTarget.isNull())
    return;
  // The entry a drop would land on is framed while the drag is over it.
  QPainter painter(viewport());
  painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
  painter.drawRect(FDropTarget.adjusted(0, 0, -1, -1));
}

} // namespace flightdeck
