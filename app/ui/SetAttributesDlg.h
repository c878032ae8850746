// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

class QCheckBox;
class QPushButton;

// The Set Attributes window: which of the archive, read-only and hidden marks to give the
// profile's source files, with Add In and Replace. While a run goes on, the pressed button
// reads Stop, either button stops it, and the window cannot be closed.
class CSetAttributesDlg : public QDialog {
  Q_OBJECT

 public:
  // Carries out one run: the chosen attributes, Add In (true) or Replace, and the check that
  // gives the window its turn and says whether the user asked to stop.
  using Runner =
      std::function<void(uint32_t chosen, bool addIn, const std::function<bool()>& aborted)>;

  explicit CSetAttributesDlg(Runner run, QWidget* parent = nullptr);

  bool Running() const { return m_running; }
  // The attributes the boxes choose.
  uint32_t Chosen() const;

  void reject() override;  // Esc and the close box, refused while a run goes on

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Pressed(QPushButton* button, bool addIn);

  Runner m_run;
  bool m_running = false;
  bool m_abort = false;
  QCheckBox* m_archive = nullptr;
  QCheckBox* m_readOnly = nullptr;
  QCheckBox* m_hidden = nullptr;
  QPushButton* m_addIn = nullptr;
  QPushButton* m_replace = nullptr;
  QPushButton* m_close = nullptr;
};
