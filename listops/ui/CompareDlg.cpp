// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/CompareDlg.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPalette>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "core/CompareFiles.h"
#include "core/ProgramLists.h"
#include "core/Prompter.h"
#include "core/ui/Widgets.h"
#include "listops/LaunchJob.h"
#include "listops/ui/CompareSetupDlg.h"
#include "listops/ui/ListWindows.h"
#include "platform/FileInfo.h"
#include "platform/OptionStore.h"
#include "rules/StringOrder.h"

namespace {

QLineEdit* InfoField(const char* objectName, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(objectName));
  field->setReadOnly(true);
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, QColor(0xF0, 0xF0, 0xF0));
  field->setPalette(palette);
  return field;
}

}  // namespace

CCompareDlg::CCompareDlg(std::vector<SCompareRecord> records, CPrompter& prompter,
                         CLaunchPool& launches, const CFormatItem& format,
                         const platform::CDateTime& today, bool allowRestore, FExclude exclude,
                         QWidget* parent)
    : QDialog(parent),
      m_records(std::move(records)),
      m_excluded(m_records.size(), false),
      m_prompter(prompter),
      m_launches(launches),
      m_format(format),
      m_today(today),
      m_allowRestore(allowRestore),
      m_exclude(std::move(exclude)) {
  setObjectName(QStringLiteral("compareOverviewWindow"));
  setWindowTitle(QStringLiteral("Compare Overview"));
  setAcceptDrops(true);

  auto* nameLabel = new QLabel(QStringLiteral("&Filename:"), this);
  m_names = new QComboBox(this);
  m_names->setObjectName(QStringLiteral("fileNames"));
  for (const SCompareRecord& record : m_records) {
    m_names->addItem(Qs(record.name));
  }
  SetLabelFor(nameLabel, m_names);
  m_previous = MakeButton(QStringLiteral("&Previous"), "previousButton", this);
  m_next = MakeButton(QStringLiteral("&Next"), "nextButton", this);
  auto* sourceLabel = new QLabel(QStringLiteral("&Source File Info:"), this);
  m_sourceInfo = InfoField("sourceInfo", this);
  SetLabelFor(sourceLabel, m_sourceInfo);
  auto* destinationLabel = new QLabel(QStringLiteral("D&estination File Info:"), this);
  m_destinationInfo = InfoField("destinationInfo", this);
  SetLabelFor(destinationLabel, m_destinationInfo);
  auto* contentsLabel = new QLabel(QStringLiteral("Contents:"), this);
  m_contents = InfoField("contents", this);
  SetLabelFor(contentsLabel, m_contents);
  m_restore = MakeButton(QStringLiteral("Restore &Date and Time"), "restoreButton", this);
  m_restore->setEnabled(false);

  auto* group = new QGroupBox(QStringLiteral(" External Comparison Program "), this);
  m_programList = new QComboBox(group);
  m_programList->setObjectName(QStringLiteral("programs"));
  NameComboBox(m_programList, QStringLiteral("External comparison program"));
  auto* add = MakeButton(QStringLiteral("&Add..."), "addButton", group);
  auto* remove = MakeButton(QStringLiteral("&Remove"), "removeButton", group);
  m_compare = MakeButton(QStringLiteral("&Compare"), "compareButton", group);
  auto* close = MakeButton(QStringLiteral("C&lose"), "closeButton", this);
  for (QPushButton* button : {m_previous, m_next, m_restore, add, remove, m_compare}) {
    button->setAutoDefault(false);
  }
  close->setDefault(true);

  connect(m_names, &QComboBox::activated, this, &CCompareDlg::ShowRecord);
  connect(m_previous, &QPushButton::clicked, this, [this] { ShowRecord(m_current - 1); });
  connect(m_next, &QPushButton::clicked, this, [this] { ShowRecord(m_current + 1); });
  connect(m_restore, &QPushButton::clicked, this, &CCompareDlg::RestoreDateAndTime);
  connect(add, &QPushButton::clicked, this, &CCompareDlg::AddProgram);
  connect(remove, &QPushButton::clicked, this, &CCompareDlg::RemoveProgram);
  connect(m_compare, &QPushButton::clicked, this, &CCompareDlg::Compare);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(nameLabel);
  nameRow->addWidget(m_names, 1);
  nameRow->addWidget(m_previous);
  nameRow->addWidget(m_next);
  auto* info = new QGridLayout;
  info->addWidget(sourceLabel, 0, 0);
  info->addWidget(m_sourceInfo, 0, 1);
  info->addWidget(destinationLabel, 1, 0);
  info->addWidget(m_destinationInfo, 1, 1);
  info->addWidget(contentsLabel, 2, 0);
  info->addWidget(m_contents, 2, 1);
  auto* restoreRow = new QHBoxLayout;
  restoreRow->addStretch();
  restoreRow->addWidget(m_restore);
  auto* programRow = new QHBoxLayout(group);
  programRow->addWidget(m_programList, 1);
  programRow->addWidget(add);
  programRow->addWidget(remove);
  programRow->addWidget(m_compare);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(nameRow);
  layout->addLayout(info);
  layout->addLayout(restoreRow);
  layout->addWidget(group);
  layout->addLayout(bottom);

  const platform::COptionStore store;
  const SComparePrograms stored = LoadComparePrograms(store);
  m_programs = stored.m_programs;
  std::string selected;
  if (stored.m_selected >= 0 && !m_programs.empty()) {
    selected =
        m_programs[static_cast<size_t>(CompareProgramIndex(stored.m_selected, m_programs.size()))];
  }
  ShowPrograms(selected);
  resize(fontMetrics().averageCharWidth() * 90, sizeHint().height());
  ShowRecord(0);
}

void CCompareDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!m_shownOnce && m_programs.empty()) {
    // Without a program there is nothing to compare with: ask for one as soon as the window
    // shows.
    QTimer::singleShot(0, this, [this] {
      activateWindow();
      AddProgram();
    });
  }
  m_shownOnce = true;
}

void CCompareDlg::ShowPrograms(const std::string& selected) {
  std::stable_sort(m_programs.begin(), m_programs.end(), CStringANOrder());
  m_programList->clear();
  int index = -1;
  for (size_t i = 0; i < m_programs.size(); ++i) {
    m_programList->addItem(Qs(m_programs[i]));
    if (m_programs[i] == selected && index < 0) {
      index = static_cast<int>(i);
    }
  }
  m_programList->setCurrentIndex(index);
}

void CCompareDlg::ShowRecord(int index) {
  if (index < 0 || static_cast<size_t>(index) >= m_records.size()) {
    return;
  }
  m_current = index;
  m_names->setCurrentIndex(index);
  m_previous->setEnabled(index > 0);
  m_next->setEnabled(static_cast<size_t>(index) + 1 < m_records.size());
  const SCompareRecord& record = m_records[static_cast<size_t>(index)];
  const QString sourceInfo = Qs(CompareInfoText(record.sourcePath, m_today, m_format));
  const QString destinationInfo = Qs(CompareInfoText(record.destinationPath, m_today, m_format));
  m_sourceInfo->setText(sourceInfo);
  m_destinationInfo->setText(destinationInfo);
  m_compare->setEnabled(platform::FileExists(record.sourcePath) &&
                        platform::FileExists(record.destinationPath));
  m_restore->setEnabled(false);
  m_restoreAllowedNow = false;
  const std::string result = CompareFileContents(record.sourcePath, record.destinationPath);
  m_contents->setText(result.empty() ? QStringLiteral("Files match.") : Qs(result));
  if (result.empty() && m_allowRestore && !m_excluded[static_cast<size_t>(index)] &&
      sourceInfo != destinationInfo) {
    m_restoreAllowedNow = true;
    m_restore->setEnabled(true);
  }
}

void CCompareDlg::AddProgram() {
  CCompareSetupDlg setup(m_prompter, m_launches, this);
  if (setup.exec() == QDialog::Accepted) {
    AddProgramPath(setup.Path());
  }
}

void CCompareDlg::AddProgramPath(const std::string& path) {
  if (std::find(m_programs.begin(), m_programs.end(), path) == m_programs.end()) {
    m_programs.push_back(path);
  }
  ShowPrograms(path);
}

void CCompareDlg::RemoveProgram() {
  const int index = m_programList->currentIndex();
  if (index < 0 || static_cast<size_t>(index) >= m_programs.size()) {
    return;
  }
  m_programs.erase(m_programs.begin() + index);
  ShowPrograms(m_programs.empty() ? std::string() : m_programs.front());
}

void CCompareDlg::Compare() {
  const int program = m_programList->currentIndex();
  if (program < 0 || static_cast<size_t>(program) >= m_programs.size()) {
    m_prompter.Show(m_programs.empty() ? "Please add a comparison program."
                                       : "Please select a comparison program.",
                    EIcon::kExclamation);
    return;
  }
  if (m_current < 0) {
    return;
  }
  LaunchComparison(m_launches, m_programs[static_cast<size_t>(program)],
                   m_records[static_cast<size_t>(m_current)]);
  if (m_records.size() == 1) {
    accept();
  }
}

void CCompareDlg::RestoreDateAndTime() {
  if (!m_restoreAllowedNow || m_current < 0) {
    m_restore->setEnabled(false);
    m_prompter.Show("The Restore button may not be used at this time.", EIcon::kExclamation);
    return;
  }
  const SCompareRecord& record = m_records[static_cast<size_t>(m_current)];
  m_restoreAllowedNow = false;
  m_restore->setEnabled(false);
  const std::string failure = ::RestoreDateAndTime(record.destinationPath, record.sourcePath);
  if (!failure.empty()) {
    m_prompter.Show(failure, EIcon::kStop);
    return;
  }
  m_sourceInfo->setText(Qs(CompareInfoText(record.sourcePath, m_today, m_format)));
  if (m_prompter.AskYesNo("Do you want to exclude this file from the preview list?",
                          EAnswer::kNo)) {
    m_excluded[static_cast<size_t>(m_current)] = true;
    if (m_exclude) {
      m_exclude(record);
    }
  }
}

void CCompareDlg::DropPath(const std::string& dropped) {
  const std::string path = DroppedProgramPath(dropped);
  if (CheckProgramPath(path, false, m_prompter) == EPathCheck::kAccepted) {
    AddProgramPath(path);
  }
}

void CCompareDlg::done(int result) {
  platform::COptionStore store;
  SComparePrograms programs;
  programs.m_programs = m_programs;
  programs.m_selected = m_programList->currentIndex();
  SaveComparePrograms(store, programs);
  store.Sync();
  QDialog::done(result);
}

void CCompareDlg::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) {
    event->acceptProposedAction();
  }
}

void CCompareDlg::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  event->acceptProposedAction();
  if (!urls.isEmpty() && urls.front().isLocalFile()) {
    DropPath(DriveFormPath(urls.front().toLocalFile()));
  }
}
