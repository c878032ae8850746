// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <cstddef>

#include "profile/ListCommands.h"

class QButtonGroup;
class QCheckBox;

// "Confirm Drop Type": how items dropped on the Subfolders list (include, with or without
// subfolders, or exclude) or on the File/Folder Names list (match or exclude) are tagged.
class CConfirmDropDlg : public QDialog {
  Q_OBJECT

 public:
  CConfirmDropDlg(EListKind kind, size_t count, EEntryTag preset, QWidget* parent = nullptr);

  EEntryTag Tag() const;

 private:
  void ApplyEnables();

  EListKind m_kind;
  QButtonGroup* m_tags = nullptr;
  QCheckBox* m_withSubfolders = nullptr;
};
