// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/PreviewListDlg.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

#include "core/ui/Widgets.h"
#include "preview/ListData.h"
#include "preview/ui/PreviewListModel.h"

CPreviewListDlg::CPreviewListDlg(CPreviewList& list, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("previewListWindow"));
  setWindowTitle(QStringLiteral("Brevant Preview List"));
  setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  m_model = new CPreviewListModel(list, this);
  m_view = new QTableView(this);
  m_view->setObjectName(QStringLiteral("previewList"));
  m_view->setModel(m_model);
  m_view->setAccessibleName(QStringLiteral("Preview list"));
  SetUpRowList(m_view);
  m_view->setSortingEnabled(false);
  m_view->horizontalHeader()->setSortIndicatorShown(true);
  m_view->horizontalHeader()->setSectionsClickable(true);
  // A header click sorts by that column; the same column again reverses the order.
  connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
    if (!m_view->isEnabled()) {
      return;
    }
    const bool again = m_view->horizontalHeader()->sortIndicatorSection() == column &&
                       m_view->horizontalHeader()->isSortIndicatorShown();
    const Qt::SortOrder order =
        again && m_view->horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder
            ? Qt::DescendingOrder
            : Qt::AscendingOrder;
    m_model->sort(column, order);
    m_view->horizontalHeader()->setSortIndicator(column, order);
  });
  m_view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);

  m_minimize = MakeButton(QStringLiteral("&Minimize"), "minimizeButton", this);
  connect(m_minimize, &QPushButton::clicked, this, &QWidget::showMinimized);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_minimize);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_view, 1);
  layout->addLayout(buttons);
  resize(fontMetrics().averageCharWidth() * 120, fontMetrics().height() * 22);
  SetDefaultWidths();
}

void CPreviewListDlg::SetDefaultWidths() {
  // A tenth of the list's width as the unit, shared out as the columns' usual widths.
  const int u = width() / 10;
  const int widths[kPreviewColumnCount] = {3 * u,     22 * u / 4, 7 * u / 2, 2 * u,
                                           5 * u / 2, 2 * u,      5 * u / 4};
  for (int column = 0; column < kPreviewColumnCount; ++column) {
    m_view->setColumnWidth(column, widths[column]);
  }
}

void CPreviewListDlg::FitColumns() {
  if (m_model->rowCount() > 0) {
    m_view->resizeColumnsToContents();
  }
}

void CPreviewListDlg::EnableCommands(bool enable) {
  m_view->setEnabled(enable);
}

void CPreviewListDlg::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    emit shownChanged(!isMinimized());
  }
  QDialog::changeEvent(event);
}

void CPreviewListDlg::reject() {
  showMinimized();
}
