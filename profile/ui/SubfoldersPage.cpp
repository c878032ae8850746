// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/SubfoldersPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "profile/PageRules.h"
#include "profile/PageTexts.h"

namespace {

using namespace settings_codes;

constexpr int kMaxPath = 259;
constexpr int kInclude = 0;
constexpr int kExclude = 1;

}  // namespace

CSubfoldersPage::CSubfoldersPage(QWidget* parent) : CSettingsPage("subfoldersPage", parent) {
  m_modes = new QButtonGroup(this);
  auto* modes = new QHBoxLayout;
  m_modes->addButton(MakeRadio(captions::kSubfoldersAll, "subfoldersAll", this), kSubfoldersAll);
  m_modes->addButton(MakeRadio(captions::kSubfoldersNone, "subfoldersNone", this), kSubfoldersNone);
  m_modes->addButton(MakeRadio(captions::kSubfoldersList, "subfoldersList", this), kSubfoldersList);
  for (QAbstractButton* button : m_modes->buttons()) {
    modes->addWidget(button);
  }
  modes->addStretch();
  m_modes->button(kSubfoldersAll)->setChecked(true);

  m_editor = MakeEntryEditor(QStringLiteral("Subfolders"), "subfolderList", "subfolderText",
                             kMaxPath, this);

  m_tags = new QButtonGroup(this);
  QRadioButton* include = MakeRadio("&Include", "includeTag", this);
  QRadioButton* exclude = MakeRadio("E&xclude", "excludeTag", this);
  m_tags->addButton(include, kInclude);
  m_tags->addButton(exclude, kExclude);
  m_withSubfolders = MakeCheckBox("&with its subfolders", "withSubfolders", this);
  include->setChecked(true);
  m_withSubfolders->setChecked(true);
  auto* tags = new QHBoxLayout;
  tags->addWidget(include);
  tags->addWidget(m_withSubfolders);
  tags->addSpacing(fontMetrics().averageCharWidth() * 4);
  tags->addWidget(exclude);
  tags->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(modes);
  layout->addWidget(m_editor.view, 1);
  layout->addWidget(m_editor.prompt);
  layout->addWidget(m_editor.edit);
  layout->addLayout(tags);

  connect(m_modes, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) {
      NoteEdited();
    }
  });
  connect(m_editor.model, &CEntryListModel::checkEdited, this, &CSubfoldersPage::NoteEdited);
  connect(m_tags, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) {
      ApplyEnables();
    }
  });
  ApplyEnables();
}

void CSubfoldersPage::Show(const CSettingsState& settings) {
  const int32_t mode =
      ShownCode(settings.subfolderMode, {kSubfoldersAll, kSubfoldersNone, kSubfoldersList});
  m_modes->button(mode)->setChecked(true);
  m_editor.Show(LoadSubfolderEntries(settings.subfolderEntries, settings.sourcePath));
}

void CSubfoldersPage::Read(CSettingsState& settings) const {
  settings.subfolderMode = m_modes->checkedId();
  // The source-folder entry stands for the Folders page's source path, read before this page.
  settings.subfolderEntries =
      StoreEntries(m_editor.model->Entries(), EListKind::kSubfolders, settings.sourcePath);
}

void CSubfoldersPage::ApplyEnables() {
  const bool include = m_tags->checkedId() == kInclude;
  m_withSubfolders->setEnabled(include);
  m_editor.prompt->setText(Qs(SubfoldersPrompt(include)));
}

void CSubfoldersPage::ClearEditor() {
  m_editor.edit->clear();
}

void CSubfoldersPage::SetNameFont(const QFont& font) {
  m_editor.SetFont(font);
}
