// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "preview/PreviewList.h"

// The preview list as a table for views. It holds no rows of its own: texts are made from
// the list's rows when a view draws them, and every change of the list reaches the views as
// one Qt change (a batch of rows is one insertion, a sort one layout change that keeps the
// selection, removing many rows one change).
class CFilesListCtrlData;
class QMimeData;

class CPreviewListModel : public QAbstractTableModel, private CPreviewListListener {
  Q_OBJECT

 public:
  // Follows the list for the life of the model (the list must outlive it).
  explicit CPreviewListModel(CPreviewList& list, QObject* parent = nullptr);
  ~CPreviewListModel() override;

  const CPreviewList& List() const { return m_list; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  // Sorts the list itself, with its row order (a header click).
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  // Rows may be dragged out as files: `paths`, asked at each drag, gives the full paths of
  // the dragged rows (none when they may not be dragged).
  using FDragPaths = std::function<std::vector<std::string>(const std::vector<size_t>& rows)>;
  void SetDragPaths(FDragPaths paths) { m_dragPaths = std::move(paths); }
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

 private:
  void RowsAboutToBeAppended(const CPreviewList& list, size_t first, size_t count) override;
  void RowsAppended(const CPreviewList& list, size_t first, size_t count) override;
  void RowsAboutToBeRemoved(const CPreviewList& list, const std::vector<size_t>& rows) override;
  void RowsRemoved(const CPreviewList& list, const std::vector<size_t>& rows) override;
  void OrderAboutToChange(const CPreviewList& list) override;
  void OrderChanged(const CPreviewList& list, const std::vector<size_t>& newIndexOfOld) override;
  void AboutToClear(const CPreviewList& list) override;
  void Cleared(const CPreviewList& list) override;
  void RowsChanged(const CPreviewList& list, size_t first, size_t last) override;

  // Moves every persistent index (the views' selections and current rows) to the row's new
  // place; `newRow` gives -1 for a row that is gone.
  template <typename NewRow>
  void MovePersistentIndexes(NewRow newRow);

  // The icon of a row's file type: from the desktop's icon theme, or the style's file or
  // folder icon; dimmed for a file that the copy deletes. Made once per type.
  QIcon RowIcon(const CFilesListCtrlData& row) const;

  CPreviewList& m_list;
  bool m_removingAsLayout = false;
  FDragPaths m_dragPaths;
  mutable std::vector<QIcon> m_icons;  // by type icon, then the same dimmed
  mutable std::vector<QIcon> m_dimmedIcons;
  mutable QIcon m_fileIcon;
  mutable QIcon m_folderIcon;
};
