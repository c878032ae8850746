// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/ContextMenu.h"

#include <QAction>
#include <QMenu>
#include <QTableView>
#include <new>

#include "core/AppText.h"
#include "core/Options.h"
#include "core/Prompter.h"
#include "listops/Comparison.h"
#include "listops/LaunchJob.h"
#include "listops/ui/CompareDetailsDlg.h"
#include "listops/ui/CompareDlg.h"
#include "listops/ui/CompareSetupDlg.h"
#include "listops/ui/OpenWithDlg.h"
#include "listops/ui/PreviewListHost.h"
#include "listops/ui/RenameFileDlg.h"
#include "listops/ui/RowSelection.h"
#include "preview/ListData.h"
#include "preview/PreviewList.h"

namespace {

void AddItems(QMenu* menu, const std::vector<SMenuItem>& items,
              const std::function<void(EListCommand)>& run) {
  for (const SMenuItem& item : items) {
    if (item.IsSeparator()) {
      menu->addSeparator();
    } else if (!item.submenu.empty()) {
      QMenu* submenu = menu->addMenu(QString::fromStdString(item.text));
      AddItems(submenu, item.submenu, run);
    } else {
      QAction* action = menu->addAction(QString::fromStdString(item.text));
      const EListCommand command = item.command;
      QObject::connect(action, &QAction::triggered, menu, [run, command] { run(command); });
    }
  }
}

}  // namespace

CContextMenu::CContextMenu(CPreviewList& list, QTableView* view, CPreviewListHost& host,
                           CPrompter& prompter, CLaunchPool& launches, SProgramOptions& options,
                           QWidget* window)
    : QObject(window),
      m_list(list),
      m_view(view),
      m_host(host),
      m_prompter(prompter),
      m_launches(launches),
      m_options(options),
      m_window(window) {}

QMenu* CContextMenu::MakeMenu(size_t row, QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(QStringLiteral("previewListMenu"));
  if (row < m_list.Count()) {
    AddItems(menu, RowMenuItems(RowMenuFor(m_list.Row(row))),
             [this](EListCommand command) { Run(command); });
  }
  return menu;
}

void CContextMenu::Popup(const QPoint& viewportPosition) {
  const QModelIndex index = m_view->indexAt(viewportPosition);
  if (!index.isValid() || !m_view->isEnabled()) {
    return;
  }
  QMenu* menu = MakeMenu(static_cast<size_t>(index.row()), m_view);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(m_view->viewport()->mapToGlobal(viewportPosition));
}

void CContextMenu::Run(EListCommand command) {
  if (!m_view->isEnabled()) {
    return;  // a preview or copy runs: the list's commands wait
  }
  try {
    switch (command) {
      case EListCommand::kOpenFile:
        OpenFile();
        break;
      case EListCommand::kNotepad:
        OpenWith("notepad.exe");
        break;
      case EListCommand::kWordpad:
        OpenWith("wordpad.exe");
        break;
      case EListCommand::kChoose:
        Choose();
        break;
      case EListCommand::kRenameFile:
        Rename();
        break;
      case EListCommand::kRestoreFile:
        Restore();
        break;
      case EListCommand::kOpenContainingFolder:
        OpenContainingFolder();
        break;
      case EListCommand::kCompareOverview:
        CompareOverview();
        break;
      case EListCommand::kCompareMatches:
        CompareMatches();
        break;
      case EListCommand::kCompareDetails:
        CompareDetails();
        break;
      case EListCommand::kExcludeAndRemember:
        Exclude(true);
        break;
      case EListCommand::kExcludeAndForget:
        Exclude(false);
        break;
      case EListCommand::kSelectAll:
        SelectAll();
        break;
      case EListCommand::kSelectNone:
        SelectNone();
        break;
      case EListCommand::kInvertSelection:
        Invert();
        break;
      case EListCommand::kRecycle:
        Dispose(EDisposal::kRecycle);
        break;
      case EListCommand::kDelete:
        Dispose(EDisposal::kDelete);
        break;
      case EListCommand::kNone:
        break;
    }
  } catch (const std::bad_alloc&) {
    m_view->setUpdatesEnabled(true);
    m_prompter.Show(kOutOfMemoryText, EIcon::kStop);
  }
}

long CContextMenu::MarkedRow() const {
  const long row = SelectionMark(m_view);
  return row >= 0 && static_cast<size_t>(row) < m_list.Count() ? row : -1;
}

void CContextMenu::Launch(const SLaunchRequest& request) {
  m_launches.Launch(request.target, request.explore, request.parameters);
}

void CContextMenu::OpenFile() {
  const long row = MarkedRow();
  if (row < 0) {
    return;
  }
  if (const auto request = OpenFileRequest(m_list.Row(static_cast<size_t>(row)))) {
    Launch(*request);
  }
}

void CContextMenu::OpenWith(const std::string& program) {
  const long row = MarkedRow();
  if (row >= 0) {
    Launch(OpenWithRequest(program, m_list.Row(static_cast<size_t>(row))));
  }
}

