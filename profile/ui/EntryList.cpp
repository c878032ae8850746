// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/EntryList.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include "core/ui/Widgets.h"
#include "profile/ui/SettingsPage.h"

namespace {

Qt::CheckState ToQt(int check) {
  switch (check) {
    case kUnchecked:
      return Qt::Unchecked;
    case kIndeterminate:
      return Qt::PartiallyChecked;
    default:
      return Qt::Checked;
  }
}

int FromQt(Qt::CheckState state) {
  switch (state) {
    case Qt::Unchecked:
      return kUnchecked;
    case Qt::PartiallyChecked:
      return kIndeterminate;
    default:
      return kChecked;
  }
}

}  // namespace

void CEntryListModel::SetEntries(std::vector<SDisplayEntry> entries) {
  beginResetModel();
  m_entries = std::move(entries);
  endResetModel();
}

int CEntryListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int CEntryListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 1;
}

QVariant CEntryListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) {
    return {};
  }
  const SDisplayEntry& entry = m_entries[static_cast<size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
      return Qs(entry.text);
    case Qt::CheckStateRole:
      return ToQt(entry.check);
    default:
      return {};
  }
}

bool CEntryListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.row() >= rowCount() || role != Qt::CheckStateRole) {
    return false;
  }
  const int check = FromQt(static_cast<Qt::CheckState>(value.toInt()));
  SDisplayEntry& entry = m_entries[static_cast<size_t>(index.row())];
  if (entry.check == check) {
    return true;
  }
  entry.check = check;
  emit dataChanged(index, index, {Qt::CheckStateRole});
  emit checkEdited();
  return true;
}

Qt::ItemFlags CEntryListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) {
    return Qt::NoItemFlags;
  }
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
         Qt::ItemNeverHasChildren;
}

QTableView* MakeEntryListView(CEntryListModel* model, const QString& accessibleName,
                              const char* objectName, QWidget* parent) {
  QTableView* view = MakeTextList(model, objectName, parent);
  view->setTextElideMode(Qt::ElideMiddle);  // long paths keep their start and their end
  view->setAccessibleName(accessibleName);
  return view;
}

void FitRowsToFont(QTableView* view) {
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
}

void SEntryEditor::Show(std::vector<SDisplayEntry> entries) const {
  SortEntries(entries, order);
  model->SetEntries(std::move(entries));
}

void SEntryEditor::SetFont(const QFont& font) const {
  view->setFont(font);
  FitRowsToFont(view);
  edit->setFont(font);
}

SEntryEditor MakeEntryEditor(const QString& listName, const char* listObject,
                             const char* editObject, int maxLength, QWidget* page) {
  SEntryEditor editor;
  editor.model = new CEntryListModel(page);
  editor.view = MakeEntryListView(editor.model, listName, listObject, page);
  editor.prompt = new QLabel(page);
  editor.prompt->setObjectName(QString::fromLatin1(editObject) + QStringLiteral("Prompt"));
  editor.edit = new QLineEdit(page);
  editor.edit->setObjectName(QString::fromLatin1(editObject));
  editor.edit->setMaxLength(maxLength);
  SetLabelFor(editor.prompt, editor.edit);
  return editor;
}
