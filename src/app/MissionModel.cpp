// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MissionModel.h"

#include "app/CoreText.h"
#include "app/ListText.h"

namespace flightdeck {

void TMissionModel::SetDocument(TMissionTree* document) {
  beginResetModel();
  if (FDocument)
    FDocument->SetObserver(nullptr);
  FDocument = document;
  FMarks = {};
  FRoom = {};
  if (FDocument)
    FDocument->SetObserver(this);
  endResetModel();
}

QModelIndex TMissionModel::IndexOf(const TMissionNode* node) const {
  return node ? createIndex(node->Row, 0, node) : QModelIndex();
}

TMissionNode* TMissionModel::NodeOf(const QModelIndex& index) {
  return static_cast<TMissionNode*>(index.internalPointer());
}

void TMissionModel::SetMarks(TNodeMarks marks, const std::array<QIcon, 3>& icons,
                             const QIcon& room) {
  FMarks = std::move(marks);
  FIcons = icons;
  FRoom = FMarks.Empty() ? QIcon() : room;
  if (const int roots = rowCount(); roots > 0)
    Q_EMIT dataChanged(index(0, 0), index(roots - 1, 0), {Qt::DecorationRole, Qt::ToolTipRole});
}

void TMissionModel::Retitled(const TMissionNode& node) {
  FMarks.Retitled(&node, TitleProblem(node.Record.Kind, node.Label()));
  const QModelIndex at = IndexOf(&node);
  Q_EMIT dataChanged(at, at, {Qt::DecorationRole, Qt::ToolTipRole});
}

const TMissionTree::TNodes* TMissionModel::ChildrenOf(const QModelIndex& parent) const {
  if (!FDocument || parent.column() > 0)
    return nullptr;
  return parent.isValid() ? &NodeOf(parent)->Children : &FDocument->Roots();
}

QModelIndex TMissionModel::index(int row, int column, const QModelIndex& parent) const {
  const TMissionTree::TNodes* children = ChildrenOf(parent);
  if (!children || column != 0 || row < 0 || static_cast<std::size_t>(row) >= children->size())
    return {};
  return createIndex(row, 0, (*children)[static_cast<std::size_t>(row)].get());
}

QModelIndex TMissionModel::parent(const QModelIndex& child) const {
  return child.isValid() ? IndexOf(NodeOf(child)->Parent) : QModelIndex();
}

int TMissionModel::rowCount(const QModelIndex& parent) const {
  const TMissionTree::TNodes* children = ChildrenOf(parent);
  return children ? static_cast<int>(children->size()) : 0;
}

int TMissionModel::columnCount(const QModelIndex&) const {
  return 1;
}

QVariant TMissionModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid())
    return {};
  const TMissionNode* node = NodeOf(index);
  switch (role) {
  case Qt::DisplayRole:
  case Qt::EditRole:
    return FromList(node->Label());
  case Qt::DecorationRole:
    if (const std::optional<TSeverity> severity = FMarks.SeverityOf(node))
      return FIcons[static_cast<std::size_t>(*severity)];
    return FRoom.isNull() ? QVariant() : QVariant(FRoom);
  case Qt::ToolTipRole:
    if (FMarks.SeverityOf(node))
      return FMarks.TextOf(node);
    return {};
  case Qt::AccessibleDescriptionRole: // what a screen reader tells after the label
    if (FMarks.SeverityOf(node))
      return QString(KindName(node->Record.Kind) + QStringLiteral(": ") + FMarks.TextOf(node));
    return KindName(node->Record.Kind);
  default:
    return {};
  }
}

bool TMissionModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || !LabelTyped)
    return false;
  LabelTyped(*NodeOf(index), value.toString());
  return true;
}

Qt::ItemFlags TMissionModel::flags(const QModelIndex& index) const {
  if (!index.isValid())
    return Qt::NoItemFlags;
  const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
  // A mission holds none: the view lays a long list out without asking whether it is expanded.
  const TMissionNode* node = NodeOf(index);
  return IsMission(node->Record.Kind) && node->Children.empty() ? flags | Qt::ItemNeverHasChildren
                                                                : flags;
}

void TMissionModel::Unmark(const TMissionNode& node) {
  FMarks.Forget(&node);
  for (const std::unique_ptr<TMissionNode>& child : node.Children)
    Unmark(*child);
}

void TMissionModel::NodeInserting(const TMissionNode* parent, int row) {
  beginInsertRows(IndexOf(parent), row, row);
}

void TMissionModel::NodeRemoving(const TMissionNode& node) {
  // A node that goes takes its marks along: a new node may come at the same address.
  if (!FMarks.Empty())
    Unmark(node);
  beginRemoveRows(IndexOf(node.Parent), node.Row, node.Row);
}

void TMissionModel::NodeMoving(const TMissionNode& node, const TMissionNode* parent, int row) {
  // A node put back where it stands is no move for the view.
  FMoving = beginMoveRows(IndexOf(node.Parent), node.Row, node.Row, IndexOf(parent), row);
}

void TMissionModel::NodeMoved() {
  if (FMoving)
    endMoveRows();
  FMoving = false;
}

void TMissionModel::NodeRelabelled(const TMissionNode& node) {
  const QModelIndex at = IndexOf(&node);
  Q_EMIT dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole});
}

} // namespace flightdeck
