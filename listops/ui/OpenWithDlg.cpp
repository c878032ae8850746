// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/OpenWithDlg.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "core/ProgramLists.h"
#include "core/Prompter.h"
#include "core/ui/Widgets.h"
#include "listops/Comparison.h"
#include "listops/LaunchJob.h"
#include "listops/ui/ListWindows.h"
#include "platform/OptionStore.h"
#include "platform/TextUtil.h"
#include "rules/StringOrder.h"

COpenWithDlg::COpenWithDlg(CPrompter& prompter, CLaunchPool& launches, std::string filePath,
                           QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_launches(launches), m_filePath(std::move(filePath)) {
  setObjectName(QStringLiteral("openWithWindow"));
  setWindowTitle(QStringLiteral("Open With"));
  setAcceptDrops(true);
  m_path = new QLineEdit(this);
  m_path->setObjectName(QStringLiteral("programPath"));
  m_path->setMaxLength(259);
  m_path->setAccessibleName(QStringLiteral("Program path"));
  auto* browse = MakeButton(QStringLiteral("&Browse..."), "browseButton", this);
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("programList"));
  m_list->setAccessibleName(QStringLiteral("Programs"));
  auto* add = MakeButton(QStringLiteral("&Add"), "addButton", this);
  auto* edit = MakeButton(QStringLiteral("&Edit"), "editButton", this);
  auto* remove = MakeButton(QStringLiteral("&Remove"), "removeButton", this);
  m_save = MakeButton(QStringLiteral("&Save"), "saveButton", this);
  m_save->setEnabled(false);
  auto* ok = MakeButton(QStringLiteral("OK"), "okButton", this);
  auto* close = MakeButton(QStringLiteral("Close"), "closeButton", this);
  ok->setDefault(true);
  for (QPushButton* button : {browse, add, edit, remove, m_save, close}) {
    button->setAutoDefault(false);
  }
  connect(browse, &QPushButton::clicked, this, &COpenWithDlg::Browse);
  connect(add, &QPushButton::clicked, this, &COpenWithDlg::Add);
  connect(edit, &QPushButton::clicked, this, &COpenWithDlg::Edit);
  connect(remove, &QPushButton::clicked, this, &COpenWithDlg::Remove);
  connect(m_save, &QPushButton::clicked, this, &COpenWithDlg::Save);
  connect(ok, &QPushButton::clicked, this, &COpenWithDlg::accept);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_list, &QListWidget::itemDoubleClicked, this, &COpenWithDlg::accept);

  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(m_path, 1);
  pathRow->addWidget(browse);
  auto* side = new QVBoxLayout;
  for (QPushButton* button : {add, edit, remove, m_save}) {
    side->addWidget(button);
  }
  side->addStretch();
  auto* middle = new QHBoxLayout;
  middle->addWidget(m_list, 1);
  middle->addLayout(side);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(ok);
  bottom->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(pathRow);
  layout->addLayout(middle, 1);
  layout->addLayout(bottom);

  const platform::COptionStore store;
  m_programs = LoadOpenWithPrograms(store);
  ShowPrograms({});
  resize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 18);
}

void COpenWithDlg::ShowPrograms(const std::string& selected) {
  std::stable_sort(m_programs.begin(), m_programs.end(), CStringANOrder());
  m_list->clear();
  for (const std::string& program : m_programs) {
    auto* item = new QListWidgetItem(Qs(program), m_list);
    if (program == selected) {
      m_list->setCurrentItem(item);
    }
  }
}

std::string COpenWithDlg::Selected() const {
  const QListWidgetItem* item = m_list->currentItem();
  return item != nullptr && item->isSelected() ? Std(item->text()) : std::string();
}

void COpenWithDlg::Changed() {
  m_save->setEnabled(true);
}

void COpenWithDlg::Browse() {
  const QString chosen = QFileDialog::getOpenFileName(
      this, QString(), QStringLiteral("/usr/bin"),
      QStringLiteral("Program Files (*.exe *.com *.cmd *.bat);;All Files (*)"));
  if (!chosen.isEmpty()) {
    m_path->setText(Qs(DriveFormPath(chosen)));
  }
}

void COpenWithDlg::Add() {
  const std::string path(platform::Trim(Std(m_path->text())));
  if (path.empty()) {
    m_prompter.Show("Please enter a path to an external-program file.", EIcon::kExclamation);
    return;
  }
  if (CheckProgramPath(path, false, m_prompter) != EPathCheck::kAccepted) {
    return;
  }
  if (std::find(m_programs.begin(), m_programs.end(), path) != m_programs.end()) {
    m_prompter.Show("This external-program file path is already in the list.", EIcon::kExclamation);
    return;
  }
  m_programs.push_back(path);
  m_path->clear();
  ShowPrograms(path);
  Changed();
}

void COpenWithDlg::Edit() {
  const std::string selected = Selected();
  if (selected.empty()) {
    return;
  }
  m_path->setText(Qs(selected));
  m_programs.erase(std::find(m_programs.begin(), m_programs.end(), selected));
  ShowPrograms({});
  Changed();
}

void COpenWithDlg::Remove() {
  const std::string selected = Selected();
  if (selected.empty()) {
    return;
  }
  m_programs.erase(std::find(m_programs.begin(), m_programs.end(), selected));
  ShowPrograms({});
  Changed();
}

void COpenWithDlg::Save() {
  platform::COptionStore store;
  SaveOpenWithPrograms(store, m_programs);
  store.Sync();
  m_save->setEnabled(false);
}

void COpenWithDlg::accept() {
  if (m_save->isEnabled()) {
    Save();
  }
  const std::string program = Selected();
  if (program.empty()) {
    m_prompter.Show("Please select an external-program file path.", EIcon::kExclamation);
    return;
  }
  m_launches.Launch(program, false, " \"" + m_filePath + "\"");
  QDialog::accept();
}

void COpenWithDlg::DropPaths(const std::vector<std::string>& paths) {
  int refused = 0;
  int listed = 0;
  bool added = false;
  for (const std::string& dropped : paths) {
    const std::string path = DroppedProgramPath(dropped);
    const EPathCheck check = CheckProgramPath(path, true, m_prompter);
    if (check == EPathCheck::kStop) {
      break;
    }
    if (check == EPathCheck::kRefused) {
      ++refused;
    } else if (std::find(m_programs.begin(), m_programs.end(), path) != m_programs.end()) {
      ++listed;
    } else {
      m_programs.push_back(path);
      added = true;
    }
  }
  if (added) {
    ShowPrograms({});
    Changed();
  }
  if (refused + listed > 0) {
    const char* s = refused + listed == 1 ? "" : "s";
    m_prompter.Show(platform::Format("Dragged item%s could not be accepted for the following "
                                     "reason%s:\nNot program paths:\t%d\nAlready in list:\t%d",
                                     s, s, refused, listed),
                    EIcon::kExclamation);
  }
}

void COpenWithDlg::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) {
    event->acceptProposedAction();
  }
}

void COpenWithDlg::dropEvent(QDropEvent* event) {
  std::vector<std::string> paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) {
      paths.push_back(DriveFormPath(url.toLocalFile()));
    }
  }
  event->acceptProposedAction();
  DropPaths(paths);
}
