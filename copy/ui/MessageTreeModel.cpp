// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/ui/MessageTreeModel.h"

CMessageTreeModel::CMessageTreeModel(SMessageNode tree, QObject* parent)
    : QAbstractItemModel(parent), m_tree(std::move(tree)) {
  m_entries.push_back(SEntry{&m_tree, -1, 0, -1});
  AddEntries(0);
}

void CMessageTreeModel::AddEntries(int entry) {
  // Breadth by family: a node's children take consecutive entries, so a child is found from
  // its parent's first child and its row.
  std::vector<int> pending{entry};
  while (!pending.empty()) {
    const int at = pending.back();
    pending.pop_back();
    const SMessageNode* node = m_entries[static_cast<size_t>(at)].node;
    if (node->children.empty()) {
      continue;
    }
    const int first = static_cast<int>(m_entries.size());
    m_entries[static_cast<size_t>(at)].firstChild = first;
    for (size_t row = 0; row < node->children.size(); ++row) {
      m_entries.push_back(SEntry{&node->children[row], at, static_cast<int>(row), -1});
      pending.push_back(first + static_cast<int>(row));
    }
  }
}

int CMessageTreeModel::EntryOf(const QModelIndex& index) const {
  // The view's top level holds the root line alone.
  return index.isValid() ? static_cast<int>(index.internalId()) : -1;
}

QModelIndex CMessageTreeModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0) {
    return {};
  }
  const int parentEntry = EntryOf(parent);
  if (parentEntry < 0) {
    return row == 0 ? createIndex(0, 0, quintptr{0}) : QModelIndex();
  }
  const SEntry& entry = m_entries[static_cast<size_t>(parentEntry)];
  if (row >= static_cast<int>(entry.node->children.size())) {
    return {};
  }
  return createIndex(row, 0, static_cast<quintptr>(entry.firstChild + row));
}

QModelIndex CMessageTreeModel::parent(const QModelIndex& child) const {
  const int childEntry = EntryOf(child);
  if (childEntry <= 0) {
    return {};
  }
  const int parentEntry = m_entries[static_cast<size_t>(childEntry)].parent;
  return createIndex(m_entries[static_cast<size_t>(parentEntry)].row, 0,
                     static_cast<quintptr>(parentEntry));
}

int CMessageTreeModel::rowCount(const QModelIndex& parent) const {
  if (parent.column() > 0) {
    return 0;
  }
  const int entry = EntryOf(parent);
  return entry < 0 ? 1
                   : static_cast<int>(m_entries[static_cast<size_t>(entry)].node->children.size());
}

int CMessageTreeModel::columnCount(const QModelIndex&) const {
  return 1;
}

QVariant CMessageTreeModel::data(const QModelIndex& index, int role) const {
  const int entry = EntryOf(index);
  if (entry < 0 || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
    return {};
  }
  return QString::fromStdString(m_entries[static_cast<size_t>(entry)].node->text);
}
