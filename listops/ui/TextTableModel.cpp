// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/TextTableModel.h"

CTextTableModel::CTextTableModel(QStringList headers, std::vector<Qt::Alignment> alignments,
                                 QObject* parent)
    : QAbstractTableModel(parent),
      m_headers(std::move(headers)),
      m_alignments(std::move(alignments)) {}

void CTextTableModel::SetRows(std::vector<QStringList> rows) {
  beginResetModel();
  m_rows = std::move(rows);
  endResetModel();
}

int CTextTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CTextTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant CTextTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<size_t>(index.row()) >= m_rows.size()) {
    return {};
  }
  const QStringList& row = m_rows[static_cast<size_t>(index.row())];
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
    return index.column() < row.size() ? row[index.column()] : QString();
  }
  if (role == Qt::TextAlignmentRole && static_cast<size_t>(index.column()) < m_alignments.size()) {
    return QVariant(m_alignments[static_cast<size_t>(index.column())] | Qt::AlignVCenter);
  }
  return {};
}

QVariant CTextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= m_headers.size()) {
    return {};
  }
  if (role == Qt::DisplayRole) {
    return m_headers[section];
  }
  if (role == Qt::TextAlignmentRole && static_cast<size_t>(section) < m_alignments.size()) {
    return QVariant(m_alignments[static_cast<size_t>(section)] | Qt::AlignVCenter);
  }
  return {};
}
