// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/ui/PreviewListModel.h"

#include <QApplication>
#include <QMimeData>
#include <QPalette>
#include <QStyle>
#include <QUrl>
#include <algorithm>

#include "platform/DriveMap.h"
#include "platform/Shell.h"
#include "preview/ListData.h"

namespace {

const char* const kHeaders[kPreviewColumnCount] = {"Item Name", "In Folder",  "Date/Time", "Size",
                                                   "Type",      "Attributes", "Action"};

bool Contiguous(const std::vector<size_t>& rows) {
  return rows.back() - rows.front() + 1 == rows.size();
}

}  // namespace

CPreviewListModel::CPreviewListModel(CPreviewList& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list) {
  m_list.AddListener(this);
}

CPreviewListModel::~CPreviewListModel() {
  m_list.RemoveListener(this);
}

int CPreviewListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_list.Count());
}

int CPreviewListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kPreviewColumnCount;
}

QVariant CPreviewListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<size_t>(index.row()) >= m_list.Count()) {
    return {};
  }
  const size_t row = static_cast<size_t>(index.row());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      return QString::fromStdString(m_list.Text(row, index.column()));
    case Qt::DecorationRole:
      return index.column() == kColName ? QVariant(RowIcon(m_list.Row(row))) : QVariant();
    case Qt::TextAlignmentRole:
      return index.column() == kColSize ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                        : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
      // A file that the copy deletes is drawn dimmed.
      if (m_list.Row(row).action == kActionDelete) {
        return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
      }
      return {};
    default:
      return {};
  }
}

QIcon CPreviewListModel::RowIcon(const CFilesListCtrlData& row) const {
  const bool dimmed = row.action == kActionDelete;
  if (row.iconIndex >= 0) {
    const auto index = static_cast<size_t>(row.iconIndex);
    if (index >= m_icons.size()) {
      m_icons.resize(index + 1);
      m_dimmedIcons.resize(index + 1);
    }
    if (m_icons[index].isNull()) {
      const platform::STypeIcon names = platform::TypeIcon(row.iconIndex);
      QIcon icon = QIcon::fromTheme(QString::fromStdString(names.name),
                                    QIcon::fromTheme(QString::fromStdString(names.genericName)));
      if (icon.isNull()) {
        icon = QApplication::style()->standardIcon(
            row.action == kActionCreate ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
      }
      m_icons[index] = icon;
    }
    if (!dimmed) {
      return m_icons[index];
    }
    if (m_dimmedIcons[index].isNull()) {
      m_dimmedIcons[index] = QIcon(m_icons[index].pixmap(16, QIcon::Disabled));
    }
    return m_dimmedIcons[index];
  }
  if (m_fileIcon.isNull()) {
    m_fileIcon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    m_folderIcon = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
  }
  const QIcon& icon = row.action == kActionCreate ? m_folderIcon : m_fileIcon;
  return dimmed ? QIcon(icon.pixmap(16, QIcon::Disabled)) : icon;
}

Qt::ItemFlags CPreviewListModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (index.isValid() && m_dragPaths) {
    flags |= Qt::ItemIsDragEnabled;
  }
  return flags;
}

QStringList CPreviewListModel::mimeTypes() const {
  return {QStringLiteral("text/uri-list")};
}

QMimeData* CPreviewListModel::mimeData(const QModelIndexList& indexes) const {
  if (!m_dragPaths) {
    return nullptr;
  }
  std::vector<size_t> rows;
  rows.reserve(static_cast<size_t>(indexes.size()));
  for (const QModelIndex& index : indexes) {
    rows.push_back(static_cast<size_t>(index.row()));
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  QList<QUrl> urls;
  for (const std::string& path : m_dragPaths(rows)) {
    if (const auto posixPath = platform::ToPosixPath(path)) {
      urls.append(QUrl::fromLocalFile(QString::fromStdString(*posixPath)));
    }
  }
  if (urls.isEmpty()) {
    return nullptr;
  }
  auto* data = new QMimeData;
  data->setUrls(urls);
  return data;
}

QVariant CPreviewListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kPreviewColumnCount) {
    return {};
  }
  if (role == Qt::DisplayRole) {
    return QString::fromLatin1(kHeaders[section]);
  }
  if (role == Qt::TextAlignmentRole) {
    return section == kColSize ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                               : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
  }
  return {};
}

void CPreviewListModel::sort(int column, Qt::SortOrder order) {
  if (column >= 0 && column < kPreviewColumnCount) {
    m_list.Sort(column, order == Qt::DescendingOrder);
  }
}

void CPreviewListModel::RowsAboutToBeAppended(const CPreviewList&, size_t first, size_t count) {
  beginInsertRows(QModelIndex(), static_cast<int>(first), static_cast<int>(first + count - 1));
}

void CPreviewListModel::RowsAppended(const CPreviewList&, size_t, size_t) {
  endInsertRows();
}

void CPreviewListModel::RowsAboutToBeRemoved(const CPreviewList&, const std::vector<size_t>& rows) {
  // One block is an ordinary removal; scattered rows go in one layout change, since one
  // removal per block would make the views do the work once per block.
  m_removingAsLayout = !Contiguous(rows);
  if (m_removingAsLayout) {
    emit layoutAboutToBeChanged();
  } else {
    beginRemoveRows(QModelIndex(), static_cast<int>(rows.front()), static_cast<int>(rows.back()));
  }
}

void CPreviewListModel::RowsRemoved(const CPreviewList&, const std::vector<size_t>& rows) {
  if (!m_removingAsLayout) {
    endRemoveRows();
    return;
  }
  MovePersistentIndexes([&rows](int old) {
    const auto at = std::lower_bound(rows.begin(), rows.end(), static_cast<size_t>(old));
    if (at != rows.end() && *at == static_cast<size_t>(old)) {
      return -1;
    }
    return old - static_cast<int>(at - rows.begin());
  });
  emit layoutChanged();
}

void CPreviewListModel::OrderAboutToChange(const CPreviewList&) {
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CPreviewListModel::OrderChanged(const CPreviewList&,
                                     const std::vector<size_t>& newIndexOfOld) {
  MovePersistentIndexes([&newIndexOfOld](int old) {
    return static_cast<size_t>(old) < newIndexOfOld.size()
               ? static_cast<int>(newIndexOfOld[static_cast<size_t>(old)])
               : -1;
  });
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CPreviewListModel::AboutToClear(const CPreviewList&) {
  beginResetModel();
}

void CPreviewListModel::Cleared(const CPreviewList&) {
  endResetModel();
}

void CPreviewListModel::RowsChanged(const CPreviewList&, size_t first, size_t last) {
  emit dataChanged(index(static_cast<int>(first), 0),
                   index(static_cast<int>(last), kPreviewColumnCount - 1));
}

template <typename NewRow>
void CPreviewListModel::MovePersistentIndexes(NewRow newRow) {
  const QModelIndexList from = persistentIndexList();
  QModelIndexList to;
  to.reserve(from.size());
  for (const QModelIndex& index : from) {
    const int row = newRow(index.row());
    to.append(row < 0 ? QModelIndex() : createIndex(row, index.column()));
  }
  changePersistentIndexList(from, to);
}
