// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <QTimer>
#include <string>

#include "copy/CopyMsgs.h"

class QCheckBox;
class QLabel;
class QPushButton;

// The "Copy Error Message" window: what went wrong while copying, whether to go on, and
// whether to show this kind of error again. Unless its countdown is stopped it closes by
// itself after ten seconds as Yes, so an unattended copy goes on. Esc and the close box
// answer No.
class CCopyMsgDlg : public QDialog {
  Q_OBJECT

 public:
  // `tickMs` is the countdown's second (tests make it shorter).
  CCopyMsgDlg(const std::string& error, const std::string& reason, const std::string& path,
              bool keepShowing, QWidget* parent = nullptr, int tickMs = 1000);

  // Yes: go on copying.
  bool GoOn() const { return m_goOn; }
  // The "&Continue displaying this error message." box as the user left it.
  bool KeepShowing() const;

 public slots:
  void reject() override;  // Esc and the close box: No

 private:
  void Answer(bool goOn);
  void Tick();
  void StopCountdown();

  CErrorCountdown m_countdown;
  QTimer m_timer;
  QCheckBox* m_keepShowing = nullptr;
  QLabel* m_countdownText = nullptr;
  QPushButton* m_stopCountdown = nullptr;
  bool m_goOn = false;
  bool m_answered = false;
};
