// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QWidget>

class CProfileList;
class QComboBox;

// The Profiles page of the settings sheet: the profile list, from which choosing a name makes
// that profile current (its settings go into the pages).
class CProfilesPage : public QWidget {
  Q_OBJECT

 public:
  explicit CProfilesPage(CProfileList& profiles, QWidget* parent = nullptr);

  // The names and the current one again, after the list changed.
  void Refresh();

 private:
  void Choose(int index);

  CProfileList& m_profiles;
  QComboBox* m_names = nullptr;
};
