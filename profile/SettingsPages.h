// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include "profile/SettingsState.h"

// The settings pages as the profile list sees them: they hold the current profile's live
// settings. The windows implement it with the real pages; tests and the command-line runner
// with a plain holder.
class CSettingsPages {
 public:
  virtual ~CSettingsPages() = default;
  // A snapshot of every page.
  virtual CSettingsState Take() const = 0;
  // Loads every page from a record (the Folders page first).
  virtual void Apply(const CSettingsState& settings) = 0;
  // Empties the text fields of the list pages, leaving their lists alone.
  virtual void ClearEditors() = 0;
};

// Settings pages without windows: the settings are just kept.
class CSettingsHolder : public CSettingsPages {
 public:
  CSettingsState Take() const override { return m_settings; }
  void Apply(const CSettingsState& settings) override { m_settings = settings; }
  void ClearEditors() override {}

  CSettingsState& Settings() { return m_settings; }

 private:
  CSettingsState m_settings;
};
