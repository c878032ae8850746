// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/PreviewListDlg.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <array>

#include "core/Options.h"
#include "core/ui/Widgets.h"
#include "listops/FolderRows.h"
#include "listops/ListCommands.h"
#include "listops/ui/ContextMenu.h"
#include "listops/ui/FolderListDlg.h"
#include "listops/ui/PreviewListHost.h"
#include "listops/ui/RowSelection.h"
#include "listops/ui/StrayFoldersDlg.h"
#include "platform/OptionStore.h"
#include "platform/TextUtil.h"
#include "preview/ListData.h"
#include "preview/PreviewList.h"
#include "preview/ui/PreviewListModel.h"

namespace {

constexpr const char* kSection = "Preview";

std::string ColumnValue(int column) {
  return platform::Format("Col %d", column);
}

}  // namespace

CPreviewListDlg::CPreviewListDlg(CPreviewList& list, CPreviewListHost& host, CPrompter& prompter,
                                 CLaunchPool& launches, SProgramOptions& options, QWidget* parent)
    : QDialog(parent),
      m_list(list),
      m_host(host),
      m_prompter(prompter),
      m_launches(launches),
      m_options(options) {
  setObjectName(QStringLiteral("previewListWindow"));
  setWindowTitle(QStringLiteral("Brevant Preview List"));
  // No maximise and no close: Esc and the Minimize button put the window away.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
  m_model = new CPreviewListModel(list, this);
  m_model->SetDragPaths([this](const std::vector<size_t>& rows) {
    return DragPaths(m_list, rows, m_host.CopyMode());
  });
  m_view = new QTableView(this);
  m_view->setObjectName(QStringLiteral("previewList"));
  m_view->setModel(m_model);
  m_view->setAccessibleName(QStringLiteral("Preview list"));
  SetUpRowList(m_view);
  if (options.m_previewFixedFont != 0) {
    m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    SetUpRowList(m_view);  // row heights follow the font
  }
  m_view->setSortingEnabled(false);
  m_view->setDragEnabled(true);
  m_view->setDragDropMode(QAbstractItemView::DragOnly);
  m_view->setDefaultDropAction(Qt::CopyAction);
  m_view->setTextElideMode(Qt::ElideMiddle);
  // The indicator stays shown (on no column while unsorted), so fitted columns leave room
  // for its arrow.
  m_view->horizontalHeader()->setSortIndicatorShown(true);
  m_view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  m_view->horizontalHeader()->setSectionsClickable(true);
  connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this, &CPreviewListDlg::SortBy);
  // The list forgets its order when it is emptied; the header follows.
  connect(m_model, &QAbstractItemModel::modelReset, this, &CPreviewListDlg::ShowSortIndicator);
  connect(m_model, &QAbstractItemModel::rowsRemoved, this, &CPreviewListDlg::ShowSortIndicator);
  connect(m_model, &QAbstractItemModel::layoutChanged, this, &CPreviewListDlg::ShowSortIndicator);

  m_commands = new CContextMenu(list, m_view, host, prompter, launches, options, this);
  m_view->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_view, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { m_commands->Popup(at); });
  connect(m_view, &QAbstractItemView::doubleClicked, this,
          [this] { m_commands->Run(EListCommand::kOpenFile); });

  m_folderList = MakeButton(QStringLiteral("&Folder List"), "folderListButton", this);
  m_strayFolders =
      MakeButton(QStringLiteral("&Stray Destination Folders"), "strayFoldersButton", this);
  m_minimize = MakeButton(QStringLiteral("&Minimize"), "minimizeButton", this);
  for (QPushButton* button : {m_folderList, m_strayFolders, m_minimize}) {
    button->setAutoDefault(false);
  }
  m_folderList->setEnabled(false);
  m_strayFolders->setEnabled(false);
  connect(m_folderList, &QPushButton::clicked, this, &CPreviewListDlg::ShowFolderList);
  connect(m_strayFolders, &QPushButton::clicked, this, &CPreviewListDlg::ShowStrayFolders);
  connect(m_minimize, &QPushButton::clicked, this, &QWidget::showMinimized);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_folderList);
  buttons->addWidget(m_strayFolders);
  buttons->addStretch();
  buttons->addWidget(m_minimize);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_view, 1);
  layout->addLayout(buttons);
  setMinimumWidth(buttons->sizeHint().width() + layout->contentsMargins().left() +
                  layout->contentsMargins().right());
  resize(fontMetrics().averageCharWidth() * 120, fontMetrics().height() * 22);
  SetInitialWidths();
}

