// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include "profile/PageRules.h"
#include "profile/ui/SettingsPage.h"

class CPrompter;
class QButtonGroup;
class QComboBox;
class QLineEdit;

// The Sizes page: no size filtering, or file sizes of at least and/or at most a number of
// bytes, kilobytes, megabytes or gigabytes.
class CSizesPage : public CSettingsPage {
  Q_OBJECT

 public:
  CSizesPage(CPrompter& prompter, QWidget* parent = nullptr);

  void Read(CSettingsState& settings) const override;
  void ApplyEnables() override;
  void ShowTexts(SShownSettings& shown) const override;
  // Checks the page before it is left: limits without a checked bound fall back to no size
  // filtering; a least size above the most size is refused with a message. False keeps the
  // page.
  bool Validate();

 protected:
  void Show(const CSettingsState& settings) override;

 private:
  struct SBound {
    QCheckBox* use = nullptr;
    QLineEdit* size = nullptr;
    QComboBox* unit = nullptr;
  };
  SBound MakeBound(std::string_view caption, const char* checkName, const char* sizeName,
                   const char* unitName);
  SSizesPage Controls() const;
  void ShowControls(const SSizesPage& page);
  void OnUnitChosen(const SBound& bound);

  CPrompter& m_prompter;
  QButtonGroup* m_modes = nullptr;
  SBound m_least;
  SBound m_most;
};
