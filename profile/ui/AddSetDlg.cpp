// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/AddSetDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Prompter.h"
#include "core/ui/Widgets.h"
#include "profile/FolderCommands.h"
#include "profile/ui/MenuEdit.h"
#include "profile/ui/SettingsPage.h"

namespace {

constexpr int kMaxPath = 259;
constexpr int kInclude = 0;
constexpr int kExclude = 1;

}  // namespace

CAddSetDlg::CAddSetDlg(SEditorContext& context, const std::string& folder, EEntryTag preset,
                       QWidget* parent)
    : QDialog(parent), m_context(context) {
  setObjectName(QStringLiteral("addSetDialog"));
  setWindowTitle(QStringLiteral("Add Set"));

  m_folder = new QLineEdit(Qs(folder), this);
  m_folder->setObjectName(QStringLiteral("setFolder"));
  m_folder->setMaxLength(kMaxPath);
  InstallFolderFieldMenu(m_folder, m_context);
  auto* folderLabel = new QLabel(QStringLiteral("&Folder:"), this);
  SetLabelFor(folderLabel, m_folder);
  QPushButton* gather = MakeButton(QStringLiteral("&Gather Subfolders"), "gatherButton", this);
  gather->setAutoDefault(false);
  m_clearList = MakeCheckBox("&Clear list.", "clearList", this);

  m_model = new QStringListModel(this);
  m_view = MakeTextList(m_model, "setList", this);
  m_view->setTextElideMode(Qt::ElideMiddle);
  auto* listLabel = new QLabel(QStringLiteral("Su&bfolders:"), this);
  SetLabelFor(listLabel, m_view);

  m_tags = new QButtonGroup(this);
  QRadioButton* include = MakeRadio("&Include", "includeTag", this);
  QRadioButton* exclude = MakeRadio("&Exclude", "excludeTag", this);
  m_tags->addButton(include, kInclude);
  m_tags->addButton(exclude, kExclude);
  m_withSubfolders = MakeCheckBox("&with its subfolders", "withSubfolders", this);
  (preset == EEntryTag::kExclude ? exclude : include)->setChecked(true);
  m_withSubfolders->setChecked(preset != EEntryTag::kIncludeOnly);

  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(folderLabel);
  folderRow->addWidget(m_folder, 1);
  auto* gatherRow = new QHBoxLayout;
  gatherRow->addWidget(gather);
  gatherRow->addWidget(m_clearList);
  gatherRow->addStretch();
  auto* tags = new QHBoxLayout;
  tags->addWidget(include);
  tags->addWidget(m_withSubfolders);
  tags->addSpacing(fontMetrics().averageCharWidth() * 4);
  tags->addWidget(exclude);
  tags->addStretch();

  QDialogButtonBox* buttons = MakeOkCancel(this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(folderRow);
  layout->addLayout(gatherRow);
  layout->addWidget(listLabel);
  layout->addWidget(m_view, 1);
  layout->addLayout(tags);
  layout->addWidget(buttons);
  resize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 24);

  connect(gather, &QPushButton::clicked, this,
          [this] { RunCommand(m_context.prompter, [this] { OnGather(); }); });
  connect(m_tags, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) {
      ApplyEnables();
    }
  });
  ApplyEnables();
}

EEntryTag CAddSetDlg::Tag() const {
  if (m_tags->checkedId() == kExclude) {
    return EEntryTag::kExclude;
  }
  return m_withSubfolders->isChecked() ? EEntryTag::kIncludeSubs : EEntryTag::kIncludeOnly;
}

void CAddSetDlg::accept() {
  if (m_list.empty()) {
    if (m_context.prompter.AskYesNo("No items were selected.  Do you want to close this window?",
                                    EAnswer::kYes)) {
      QDialog::reject();
    }
    return;
  }
  std::vector<int> rows;
  for (const QModelIndex& index : m_view->selectionModel()->selectedRows()) {
    rows.push_back(index.row());
  }
  m_chosen.clear();
  if (rows.empty()) {
    if (!m_context.prompter.AskYesNo("Do you want to include all of these subfolders?",
                                     EAnswer::kYes)) {
      return;
    }
    m_chosen = m_list;
  } else {
    std::sort(rows.begin(), rows.end());
    for (const int row : rows) {
      m_chosen.push_back(m_list[static_cast<size_t>(row)]);
    }
  }
  QDialog::accept();
}

void CAddSetDlg::OnGather() {
  const SGathered gathered = GatherSubfolders(Utf8(m_folder->text()));
  if (!gathered.message.empty()) {
    m_context.prompter.Show(gathered.message, EIcon::kExclamation);
    m_folder->setFocus();
    return;
  }
  if (m_clearList->isChecked()) {
    m_list.clear();
  }
  AppendGathered(m_list, gathered.folders);
  ShowList();
}

void CAddSetDlg::ShowList() {
  QStringList rows;
  for (const std::string& path : m_list) {
    rows << Qs(path);
  }
  m_model->setStringList(rows);
}

void CAddSetDlg::ApplyEnables() {
  m_withSubfolders->setEnabled(m_tags->checkedId() == kInclude);
}