CPreviewListDlg::~CPreviewListDlg() {
  SaveWidths();
}

void CPreviewListDlg::SetInitialWidths() {
  std::array<int, kPreviewColumnCount> widths{};
  bool recalled = m_options.m_recallColumnWidths != 0;
  if (recalled) {
    const platform::COptionStore store;
    for (int column = 0; column < kPreviewColumnCount; ++column) {
      widths[column] = store.GetInt(kSection, ColumnValue(column), 0);
      recalled = recalled && widths[column] > 0;
    }
  }
  if (!recalled) {
    // A tenth of the list's width as the unit, shared out as the columns' usual widths.
    const QMargins margins = layout()->contentsMargins();
    const int u = (width() - margins.left() - margins.right() - 2 * m_view->frameWidth()) / 10;
    widths = {3 * u, 22 * u / 4, 7 * u / 2, 2 * u, 5 * u / 2, 2 * u, 5 * u / 4};
  }
  for (int column = 0; column < kPreviewColumnCount; ++column) {
    m_view->setColumnWidth(column, widths[column]);
  }
}

void CPreviewListDlg::SaveWidths() const {
  platform::COptionStore store;
  for (int column = 0; column < kPreviewColumnCount; ++column) {
    store.SetInt(kSection, ColumnValue(column), m_view->columnWidth(column));
  }
  store.Sync();
}

void CPreviewListDlg::SortBy(int column) {
  if (!m_view->isEnabled() || m_list.Empty()) {
    return;  // sorting is locked while a preview or copy runs
  }
  m_list.SortByColumn(column);
  ShowSortIndicator();
}

void CPreviewListDlg::ShowSortIndicator() {
  QHeaderView* header = m_view->horizontalHeader();
  const int column = m_list.SortColumn();
  header->setSortIndicator(column, m_list.Descending() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void CPreviewListDlg::FitColumns() {
  if (m_model->rowCount() > 0) {
    m_view->resizeColumnsToContents();
  }
}

void CPreviewListDlg::EnableCommands(bool enable) {
  m_view->setEnabled(enable);
}

void CPreviewListDlg::EnableFolderList(bool enable) {
  m_folderList->setEnabled(enable);
}

void CPreviewListDlg::EnableStrayFolders(bool enable) {
  m_strayFolders->setEnabled(enable);
}

void CPreviewListDlg::ShowFolderList() {
  CFolderListDlg dialog(FolderRows(m_host.Counts()), m_host.Format(), this);
  if (!m_folderListGeometry.isEmpty()) {
    dialog.restoreGeometry(m_folderListGeometry);
  }
  const bool chosen = dialog.exec() == QDialog::Accepted;
  m_folderListGeometry = dialog.saveGeometry();
  if (chosen) {
    SelectFolder(dialog.ChosenFolder());
  }
}

void CPreviewListDlg::SelectFolder(const std::string& folder) {
  m_view->setUpdatesEnabled(false);
  const std::vector<size_t> rows = RowsInFolder(m_list, folder);
  SelectRows(m_view, rows);
  if (!rows.empty()) {
    const QModelIndex first = m_model->index(static_cast<int>(rows.front()), 0);
    m_view->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    m_view->scrollTo(first);
  }
  m_view->setUpdatesEnabled(true);
  m_view->setFocus();
}

void CPreviewListDlg::ShowStrayFolders() {
  CStrayFoldersDlg dialog(m_host.StrayFolders(), m_host.Format(), m_launches, m_prompter, this);
  if (!m_strayFoldersGeometry.isEmpty()) {
    dialog.restoreGeometry(m_strayFoldersGeometry);
  }
  dialog.exec();
  m_strayFoldersGeometry = dialog.saveGeometry();
}

void CPreviewListDlg::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    emit shownChanged(!isMinimized());
  }
  QDialog::changeEvent(event);
}

void CPreviewListDlg::contextMenuEvent(QContextMenuEvent* event) {
  // The window manager's window menu is not the program's to extend; the window's own
  // background (beside the buttons) offers its command instead.
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("previewWindowMenu"));
  menu.addAction(QStringLiteral("Sn&ap to Main Window"), this,
                 [this] { m_host.SnapToMainWindow(); });
  menu.exec(event->globalPos());
}

void CPreviewListDlg::reject() {
  showMinimized();
}
