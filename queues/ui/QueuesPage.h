// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QByteArray>
#include <QWidget>

#include "queues/QueueCommands.h"

class CProfileList;
class CPrompter;
class CQueueList;
class QComboBox;
class QLabel;
class QPushButton;
class QStringListModel;
class QTableView;

// The Queues page of the settings sheet: the queues, each an ordered list of profiles, which
// are previewed one after another (Preview First, Preview Next) or copied in one run with one
// report (Copy All); Setup opens the Queue Setup window.
class CQueuesPage : public QWidget {
  Q_OBJECT

 public:
  CQueuesPage(CQueueList& queues, CProfileList& profiles, CPrompter& prompter,
              CQueueCommands::SActions actions, QWidget* parent = nullptr);

  // The queue list, the selected queue's profiles and the buttons again, after the queues
  // changed (a profile renamed or deleted, the data file read, a run ended).
  void Refresh();

 private:
  void OpenSetup();
  void RefreshButtons();
  void SequenceRowChosen();

  CQueueList& m_queues;
  CPrompter& m_prompter;
  CQueueCommands m_commands;
  QPushButton* m_previewNext = nullptr;
  QComboBox* m_names = nullptr;
  QStringListModel* m_sequenceModel = nullptr;
  QTableView* m_sequence = nullptr;
  QLabel* m_count = nullptr;
  QByteArray m_setupGeometry;  // where Queue Setup was last closed, for this run
  bool m_refreshing = false;
};
