// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/NodeMarks.h"
#include "lists/MissionTree.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <array>
#include <functional>

namespace flightdeck {

// The mission tree as the tree view shows it. Its rows are the document's nodes, made when the
// view asks for them; labels and marks are read from the document when they are painted. It
// follows each change the document makes, so that the view keeps its place and what is open.
class TMissionModel : public QAbstractItemModel, private TMissionTreeObserver {
public:
  explicit TMissionModel(QObject* parent) : QAbstractItemModel(parent) {}

  // The document shown; null for none. It must outlive its time here.
  void SetDocument(TMissionTree* document);
  TMissionTree* Document() const { return FDocument; }
  QModelIndex IndexOf(const TMissionNode* node) const; // invalid for null
  static TMissionNode* NodeOf(const QModelIndex& index);

  // The marks of the entries, each shown by the icon of its severity (error, warning, note);
  // where some carry one, the others show `room` instead, so that the labels stay aligned.
  void SetMarks(TNodeMarks marks, const std::array<QIcon, 3>& icons, const QIcon& room);
  // `node` was renamed: its marks of its title follow its new label.
  void Retitled(const TMissionNode& node);
  // What the check found at `node`, in words; empty for nothing.
  QString MarkText(const TMissionNode* node) const { return FMarks.TextOf(node); }

  // A label typed into the view for `node`; the document changes only through it.
  std::function<void(TMissionNode& node, const QString& label)> LabelTyped;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
  const TMissionTree::TNodes* ChildrenOf(const QModelIndex& parent) const;
  void Unmark(const TMissionNode& node); // and everything under it

  void NodeInserting(const TMissionNode* parent, int row) override;
  void NodeInserted() override { endInsertRows(); }
  void NodeRemoving(const TMissionNode& node) override;
  void NodeRemoved() override { endRemoveRows(); }
  void NodeMoving(const TMissionNode& node, const TMissionNode* parent, int row) override;
  void NodeMoved() override;
  void NodeRelabelled(const TMissionNode& node) override;

  TMissionTree* FDocument = nullptr;
  TNodeMarks FMarks;
  std::array<QIcon, 3> FIcons;
  QIcon FRoom;
  bool FMoving = false; // the view was told of the move under way
};

} // namespace flightdeck
