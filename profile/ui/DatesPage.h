// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <functional>

#include "platform/DateTime.h"
#include "profile/PageRules.h"
#include "profile/ui/SettingsPage.h"

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QTimeEdit;

// The Dates page: no date filtering, today, during the last N days/weeks/months/years, or a
// range of dates with times of day.
class CDatesPage : public CSettingsPage {
  Q_OBJECT

 public:
  explicit CDatesPage(QWidget* parent = nullptr);

  void Read(CSettingsState& settings) const override;
  void ApplyEnables() override;
  void ShowTexts(SShownSettings& shown) const override;
  // Where "today" and "now" come from (the local clock unless a test says otherwise).
  void SetClock(std::function<platform::CDateTime()> now) { m_now = std::move(now); }

 protected:
  void Show(const CSettingsState& settings) override;

 private:
  SDatesPage Controls() const;
  void ShowControls(const SDatesPage& page);
  void OnModeChosen(int mode);
  void OnBoundClicked(bool fromBound, bool checked);

  std::function<platform::CDateTime()> m_now = [] { return platform::CDateTime::Now(); };
  QButtonGroup* m_modes = nullptr;
  QLineEdit* m_count = nullptr;
  QComboBox* m_unit = nullptr;
  QCheckBox* m_useFrom = nullptr;
  QDateEdit* m_fromDate = nullptr;
  QTimeEdit* m_fromTime = nullptr;
  QCheckBox* m_useThrough = nullptr;
  QDateEdit* m_throughDate = nullptr;
  QTimeEdit* m_throughTime = nullptr;
};
