// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "queues/ProfileCommands.h"
#include "queues/ui/ProfileNameDlg.h"

class CProfileList;
class CPrompter;
class QComboBox;
class QLineEdit;
class QPushButton;

// The Profiles page of the settings sheet: the profile list, from which choosing a name makes
// that profile current (its settings go into the pages); New, Rename, Restore and Delete;
// the history of profiles visited; the search; saving and reading the data file.
class CProfilesPage : public QWidget {
  Q_OBJECT

 public:
  // What the page asks of the main window.
  struct SActions {
    std::function<void()> preview;       // presses its Preview button
    std::function<void()> showDataPath;  // where the data file is
    std::function<void()> saveData;      // "S&ave Data File"
    std::function<void()> loadData;      // "L&oad Data File"
  };

  CProfilesPage(CProfileList& profiles, CPrompter& prompter, SActions actions,
                QWidget* parent = nullptr);

  // The names, the current one and the history buttons again, after the list changed.
  void Refresh();

 signals:
  // A command of the page may have changed the profiles, and with them the queues' names.
  void profilesChanged();

 private:
  void Choose(int index);
  void NewProfile();
  void RenameProfile();
  void Find(bool first);
  void Done();
  std::optional<SProfileNameEntry> AskName(CProfileNameDlg::EPurpose purpose,
                                           const SProfileNameEntry& entry);

  CProfileList& m_profiles;
  CPrompter& m_prompter;
  SActions m_actions;
  QLineEdit* m_search = nullptr;
  QComboBox* m_names = nullptr;
  QPushButton* m_first = nullptr;
  QPushButton* m_previous = nullptr;
  QPushButton* m_next = nullptr;
  QPushButton* m_last = nullptr;
};
