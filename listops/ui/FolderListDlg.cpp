// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/FolderListDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/ui/Widgets.h"
#include "listops/ui/ListWindows.h"
#include "listops/ui/TextTableModel.h"

CFolderListDlg::CFolderListDlg(std::vector<SFolderRow> rows, const CFormatItem& format,
                               QWidget* parent)
    : QDialog(parent), m_rows(std::move(rows)), m_format(format) {
  setObjectName(QStringLiteral("folderListWindow"));
  setWindowTitle(QStringLiteral("Folder List"));
  auto* text = new QLabel(
      QStringLiteral("Double clicking on a row will select items in the preview list that are "
                     "in that row's folder."),
      this);
  text->setWordWrap(true);
  m_model = new CTextTableModel(
      {QString(), QStringLiteral("Items"), QStringLiteral("Size"), QStringLiteral("Action"),
       QStringLiteral("Folder")},
      {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignLeft, Qt::AlignLeft}, this);
  m_view = new QTableView(this);
  m_view->setObjectName(QStringLiteral("folderList"));
  m_view->setModel(m_model);
  SetUpRowList(m_view);
  m_view->setSelectionMode(QAbstractItemView::SingleSelection);
  m_view->setAccessibleName(QStringLiteral("Folders"));
  m_view->setColumnHidden(kFolderColBlank, true);
  m_view->horizontalHeader()->setSortIndicatorShown(true);
  m_view->horizontalHeader()->setStretchLastSection(true);
  connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this, &CFolderListDlg::SortBy);
  const auto choose = [this](const QModelIndex& index) {
    if (index.isValid()) {
      m_chosen = m_rows[static_cast<size_t>(index.row())].folder;
      accept();
    }
  };
  connect(m_view, &QAbstractItemView::doubleClicked, this, choose);
  // Enter on a row does what a double click does.
  OnEnter(m_view, [this, choose] { choose(m_view->currentIndex()); });
  auto* close = MakeButton(QStringLiteral("&Close"), "closeButton", this);
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(m_view, 1);
  layout->addLayout(buttons);
  ShowRows();
  m_view->resizeColumnsToContents();
  resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 20);
}

void CFolderListDlg::SortBy(int column) {
  if (column == kFolderColBlank) {
    return;
  }
  m_descending = column == m_column && !m_descending;
  m_column = column;
  ShowRows();
}

void CFolderListDlg::ShowRows() {
  SortFolderRows(m_rows, m_column, m_descending);
  std::vector<QStringList> texts;
  texts.reserve(m_rows.size());
  for (const SFolderRow& row : m_rows) {
    QStringList line;
    for (int column = 0; column < kFolderColumnCount; ++column) {
      line << QString::fromStdString(FolderRowText(row, column, m_format));
    }
    texts.push_back(std::move(line));
  }
  m_model->SetRows(std::move(texts));
  m_view->horizontalHeader()->setSortIndicator(
      m_column, m_descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}
