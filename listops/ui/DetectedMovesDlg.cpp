// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/DetectedMovesDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <new>

#include "core/AppText.h"
#include "core/Prompter.h"
#include "core/ui/Widgets.h"
#include "listops/ui/ListWindows.h"
#include "listops/ui/QtCommandFeedback.h"
#include "listops/ui/RowSelection.h"
#include "listops/ui/TextTableModel.h"

CDetectedMovesDlg::CDetectedMovesDlg(std::vector<CDetectListCtrlData>& moves, CPreviewList& list,
                                     CPrompter& prompter, const CFormatItem& format,
                                     bool includeRenames, QWidget* parent)
    : QDialog(parent),
      m_moves(moves),
      m_list(list),
      m_prompter(prompter),
      m_format(format),
      m_columns(MoveColumns(includeRenames)) {
  setObjectName(QStringLiteral("detectedMovesWindow"));
  setWindowTitle(QStringLiteral("Detected Possible File Moves"));
  QStringList headers;
  std::vector<Qt::Alignment> alignments;
  for (const EMoveColumn column : m_columns) {
    headers << Qs(MoveColumnHeader(column, includeRenames));
    alignments.push_back(column == EMoveColumn::kSize ? Qt::AlignRight : Qt::AlignLeft);
  }
  m_model = new CTextTableModel(headers, alignments, this);
  m_view = new QTableView(this);
  m_view->setObjectName(QStringLiteral("moveList"));
  m_view->setModel(m_model);
  SetUpRowList(m_view);
  m_view->setAccessibleName(QStringLiteral("Detected possible file moves"));
  m_view->horizontalHeader()->setSortIndicatorShown(true);
  m_view->horizontalHeader()->setStretchLastSection(true);
  connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this,
          &CDetectedMovesDlg::SortBy);

  auto* selectAll = MakeButton(QStringLiteral("Select &All"), "selectAllButton", this);
  auto* selectNone = MakeButton(QStringLiteral("Select &None"), "selectNoneButton", this);
  auto* compare = MakeButton(QStringLiteral("&Compare"), "compareButton", this);
  auto* exclude = MakeButton(QStringLiteral("&Exclude"), "excludeButton", this);
  auto* move = MakeButton(QStringLiteral("&Move Files"), "moveFilesButton", this);
  auto* close = MakeButton(QStringLiteral("Close"), "closeButton", this);
  for (QPushButton* button : {selectAll, selectNone, compare, exclude, close}) {
    button->setAutoDefault(false);
  }
  move->setDefault(true);
  connect(selectAll, &QPushButton::clicked, m_view, &QAbstractItemView::selectAll);
  connect(selectNone, &QPushButton::clicked, this,
          [this] { m_view->selectionModel()->clearSelection(); });
  connect(compare, &QPushButton::clicked, this, &CDetectedMovesDlg::Compare);
  connect(exclude, &QPushButton::clicked, this, &CDetectedMovesDlg::Exclude);
  connect(move, &QPushButton::clicked, this, &CDetectedMovesDlg::MoveFiles);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(selectAll);
  buttons->addWidget(selectNone);
  buttons->addWidget(compare);
  buttons->addWidget(exclude);
  buttons->addStretch();
  buttons->addWidget(move);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_view, 1);
  layout->addLayout(buttons);
  ShowRows();
  m_view->resizeColumnsToContents();
  resize(std::max(fontMetrics().averageCharWidth() * 100, layout->sizeHint().width()),
         fontMetrics().height() * 20);
}

void CDetectedMovesDlg::SortBy(int column) {
  m_descending = column == m_sortColumn && !m_descending;
  m_sortColumn = column;
  ShowRows();
}

void CDetectedMovesDlg::ShowRows(bool sort) {
  if (sort && static_cast<size_t>(m_sortColumn) < m_columns.size()) {
    SortMoves(m_moves, m_columns[static_cast<size_t>(m_sortColumn)], m_descending);
  }
  std::vector<QStringList> rows;
  rows.reserve(m_moves.size());
  for (const CDetectListCtrlData& move : m_moves) {
    QStringList texts;
    for (const EMoveColumn column : m_columns) {
      texts << Qs(MoveColumnText(move, column, m_format));
    }
    rows.push_back(std::move(texts));
  }
  m_model->SetRows(std::move(rows));
  m_view->horizontalHeader()->setSortIndicator(
      m_sortColumn, m_descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

std::vector<size_t> CDetectedMovesDlg::Selected() const {
  return SelectedRows(m_view);
}

void CDetectedMovesDlg::Compare() {
  const std::vector<size_t> rows = Selected();
  if (rows.empty()) {
    m_prompter.Show("Please select files to compare.", EIcon::kExclamation);
    return;
  }
  try {
    CQtCommandFeedback feedback;
    const int32_t matched = CountMatchingMoves(m_moves, rows, feedback);
    m_prompter.Show(MatchingMovesText(matched, static_cast<int32_t>(rows.size()), m_format),
                    EIcon::kInformation);
  } catch (const std::bad_alloc&) {
    m_prompter.Show(kOutOfMemoryText, EIcon::kStop);
  }
}

void CDetectedMovesDlg::Exclude() {
  const std::vector<size_t> rows = Selected();
  if (rows.empty()) {
    m_prompter.Show("Please select files to exclude.", EIcon::kExclamation);
    return;
  }
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    m_moves.erase(m_moves.begin() + static_cast<ptrdiff_t>(*row));
  }
  ShowRows(false);  // the order stays; only the rows went
}

void CDetectedMovesDlg::MoveFiles() {
  if (m_moves.empty()) {
    m_prompter.Show("There are no files to move.", EIcon::kExclamation);
    return;
  }
  if (!Selected().empty()) {
    // Moving is for every listed file, whatever is selected.
    const bool go = m_prompter.AskYesNo("All listed files will be moved.  Continue?", EAnswer::kNo);
    m_view->selectionModel()->clearSelection();
    if (!go) {
      return;
    }
  }
  try {
    const auto rows = static_cast<int32_t>(m_moves.size());
    int32_t moved = 0;
    {
      CQtCommandFeedback feedback;
      CBusyScope busy(feedback);
      moved = MoveDetectedFiles(m_moves, m_list);
    }
    m_listChanged = m_listChanged || moved > 0;
    ShowRows(false);
    m_prompter.Show(MovedFilesText(moved, rows, m_format), EIcon::kInformation);
    if (m_moves.empty()) {
      accept();
    }
  } catch (const std::bad_alloc&) {
    m_prompter.Show(kOutOfMemoryText, EIcon::kStop);
  }
}
