// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/ui/QueuesPage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

#include "core/ui/Widgets.h"
#include "queues/QueueList.h"
#include "queues/ui/NameList.h"
#include "queues/ui/QueueSetupDlg.h"

CQueuesPage::CQueuesPage(CQueueList& queues, CProfileList& profiles, CPrompter& prompter,
                         CQueueCommands::SActions actions, QWidget* parent)
    : QWidget(parent),
      m_queues(queues),
      m_prompter(prompter),
      m_commands(queues, profiles, prompter, std::move(actions)) {
  setObjectName(QStringLiteral("queuesPage"));
  QPushButton* previewFirst =
      MakeButton(QStringLiteral("&Preview First"), "previewFirstButton", this);
  m_previewNext = MakeButton(QStringLiteral("Preview &Next"), "previewNextButton", this);
  QPushButton* copyAll = MakeButton(QStringLiteral("&Copy All"), "copyAllButton", this);

  m_names = new QComboBox(this);
  m_names->setObjectName(QStringLiteral("queueNames"));
  m_names->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  m_names->setMinimumContentsLength(22);
  auto* namesLabel = new QLabel(QStringLiteral("&Queue:"), this);
  SetLabelFor(namesLabel, m_names);
  QPushButton* setup = MakeButton(QStringLiteral("&Setup..."), "queueSetupButton", this);
  QPushButton* remove = MakeButton(QStringLiteral("&Delete"), "deleteQueueButton", this);

  m_sequenceModel = new QStringListModel(this);
  m_sequence =
      MakeNameList(m_sequenceModel, "profileSequence", QAbstractItemView::SingleSelection, this);
  auto* sequenceLabel = new QLabel(QStringLiteral("Profile Sequence:"), this);
  SetLabelFor(sequenceLabel, m_sequence);
  m_count = new QLabel(this);
  m_count->setObjectName(QStringLiteral("profileCount"));
  m_count->setTextFormat(Qt::PlainText);
  m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  auto* runs = new QHBoxLayout;
  runs->addWidget(previewFirst);
  runs->addWidget(m_previewNext);
  runs->addWidget(copyAll);
  runs->addStretch();
  auto* queueRow = new QHBoxLayout;
  queueRow->addWidget(namesLabel);
  queueRow->addWidget(m_names, 1);
  queueRow->addWidget(setup);
  queueRow->addWidget(remove);
  auto* sequenceRow = new QHBoxLayout;
  sequenceRow->addWidget(sequenceLabel);
  sequenceRow->addStretch();
  sequenceRow->addWidget(m_count);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(runs);
  layout->addLayout(queueRow);
  layout->addLayout(sequenceRow);
  layout->addWidget(m_sequence, 1);

  const auto command = [this](void (CQueueCommands::*action)()) {
    return [this, action] {
      (m_commands.*action)();
      Refresh();
    };
  };
  connect(previewFirst, &QPushButton::clicked, this, command(&CQueueCommands::PreviewFirst));
  connect(m_previewNext, &QPushButton::clicked, this, command(&CQueueCommands::PreviewNext));
  connect(copyAll, &QPushButton::clicked, this, command(&CQueueCommands::CopyAll));
  connect(remove, &QPushButton::clicked, this, command(&CQueueCommands::Delete));
  connect(setup, &QPushButton::clicked, this, &CQueuesPage::OpenSetup);
  connect(m_names, &QComboBox::activated, this, [this](int index) {
    m_commands.ChooseQueue(index);
    Refresh();
  });
  connect(m_sequence->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CQueuesPage::SequenceRowChosen);
  Refresh();
}

void CQueuesPage::Refresh() {
  m_refreshing = true;
  m_commands.QueuesChanged();
  {
    const QSignalBlocker quiet(m_names);
    m_names->clear();
    for (size_t i = 0; i < m_queues.Count(); ++i) {
      m_names->addItem(QString::fromStdString(m_queues.At(i).name));
    }
    m_names->setCurrentIndex(m_queues.Selected());
  }
  const int row = m_commands.SequenceRow();
  ShowNames(m_sequence, m_commands.Sequence(),
            row >= 0 ? RowSet{static_cast<size_t>(row)} : RowSet{});
  m_count->setText(QString::fromStdString(m_commands.CountText()));
  m_refreshing = false;
  RefreshButtons();
}

void CQueuesPage::RefreshButtons() {
  m_previewNext->setEnabled(m_commands.CanPreviewNext());
}

void CQueuesPage::SequenceRowChosen() {
  if (m_refreshing) {
    return;
  }
  const RowSet rows = SelectedRows(m_sequence);
  m_commands.SetSequenceRow(rows.empty() ? -1 : static_cast<int>(rows.front()));
  RefreshButtons();
}

void CQueuesPage::OpenSetup() {
  CQueueSetupDlg dialog(m_commands.OpenSetup(), m_queues, m_prompter, this);
  if (!m_setupGeometry.isEmpty()) {
    dialog.restoreGeometry(m_setupGeometry);
  }
  const bool accepted = dialog.exec() == QDialog::Accepted;
  m_setupGeometry = dialog.saveGeometry();
  if (accepted) {
    m_commands.ApplySetup(dialog.Setup(), dialog.Name());
    Refresh();
  }
}
