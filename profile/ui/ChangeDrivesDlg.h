// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <string>

class CPrompter;
class QComboBox;

// "Change Drive Letters": new drive letters for the source and destination folders, chosen
// among the drives present.
class CChangeDrivesDlg : public QDialog {
  Q_OBJECT

 public:
  // `letters`: the drives present ("CDE").
  CChangeDrivesDlg(char source, char destination, const std::string& letters, CPrompter& prompter,
                   QWidget* parent = nullptr);

  // The letters chosen: the old one where "---" stays.
  char NewSource() const;
  char NewDestination() const;

 public slots:
  // Asks first when two different drives would become the same.
  void accept() override;

 private:
  CPrompter& m_prompter;
  char m_source;
  char m_destination;
  QComboBox* m_newSource = nullptr;
  QComboBox* m_newDestination = nullptr;
};

// The window as the Folders page and the main window's tools open it. False when the user
// cancels; otherwise the new letters (equal to the old ones where nothing changes).
bool ShowChangeDrives(QWidget* parent, CPrompter& prompter, char source, char destination,
                      char& newSource, char& newDestination);
