// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QAbstractItemModel>
#include <vector>

#include "copy/CopyMsgs.h"

// The copy messages' tree (the total, a line per kind, the paths, their reasons) for a tree
// view. It keeps the tree and one small record per node, so a run with many thousands of
// failures is shown without a widget item per message.
class CMessageTreeModel : public QAbstractItemModel {
  Q_OBJECT

 public:
  explicit CMessageTreeModel(SMessageNode tree, QObject* parent = nullptr);

  QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  struct SEntry {
    const SMessageNode* node;
    int parent;      // entry number, -1 for the root
    int row;         // under its parent
    int firstChild;  // entry number of its first child; the others follow it
  };
  void AddEntries(int entry);
  int EntryOf(const QModelIndex& index) const;

  SMessageNode m_tree;
  std::vector<SEntry> m_entries;  // the root first
};
