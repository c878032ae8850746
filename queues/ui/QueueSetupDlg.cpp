// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/ui/QueueSetupDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

#include "core/Prompter.h"
#include "core/ui/Widgets.h"
#include "profile/DataFile.h"
#include "queues/ui/NameList.h"

namespace {

QString Trimmed(const QLineEdit* edit) {
  return edit->text().trimmed();
}

}  // namespace

CQueueSetupDlg::CQueueSetupDlg(CQueueSetup setup, const CQueueList& queues, CPrompter& prompter,
                               QWidget* parent)
    : QDialog(parent), m_setup(std::move(setup)), m_queues(queues), m_prompter(prompter) {
  setObjectName(QStringLiteral("queueSetup"));
  setWindowTitle(QStringLiteral("Queue Setup"));
  m_name = new QLineEdit(QString::fromStdString(m_setup.OpenedName()), this);
  m_name->setObjectName(QStringLiteral("queueName"));
  m_name->setMaxLength(static_cast<int>(kMaxQueueName));
  auto* nameLabel = new QLabel(QStringLiteral("&Name:"), this);
  SetLabelFor(nameLabel, m_name);
  QPushButton* newQueue = MakeButton(QStringLiteral("N&ew"), "newQueueButton", this);

  m_availableModel = new QStringListModel(this);
  m_selectedModel = new QStringListModel(this);
  m_available = MakeNameList(m_availableModel, "availableProfiles",
                             QAbstractItemView::ExtendedSelection, this);
  m_selected =
      MakeNameList(m_selectedModel, "selectedProfiles", QAbstractItemView::ExtendedSelection, this);
  auto* availableLabel = new QLabel(QStringLiteral("&Available Profiles"), this);
  auto* selectedLabel = new QLabel(QStringLiteral("&Selected Profiles"), this);
  SetLabelFor(availableLabel, m_available);
  SetLabelFor(selectedLabel, m_selected);

  m_right = MakeButton(QStringLiteral("Move &Right"), "moveRightButton", this);
  m_left = MakeButton(QStringLiteral("Move &Left"), "moveLeftButton", this);
  m_up = MakeButton(QStringLiteral("Move &Up"), "moveUpButton", this);
  m_down = MakeButton(QStringLiteral("Move &Down"), "moveDownButton", this);
  auto* moves = new QVBoxLayout;
  moves->addStretch();
  for (QPushButton* button : {m_right, m_left, m_up, m_down}) {
    button->setAutoDefault(false);
    moves->addWidget(button);
  }
  moves->addStretch();
  newQueue->setAutoDefault(false);

  QDialogButtonBox* buttons = MakeOkCancel(this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));

  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(nameLabel);
  nameRow->addWidget(m_name, 1);
  nameRow->addWidget(newQueue);
  // The lists take the room the window is given; the buttons stay between them.
  auto* lists = new QGridLayout;
  lists->addWidget(availableLabel, 0, 0);
  lists->addWidget(selectedLabel, 0, 2);
  lists->addWidget(m_available, 1, 0);
  lists->addLayout(moves, 1, 1);
  lists->addWidget(m_selected, 1, 2);
  lists->setColumnStretch(0, 1);
  lists->setColumnStretch(2, 1);
  lists->setRowStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(nameRow);
  layout->addLayout(lists, 1);
  layout->addWidget(buttons);

  connect(newQueue, &QPushButton::clicked, this, &CQueueSetupDlg::NewQueue);
  connect(m_right, &QPushButton::clicked, this, &CQueueSetupDlg::MoveRight);
  connect(m_left, &QPushButton::clicked, this, &CQueueSetupDlg::MoveLeft);
  connect(m_up, &QPushButton::clicked, this, [this] { MoveWithin(true); });
  connect(m_down, &QPushButton::clicked, this, [this] { MoveWithin(false); });
  for (QTableView* view : {m_available, m_selected}) {
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CQueueSetupDlg::UpdateButtons);
  }
  m_name->installEventFilter(this);
  ShowLists({}, {});
  resize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 22);
}

std::string CQueueSetupDlg::Name() const {
  return m_name->text().toStdString();
}

bool CQueueSetupDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_name) {
    // The placeholder name makes way for typing, and comes back when the field is left empty
    // (unless the user is on the way to Cancel).
    if (event->type() == QEvent::FocusIn && Trimmed(m_name) == QLatin1String(kNewQueueName)) {
      m_name->clear();
    } else if (event->type() == QEvent::FocusOut && Trimmed(m_name).isEmpty()) {
      auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
      if (button == nullptr || AccessibleText(button->text()) != QLatin1String("Cancel")) {
        m_name->setText(QString::fromLatin1(kNewQueueName));
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void CQueueSetupDlg::ShowLists(const RowSet& availableRows, const RowSet& selectedRows) {
  ShowNames(m_available, m_setup.Available(), availableRows);
  ShowNames(m_selected, m_setup.Selected(), selectedRows);
  UpdateButtons();
}

void CQueueSetupDlg::UpdateButtons() {
  const SQueueMoveButtons state = QueueMoveButtons(
      SelectedRows(m_available), SelectedRows(m_selected), m_setup.Selected().size());
  m_right->setEnabled(state.right);
  m_left->setEnabled(state.left);
  m_up->setEnabled(state.up);
  m_down->setEnabled(state.down);
}

void CQueueSetupDlg::NewQueue() {
  m_setup.New();
  m_name->setText(QString::fromLatin1(kNewQueueName));
  ShowLists({}, {});
}

void CQueueSetupDlg::MoveRight() {
  m_setup.MoveRight(SelectedRows(m_available));
  ShowLists({}, SelectedRows(m_selected));
}

void CQueueSetupDlg::MoveLeft() {
  m_setup.MoveLeft(SelectedRows(m_selected));
  ShowLists({}, {});
}

void CQueueSetupDlg::MoveWithin(bool up) {
  const RowSet rows = SelectedRows(m_selected);
  const RowSet moved = up ? m_setup.MoveUp(rows) : m_setup.MoveDown(rows);
  m_selected->setUpdatesEnabled(false);
  ShowLists(SelectedRows(m_available), moved);
  m_selected->setUpdatesEnabled(true);
}

void CQueueSetupDlg::accept() {
  if (const std::optional<std::string> refusal = m_setup.Check(Name(), m_queues)) {
    m_prompter.Show(*refusal, EIcon::kStop);
    return;  // the window stays open
  }
  QDialog::accept();
}
