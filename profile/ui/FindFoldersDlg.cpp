// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/FindFoldersDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Prompter.h"
#include "core/ui/QtMessageTarget.h"
#include "core/ui/Widgets.h"
#include "platform/TextUtil.h"
#include "profile/DriveLetters.h"
#include "profile/FindFolders.h"
#include "profile/ui/MenuEdit.h"
#include "profile/ui/SettingsPage.h"

namespace {

constexpr int kMaxPattern = 255;

}  // namespace

CFindFoldersDlg::CFindFoldersDlg(SEditorContext& context, QWidget* parent)
    : QDialog(parent), m_context(context) {
  setObjectName(QStringLiteral("findFoldersDialog"));
  setWindowTitle(QStringLiteral("Find Folders"));

  m_drive = new QComboBox(this);
  m_drive->setObjectName(QStringLiteral("searchDrive"));
  const std::string letters = PresentDriveLetters();
  for (const char letter : letters) {
    m_drive->addItem(QStringLiteral("%1:").arg(QChar::fromLatin1(letter)));
  }
  m_drive->setCurrentIndex(std::max(0, m_drive->findText(QStringLiteral("C:"))));
  m_pattern = new QLineEdit(this);
  m_pattern->setObjectName(QStringLiteral("folderPattern"));
  m_pattern->setMaxLength(kMaxPattern + 1);  // one more, so that the length check can speak
  CMenuEdit::Install(m_pattern);
  auto* driveLabel = new QLabel(QStringLiteral("&Drive:"), this);
  auto* patternLabel = new QLabel(QStringLiteral("Folder &name pattern:"), this);
  SetLabelFor(driveLabel, m_drive);
  SetLabelFor(patternLabel, m_pattern);
  m_allowTypos = MakeCheckBox("&Allow typos.", "allowTypos", this);
  m_search = MakeButton(QStringLiteral("&Search"), "searchButton", this);
  m_status = new QLabel(this);
  m_status->setObjectName(QStringLiteral("searchStatus"));
  m_status->setTextFormat(Qt::PlainText);
  m_status->setAccessibleDescription(QStringLiteral("Search status"));
  m_status->setMinimumWidth(1);

  m_model = new QStringListModel(this);
  m_view = MakeTextList(m_model, "foundFolders", this);
  m_view->setTextElideMode(Qt::ElideMiddle);
  auto* foundLabel = new QLabel(QStringLiteral("&Folders found:"), this);
  SetLabelFor(foundLabel, m_view);

  auto* form = new QGridLayout;
  form->addWidget(driveLabel, 0, 0);
  form->addWidget(m_drive, 0, 1, Qt::AlignLeft);
  form->addWidget(patternLabel, 1, 0);
  form->addWidget(m_pattern, 1, 1);
  form->addWidget(m_search, 1, 2);
  form->addWidget(m_allowTypos, 2, 1);
  form->setColumnStretch(1, 1);

  QDialogButtonBox* buttons = MakeOkCancel(this);
  buttons->button(QDialogButtonBox::Ok)->setAutoDefault(false);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(m_status);
  layout->addWidget(foundLabel);
  layout->addWidget(m_view, 1);
  layout->addWidget(buttons);
  resize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 24);

  // Enter in the pattern box searches.
  m_search->setDefault(true);
  connect(m_search, &QPushButton::clicked, this,
          [this] { RunCommand(m_context.prompter, [this] { OnSearch(); }); });
  m_target = new CQtMessageTarget([this](CMessage& message) { return Handle(message); }, this);
  m_job = std::make_unique<CFindFoldersJob>(m_context.match);
}

CFindFoldersDlg::~CFindFoldersDlg() {
  if (m_job) {
    m_job->SetStop(1);
  }
}

void CFindFoldersDlg::accept() {
  if (m_searching) {
    m_job->SetStop(1);
    m_afterSearch = [this] { accept(); };
    return;
  }
  std::vector<int> rows;
  for (const QModelIndex& index : m_view->selectionModel()->selectedRows()) {
    rows.push_back(index.row());
  }
  if (rows.empty()) {
    m_context.prompter.Show("Please select one or more folder names.", EIcon::kExclamation);
    return;
  }
  std::sort(rows.begin(), rows.end());
  m_chosen.clear();
  for (const int row : rows) {
    m_chosen.push_back(Utf8(m_model->index(row, 0).data().toString()));
  }
  QDialog::accept();
}

void CFindFoldersDlg::reject() {
  if (m_searching) {
    m_job->SetStop(1);
    m_afterSearch = [this] { QDialog::reject(); };
    return;
  }
  QDialog::reject();
}

void CFindFoldersDlg::OnSearch() {
  if (m_searching) {
    m_job->SetStop(1);  // the end of the search says when it has stopped
    return;
  }
  const std::string pattern(platform::Trim(Utf8(m_pattern->text())));
  if (!FolderPatternFits(pattern)) {
    m_context.prompter.Show(kPatternLengthMessage, EIcon::kExclamation);
    m_pattern->setFocus();
    return;
  }
  const QString drive = m_drive->currentText();
  if (drive.isEmpty()) {
    return;
  }
  m_model->setStringList({});
  m_job->SetSearch({Utf8(drive) + "\\", pattern, m_allowTypos->isChecked()});
  if (!m_job->Start(m_target, 0)) {
    return;
  }
  m_searching = true;
  m_status->setText(QString::fromLatin1(kSearchingText));
  m_search->setText(QStringLiteral("S&top"));
}

int64_t CFindFoldersDlg::Handle(CMessage& message) {
  switch (message.Offset()) {
    case kMsgCurrentFolder:
      m_status->setText(Qs(message.text));
      break;
    case kMsgFoldersFound: {
      const auto* found = message.Object<std::vector<std::string>>();
      const int first = m_model->rowCount();
      m_model->insertRows(first, static_cast<int>(found->size()));
      for (size_t i = 0; i < found->size(); ++i) {
        m_model->setData(m_model->index(first + static_cast<int>(i), 0), Qs((*found)[i]));
      }
      break;
    }
    case kMsgSearchDone:
      SearchEnded(message);
      break;
    default:
      break;
  }
  return 0;
}

void CFindFoldersDlg::SearchEnded(const CMessage& message) {
  m_searching = false;
  m_status->setText(Qs(message.text));
  m_search->setText(QStringLiteral("&Search"));
  if (m_afterSearch) {
    const std::function<void()> after = std::move(m_afterSearch);
    m_afterSearch = nullptr;
    after();
  }
}
