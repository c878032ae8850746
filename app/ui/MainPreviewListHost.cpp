// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ui/MainPreviewListHost.h"

#include "app/MainCommands.h"
#include "core/Options.h"
#include "listops/ui/DetectedMovesDlg.h"
#include "preview/MoveDetect.h"
#include "profile/ui/SettingsSheet.h"

CMainPreviewListHost::CMainPreviewListHost(CMainCommands& commands, CSettingsSheet& sheet,
                                           const SProgramOptions& options,
                                           std::function<void()> listChanged,
                                           std::function<void()> snap)
    : m_commands(commands),
      m_sheet(sheet),
      m_options(options),
      m_listChanged(std::move(listChanged)),
      m_snap(std::move(snap)) {}

bool CMainPreviewListHost::RootFolders(std::string& source, std::string& destination) const {
  source = m_commands.SourcePath();
  destination = m_commands.DestinationPath();
  return !source.empty() && !destination.empty();
}

int32_t CMainPreviewListHost::CopyMode() const {
  return m_sheet.CopyMode();
}

void CMainPreviewListHost::ListChanged() {
  m_commands.RefreshCounts();
  if (m_listChanged) {
    m_listChanged();
  }
}

void CMainPreviewListHost::RememberExcludedPaths(const std::vector<std::string>& paths) {
  m_sheet.RememberExcludedPaths(paths);
}

std::vector<std::string> CMainPreviewListHost::StrayFolders() const {
  return m_commands.PreviewRun().Job().StrayFolders();
}

void CMainPreviewListHost::SnapToMainWindow() {
  if (m_snap) {
    m_snap();
  }
}

const CPreviewCounts& CMainPreviewListHost::Counts() const {
  return m_commands.Counts();
}

CFormatItem CMainPreviewListHost::Format() const {
  return CFormatItem(2, m_options.m_useThousandsSep != 0, m_options.m_thousandsSep);
}

bool CMainPreviewListHost::ShowDetectedMoves(CMoveDetect& detect, CPrompter& prompter,
                                             QWidget* parent) {
  CDetectedMovesDlg dialog(detect.Moves(), m_commands.List(), prompter, Format(),
                           m_options.m_includeRenames != 0, parent);
  if (!m_movesGeometry.isEmpty()) {
    dialog.restoreGeometry(m_movesGeometry);
  }
  dialog.exec();
  m_movesGeometry = dialog.saveGeometry();
  return dialog.ListChanged();
}