void CContextMenu::Choose() {
  const long row = MarkedRow();
  if (row < 0) {
    return;
  }
  COpenWithDlg dialog(m_prompter, m_launches, m_list.Row(static_cast<size_t>(row)).FullPath(),
                      m_window);
  dialog.exec();
}

void CContextMenu::Rename() {
  const long row = MarkedRow();
  if (row < 0) {
    return;
  }
  // The row is held, not its index: nothing else changes the list while the window is open,
  // but the row is what the rename is about.
  CFilesListCtrlData* data = &m_list.Row(static_cast<size_t>(row));
  CRenameFileDlg dialog(
      data->Folder(), data->name, m_options.m_renameFixedFont != 0,
      [data](const std::string& newName) { return RenameRowFile(*data, newName); }, m_prompter,
      m_window);
  const bool renamed = dialog.exec() == QDialog::Accepted && dialog.Renamed();
  m_options.m_renameFixedFont = dialog.FixedFont() ? 1 : 0;
  if (!renamed) {
    return;
  }
  const long at = m_list.IndexOf(data);
  if (at < 0) {
    m_prompter.Show(
        "The file was renamed but cannot update the preview-list display.  Press the Preview "
        "button again.",
        EIcon::kExclamation);
    return;
  }
  m_list.RowsChanged(static_cast<size_t>(at), static_cast<size_t>(at));
}

void CContextMenu::Restore() {
  const long row = MarkedRow();
  std::string source;
  std::string destination;
  if (row < 0 || !m_host.RootFolders(source, destination)) {
    return;
  }
  if (RestoreFile(m_list, static_cast<size_t>(row), source, destination, m_prompter, m_feedback)) {
    m_host.ListChanged();
  }
}

void CContextMenu::OpenContainingFolder() {
  const long row = MarkedRow();
  if (row >= 0) {
    Launch(ContainingFolderRequest(m_list.Row(static_cast<size_t>(row))));
  }
}

std::vector<SCompareRecord> CContextMenu::SelectedRecords() const {
  std::string source;
  std::string destination;
  if (!m_host.RootFolders(source, destination)) {
    return {};
  }
  return MakeCompareRecords(m_list, SelectedRows(m_view), source, destination, m_host.CopyMode());
}

void CContextMenu::RemoveComparedRow(const SCompareRecord& record) {
  const long at = m_list.IndexOf(record.data);
  if (at >= 0) {
    m_list.Remove(static_cast<size_t>(at));
    m_host.ListChanged();
  }
}

void CContextMenu::CompareOverview() {
  std::vector<SCompareRecord> records = SelectedRecords();
  if (records.empty()) {
    return;
  }
  CCompareDlg dialog(
      std::move(records), m_prompter, m_launches, m_host.Format(), m_list.Today(), true,
      [this](const SCompareRecord& record) { RemoveComparedRow(record); }, m_window);
  dialog.exec();
}

void CContextMenu::CompareMatches() {
  const std::vector<SCompareRecord> records = SelectedRecords();
  if (!records.empty() &&
      CompareMatchesCommand(m_list, records, m_prompter, m_host.Format(), m_feedback)) {
    m_host.ListChanged();
  }
}

void CContextMenu::CompareDetails() {
  std::vector<SCompareRecord> records = SelectedRecords();
  if (records.empty()) {
    return;
  }
  const std::string program = ChooseCompareProgram(m_prompter, m_launches, m_window);
  if (program.empty()) {
    return;
  }
  if (records.size() == 1) {
    LaunchComparison(m_launches, program, records.front());
    return;
  }
  CCompareDetailsDlg dialog(std::move(records), program, m_launches, m_window);
  dialog.exec();
}

void CContextMenu::Suspended(const std::function<void()>& work) {
  m_view->setUpdatesEnabled(false);
  work();
  m_view->setUpdatesEnabled(true);
  m_view->viewport()->update();
}

void CContextMenu::Exclude(bool remember) {
  const std::vector<size_t> rows = SelectedRows(m_view);
  if (rows.empty()) {
    return;
  }
  std::vector<std::string> paths;
  Suspended([&] {
    // The rows all go: their selection goes first, which spares the view following each one.
    m_view->selectionModel()->clearSelection();
    paths = ExcludeRows(m_list, rows);
  });
  if (remember) {
    m_host.RememberExcludedPaths(paths);
  }
  m_host.ListChanged();
}

void CContextMenu::SelectAll() {
  Suspended([&] { m_view->selectAll(); });
}

void CContextMenu::SelectNone() {
  Suspended([&] { m_view->selectionModel()->clearSelection(); });
}

void CContextMenu::Invert() {
  Suspended([&] { InvertSelection(m_view); });
}

void CContextMenu::Dispose(EDisposal how) {
  const std::vector<size_t> rows = SelectedRows(m_view);
  if (rows.empty()) {
    return;
  }
  SDisposalResult result;
  Suspended([&] {
    m_view->selectionModel()->clearSelection();
    result = DisposeOfRows(m_list, rows, how, m_prompter, m_host.Format(), m_feedback);
    // Files that could not go keep their rows, still selected; so does everything when the
    // user said No.
    SelectRows(m_view, result.confirmed ? result.kept : rows);
  });
  if (result.removed > 0) {
    m_host.ListChanged();
  }
}
