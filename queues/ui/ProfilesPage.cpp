// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/ui/ProfilesPage.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/ui/Widgets.h"
#include "profile/DataFile.h"
#include "queues/ProfileList.h"
#include "queues/RestoreProfile.h"

CProfilesPage::CProfilesPage(CProfileList& profiles, CPrompter& prompter, SActions actions,
                             QWidget* parent)
    : QWidget(parent), m_profiles(profiles), m_prompter(prompter), m_actions(std::move(actions)) {
  setObjectName(QStringLiteral("profilesPage"));
  m_search = new QLineEdit(this);
  m_search->setObjectName(QStringLiteral("profileSearch"));
  m_search->setMaxLength(static_cast<int>(kMaxProfileName));
  auto* searchLabel = new QLabel(QStringLiteral("&Search:"), this);
  SetLabelFor(searchLabel, m_search);
  QPushButton* findFirst = MakeButton(QStringLiteral("&Find First"), "findFirstButton", this);
  QPushButton* findNext = MakeButton(QStringLiteral("Find Nex&t"), "findNextButton", this);

  m_names = new QComboBox(this);
  m_names->setObjectName(QStringLiteral("profileNames"));
  m_names->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  m_names->setMinimumContentsLength(30);
  auto* namesLabel = new QLabel(QStringLiteral("Profile &name:"), this);
  SetLabelFor(namesLabel, m_names);

  QPushButton* create = MakeButton(QStringLiteral("Ne&w..."), "newProfileButton", this);
  QPushButton* rename = MakeButton(QStringLiteral("&Rename..."), "renameProfileButton", this);
  QPushButton* restore = MakeButton(QStringLiteral("R&estore"), "restoreProfileButton", this);
  QPushButton* remove = MakeButton(QStringLiteral("&Delete"), "deleteProfileButton", this);

  auto* history = new QGroupBox(QStringLiteral("History"), this);
  history->setObjectName(QStringLiteral("profileHistory"));
  m_first = MakeButton(QStringLiteral("F&irst"), "historyFirstButton", history);
  m_previous = MakeButton(QStringLiteral("Pre&vious"), "historyPreviousButton", history);
  m_next = MakeButton(QStringLiteral("Ne&xt"), "historyNextButton", history);
  m_last = MakeButton(QStringLiteral("&Last"), "historyLastButton", history);
  auto* historyRow = new QHBoxLayout(history);
  for (QPushButton* button : {m_first, m_previous, m_next, m_last}) {
    historyRow->addWidget(button);
    // The four captions alone do not say what they move through.
    button->setAccessibleDescription(QStringLiteral("Profile history"));
  }
  historyRow->addStretch();

  QPushButton* save = MakeButton(QStringLiteral("S&ave Data File"), "saveDataButton", this);
  QPushButton* load = MakeButton(QStringLiteral("L&oad Data File"), "loadDataButton", this);

  auto* grid = new QGridLayout;
  grid->addWidget(searchLabel, 0, 0);
  grid->addWidget(m_search, 0, 1);
  grid->addWidget(findFirst, 0, 2);
  grid->addWidget(findNext, 0, 3);
  grid->addWidget(namesLabel, 1, 0);
  grid->addWidget(m_names, 1, 1, 1, 3);
  grid->setColumnStretch(1, 1);
  auto* commands = new QHBoxLayout;
  for (QPushButton* button : {create, rename, restore, remove}) {
    commands->addWidget(button);
  }
  commands->addStretch();
  auto* data = new QHBoxLayout;
  data->addWidget(save);
  data->addWidget(load);
  data->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(commands);
  layout->addWidget(history);
  layout->addStretch();
  layout->addLayout(data);

  connect(m_names, &QComboBox::activated, this, &CProfilesPage::Choose);
  connect(findFirst, &QPushButton::clicked, this, [this] { Find(true); });
  connect(findNext, &QPushButton::clicked, this, [this] { Find(false); });
  connect(create, &QPushButton::clicked, this, &CProfilesPage::NewProfile);
  connect(rename, &QPushButton::clicked, this, &CProfilesPage::RenameProfile);
  connect(restore, &QPushButton::clicked, this, [this] {
    RestoreProfileCommand(m_profiles, m_prompter, m_actions.preview);
    Done();
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    m_profiles.DeleteCurrent();
    Done();
  });
  const auto follow = [this](bool (CProfileList::*move)()) {
    return [this, move] {
      (m_profiles.*move)();
      Done();
    };
  };
  connect(m_first, &QPushButton::clicked, this, follow(&CProfileList::HistoryFirst));
  connect(m_previous, &QPushButton::clicked, this, follow(&CProfileList::HistoryPrevious));
  connect(m_next, &QPushButton::clicked, this, follow(&CProfileList::HistoryNext));
  connect(m_last, &QPushButton::clicked, this, follow(&CProfileList::HistoryLast));
  const auto run = [this](const std::function<void()>& action) {
    return [this, action] {
      if (action) {
        action();
      }
      Done();
    };
  };
  connect(save, &QPushButton::clicked, this, run(m_actions.saveData));
  connect(load, &QPushButton::clicked, this, run(m_actions.loadData));
  Refresh();
}

void CProfilesPage::Refresh() {
  const QSignalBlocker quiet(m_names);
  m_names->clear();
  for (size_t i = 0; i < m_profiles.Count(); ++i) {
    m_names->addItem(QString::fromStdString(m_profiles.Name(i)));
  }
  m_names->setCurrentIndex(m_profiles.CurrentIndex());
  const CVisitList& history = m_profiles.History();
  m_first->setEnabled(!history.AtFirst());
  m_previous->setEnabled(!history.AtFirst());
  m_next->setEnabled(!history.AtLast());
  m_last->setEnabled(!history.AtLast());
}

void CProfilesPage::Done() {
  Refresh();
  emit profilesChanged();
}

void CProfilesPage::Choose(int index) {
  if (index != m_profiles.CurrentIndex()) {
    m_profiles.Choose(index);
  }
  Done();
}

void CProfilesPage::Find(bool first) {
  const std::string text = m_search->text().toStdString();
  if (text.empty()) {
    return;
  }
  if (!(first ? m_profiles.FindFirst(text) : m_profiles.FindNext(text))) {
    QApplication::beep();
  }
  Done();
}

std::optional<SProfileNameEntry> CProfilesPage::AskName(CProfileNameDlg::EPurpose purpose,
                                                        const SProfileNameEntry& entry) {
  CProfileNameDlg dialog(purpose, entry, this);
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  return dialog.Entry();
}

void CProfilesPage::NewProfile() {
  NewProfileCommand(
      m_profiles,
      [this](const SProfileNameEntry& entry) {
        return AskName(CProfileNameDlg::EPurpose::kNew, entry);
      },
      m_actions.showDataPath);
  Done();
}

void CProfilesPage::RenameProfile() {
  RenameProfileCommand(m_profiles, [this](const SProfileNameEntry& entry) {
    return AskName(CProfileNameDlg::EPurpose::kRename, entry);
  });
  Done();
}
