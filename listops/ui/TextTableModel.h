// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

// A small table of texts for the list windows (Folder List, Stray Destination Folders,
// Detected Possible File Moves): the window keeps the rows' data and their order, and shows
// their texts here.
class CTextTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  CTextTableModel(QStringList headers, std::vector<Qt::Alignment> alignments,
                  QObject* parent = nullptr);

  void SetRows(std::vector<QStringList> rows);
  const std::vector<QStringList>& Rows() const { return m_rows; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  QStringList m_headers;
  std::vector<Qt::Alignment> m_alignments;
  std::vector<QStringList> m_rows;
};
