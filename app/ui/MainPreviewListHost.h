// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QByteArray>
#include <functional>

#include "listops/ui/PreviewListHost.h"

class CMainCommands;
class CMoveDetect;
class CPrompter;
class CSettingsSheet;
class QWidget;
struct SProgramOptions;

// The main window as the preview-list window sees it: the last preview's folders and stray
// folders, the profile's copy mode and Paths page, the counts line.
class CMainPreviewListHost : public CPreviewListHost {
 public:
  CMainPreviewListHost(CMainCommands& commands, CSettingsSheet& sheet,
                       const SProgramOptions& options, std::function<void()> listChanged,
                       std::function<void()> snap);

  bool RootFolders(std::string& source, std::string& destination) const override;
  int32_t CopyMode() const override;
  void ListChanged() override;
  void RememberExcludedPaths(const std::vector<std::string>& paths) override;
  std::vector<std::string> StrayFolders() const override;
  void SnapToMainWindow() override;
  const CPreviewCounts& Counts() const override;
  CFormatItem Format() const override;

  // The Detected Possible File Moves window, at its last place in this run. True when files
  // were moved.
  bool ShowDetectedMoves(CMoveDetect& detect, CPrompter& prompter, QWidget* parent);

 private:
  CMainCommands& m_commands;
  CSettingsSheet& m_sheet;
  const SProgramOptions& m_options;
  std::function<void()> m_listChanged;
  std::function<void()> m_snap;
  QByteArray m_movesGeometry;
};
