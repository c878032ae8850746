// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>

#include "queues/QueueSetup.h"

class CPrompter;
class CQueueList;
class QLineEdit;
class QPushButton;
class QStringListModel;
class QTableView;

// The "Queue Setup" window: a queue's name and the profiles it runs, in order, chosen from
// all profiles. OK takes the entries only when they pass the queue's checks.
class CQueueSetupDlg : public QDialog {
  Q_OBJECT

 public:
  CQueueSetupDlg(CQueueSetup setup, const CQueueList& queues, CPrompter& prompter,
                 QWidget* parent = nullptr);

  const CQueueSetup& Setup() const { return m_setup; }
  // The name as typed.
  std::string Name() const;

 public slots:
  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void NewQueue();
  void MoveRight();
  void MoveLeft();
  void MoveWithin(bool up);
  void ShowLists(const RowSet& availableRows, const RowSet& selectedRows);
  void UpdateButtons();

  CQueueSetup m_setup;
  const CQueueList& m_queues;
  CPrompter& m_prompter;
  QLineEdit* m_name = nullptr;
  QStringListModel* m_availableModel = nullptr;
  QStringListModel* m_selectedModel = nullptr;
  QTableView* m_available = nullptr;
  QTableView* m_selected = nullptr;
  QPushButton* m_right = nullptr;
  QPushButton* m_left = nullptr;
  QPushButton* m_up = nullptr;
  QPushButton* m_down = nullptr;
};
