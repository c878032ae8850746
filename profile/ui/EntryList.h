// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "profile/ListEntries.h"

class QLabel;
class QLineEdit;
class QTableView;

// The rows of a settings list (Subfolders, File/Folder Names or Paths) as the page shows
// them: a check box and the entry's shown text. The user checks and unchecks entries; the
// list itself changes only through SetEntries.
class CEntryListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetEntries(std::vector<SDisplayEntry> entries);
  const std::vector<SDisplayEntry>& Entries() const { return m_entries; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 signals:
  // An entry's check state was changed.
  void checkEdited();

 private:
  std::vector<SDisplayEntry> m_entries;
};

// A view of a settings list: whole rows, several selectable, entries checked with the mouse
// or the space bar, named for a screen reader by `accessibleName`.
QTableView* MakeEntryListView(CEntryListModel* model, const QString& accessibleName,
                              const char* objectName, QWidget* parent);
// Row heights follow the view's font.
void FitRowsToFont(QTableView* view);

// The list of a list page with the text box beneath it, whose label is the page's prompt.
struct SEntryEditor {
  CEntryListModel* model = nullptr;
  QTableView* view = nullptr;
  QLabel* prompt = nullptr;
  QLineEdit* edit = nullptr;
  FEntryLess order;

  // Shows `entries` in the list's order.
  void Show(std::vector<SDisplayEntry> entries) const;
  void SetFont(const QFont& font) const;
};
SEntryEditor MakeEntryEditor(const QString& listName, const char* listObject,
                             const char* editObject, int maxLength, QWidget* page);
