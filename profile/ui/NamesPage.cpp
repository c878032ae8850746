// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/NamesPage.h"

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

constexpr int kMaxPattern = 255;
constexpr int kMatch = 0;
constexpr int kExclude = 1;

}  // namespace

CNamesPage::CNamesPage(QWidget* parent) : CSettingsPage("namesPage", parent) {
  m_modes = new QButtonGroup(this);
  m_modes->addButton(MakeRadio({}, "namesAll", this), kNoFiltering);
  m_modes->addButton(MakeRadio(captions::kNamesList, "namesList", this), kNamesMatch);
  m_modes->button(kNoFiltering)->setChecked(true);
  m_allowTypos = MakeCheckBox("Allo&w typos.", "allowTypos", this);
  auto* modes = new QHBoxLayout;
  modes->addWidget(m_modes->button(kNoFiltering));
  modes->addWidget(m_modes->button(kNamesMatch));
  modes->addStretch();
  modes->addWidget(m_allowTypos);

  m_editor = MakeEntryEditor(QStringLiteral("File/Folder Names"), "nameList", "nameText",
                             kMaxPattern, this);

  m_tags = new QButtonGroup(this);
  QRadioButton* match = MakeRadio("Ma&tch", "matchTag", this);
  QRadioButton* exclude = MakeRadio("E&xclude", "nameExcludeTag", this);
  m_tags->addButton(match, kMatch);
  m_tags->addButton(exclude, kExclude);
  match->setChecked(true);
  auto* tags = new QHBoxLayout;
  tags->addWidget(match);
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
  connect(m_allowTypos, &QCheckBox::toggled, this, &CNamesPage::NoteEdited);
  connect(m_editor.model, &CEntryListModel::checkEdited, this, &CNamesPage::NoteEdited);
  SetCopyMode(kCopyIntoFolders);
}

void CNamesPage::SetCopyMode(int32_t copyMode) {
  const SNamesPageTexts texts = NamesPageTexts(copyMode);
  m_modes->button(kNoFiltering)->setText(Qs(texts.noFiltering));
  m_editor.prompt->setText(Qs(texts.prompt));
}

void CNamesPage::Show(const CSettingsState& settings) {
  m_modes->button(ShownCode(settings.nameMode, {kNoFiltering, kNamesMatch}))->setChecked(true);
  m_allowTypos->setChecked(settings.allowTypos != 0);
  m_editor.Show(LoadNameEntries(settings.nameEntries));
}

void CNamesPage::Read(CSettingsState& settings) const {
  settings.nameMode = m_modes->checkedId();
  settings.allowTypos = m_allowTypos->isChecked() ? 1 : 0;
  settings.nameEntries = StoreEntries(m_editor.model->Entries(), EListKind::kNames, {});
}

void CNamesPage::ClearEditor() {
  m_editor.edit->clear();
}

void CNamesPage::SetNameFont(const QFont& font) {
  m_editor.SetFont(font);
}
