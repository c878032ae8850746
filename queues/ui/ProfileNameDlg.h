// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>

#include "queues/ProfileCommands.h"

class QCheckBox;
class QLineEdit;

// The window that asks for a profile's name: "New Profile Name" for a new profile, "Change
// Profile Name" for a rename, where the settings always stay (the box is checked and cannot
// be changed).
class CProfileNameDlg : public QDialog {
  Q_OBJECT

 public:
  enum class EPurpose { kNew, kRename };
  CProfileNameDlg(EPurpose purpose, const SProfileNameEntry& entry, QWidget* parent = nullptr);

  SProfileNameEntry Entry() const;

 private:
  QLineEdit* m_name = nullptr;
  QCheckBox* m_retain = nullptr;
};
