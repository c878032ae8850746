// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ui/ChooseTopicDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ProgramNotes.h"
#include "core/Prompter.h"
#include "core/ui/Widgets.h"

namespace {

constexpr int kTopicRole = Qt::UserRole + 1;
constexpr int kMaxSearch = 255;

}  // namespace

CChooseTopicDlg::CChooseTopicDlg(const CProgramNotes& notes, int current, CPrompter& prompter,
                                 QWidget* parent)
    : QDialog(parent), m_notes(notes), m_prompter(prompter) {
  setObjectName(QStringLiteral("chooseTopic"));
  setWindowTitle(QStringLiteral("Choose a Topic"));
  m_model = new QStandardItemModel(0, 2, this);
  m_model->setHorizontalHeaderLabels({QStringLiteral("Note #"), QStringLiteral("Topic")});
  m_list = new QTableView(this);
  m_list->setObjectName(QStringLiteral("topics"));
  m_list->setModel(m_model);
  SetUpRowList(m_list);
  m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_list->setSortingEnabled(true);
  m_list->setAccessibleName(QStringLiteral("Topics"));
  m_list->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  m_list->horizontalHeader()->setStretchLastSection(true);
  m_list->horizontalHeader()->setSortIndicatorShown(true);
  // Wide enough for the longest title beside its number.
  m_list->setMinimumSize(fontMetrics().averageCharWidth() * 75, fontMetrics().height() * 16);

  auto* searchLabel = new QLabel(QStringLiteral("&Search:"), this);
  m_search = new QLineEdit(this);
  m_search->setObjectName(QStringLiteral("search"));
  m_search->setMaxLength(kMaxSearch);
  m_search->installEventFilter(this);
  SetLabelFor(searchLabel, m_search);
  QPushButton* find = MakeButton(QStringLiteral("&Find"), "findButton", this);
  find->setAutoDefault(false);
  auto* foundLabel = new QLabel(QStringLiteral("Topics found:"), this);
  m_found = new QLabel(QStringLiteral("0"), this);
  m_found->setObjectName(QStringLiteral("topicsFound"));
  m_found->setAccessibleName(QStringLiteral("Topics found"));

  QDialogButtonBox* buttons = MakeOkCancel(this);
  connect(find, &QPushButton::clicked, this, &CChooseTopicDlg::Find);
  connect(m_list, &QTableView::doubleClicked, this, &CChooseTopicDlg::accept);

  auto* searchRow = new QGridLayout;
  searchRow->addWidget(searchLabel, 0, 0);
  searchRow->addWidget(m_search, 0, 1);
  searchRow->addWidget(find, 0, 2);
  searchRow->addWidget(foundLabel, 1, 0);
  searchRow->addWidget(m_found, 1, 1, 1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_list, 1);
  layout->addLayout(searchRow);
  layout->addWidget(buttons);

  m_ready = FillList();
  if (!m_ready) {
    prompter.Show("Could not read the list of topics.", EIcon::kExclamation);
    return;
  }
  m_list->sortByColumn(0, Qt::AscendingOrder);
  for (int row = 0; row < m_model->rowCount(); ++row) {
    if (m_model->item(row, 0)->data(kTopicRole).toInt() == current) {
      m_list->selectRow(row);
      m_list->scrollTo(m_model->index(row, 0));
    }
  }
  m_list->setFocus();
}

bool CChooseTopicDlg::FillList() {
  const std::optional<int> count = m_notes.Count();
  if (!count) {
    return false;
  }
  for (int index = 0; index < *count; ++index) {
    const std::optional<std::string> text = m_notes.Topic(index);
    if (!text) {
      return false;
    }
    auto* number = new QStandardItem;
    number->setData(index + 1, Qt::DisplayRole);  // a number, so that it sorts as one
    number->setData(index, kTopicRole);
    number->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* title = new QStandardItem(QString::fromStdString(ListTitle(SplitTopic(*text))));
    m_model->appendRow({number, title});
  }
  return true;
}

QString CChooseTopicDlg::SearchText() const {
  return m_search->text();
}

bool CChooseTopicDlg::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the search field searches, rather than choosing the selected topic.
  if (watched == m_search && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Find();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void CChooseTopicDlg::Find() {
  if (m_search->text().isEmpty()) {
    m_found->setText(QStringLiteral("0"));
    return;
  }
  const std::optional<std::vector<int>> found = FindTopics(m_notes, m_search->text().toStdString());
  if (!found) {
    m_prompter.Show("Could not read all of the program notes.", EIcon::kExclamation);
    return;
  }
  QItemSelectionModel* selection = m_list->selectionModel();
  selection->clearSelection();
  int firstRow = -1;
  for (int row = 0; row < m_model->rowCount(); ++row) {
    const int topic = m_model->item(row, 0)->data(kTopicRole).toInt();
    if (std::find(found->begin(), found->end(), topic) == found->end()) {
      continue;
    }
    selection->select(m_model->index(row, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (firstRow < 0) {
      firstRow = row;
    }
  }
  if (firstRow >= 0) {
    m_list->scrollTo(m_model->index(firstRow, 0));
  }
  m_found->setText(QString::number(found->size()));
}

QList<int> CChooseTopicDlg::SelectedTopics() const {
  QList<int> topics;
  for (const QModelIndex& index : m_list->selectionModel()->selectedRows(0)) {
    topics.append(m_model->itemFromIndex(index)->data(kTopicRole).toInt());
  }
  return topics;
}

void CChooseTopicDlg::accept() {
  const QList<int> topics = SelectedTopics();
  if (topics.size() != 1) {
    m_prompter.Show("Please select a single topic.", EIcon::kExclamation);
    return;
  }
  m_chosen = topics.front();
  QDialog::accept();
}
