// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "profile/ui/EditorContext.h"
#include "profile/ui/SettingsPage.h"

class QButtonGroup;
class QLineEdit;

// The Folders page: the source and destination folders and the copy mode, with the commands
// that choose folders (Select, Browse), append part of the source to the destination, and
// move both to other drives.
class CFoldersPage : public CSettingsPage {
  Q_OBJECT

 public:
  explicit CFoldersPage(SEditorContext& context, QWidget* parent = nullptr);

  void Read(CSettingsState& settings) const override;
  void SetNameFont(const QFont& font) override;

  int32_t CopyMode() const;
  // The source path as the box holds it now.
  std::string SourceText() const;
  // The folder texts as the checks before a run corrected them.
  void SetFolderTexts(const std::string& source, const std::string& destination);

 signals:
  // The copy mode changed, by the user or by loading a profile.
  void copyModeChanged(int mode);
  // "Change Drives Letters" moved the source folder from one drive to another.
  void sourceDriveChanged(char from, char to);

 protected:
  void Show(const CSettingsState& settings) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnModeChosen();
  void OnSelect(QLineEdit* box);
  void OnBrowse(QLineEdit* box, const QString& title);
  void OnAppend();
  void OnChangeDrives();
  void OnDropped(QLineEdit* box, const std::vector<std::string>& paths);

  SEditorContext& m_context;
  QLineEdit* m_source = nullptr;
  QLineEdit* m_destination = nullptr;
  QButtonGroup* m_modes = nullptr;
  // The part of the source path selected when the box last lost the focus: pressing a
  // button takes the focus, and a text box forgets its selection then.
  QString m_sourceSelection;
};
