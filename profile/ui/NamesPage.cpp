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
#include "profile/ui/ConfirmDropDlg.h"

namespace {

using namespace settings_codes;

constexpr int kMaxPattern = 255;
constexpr int kMatch = 0;
constexpr int kExclude = 1;

}  // namespace

CNamesPage::CNamesPage(SEditorContext& context, QWidget* parent)
    : CEntryListPage("namesPage", EListKind::kNames, context, parent) {
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

  BuildEditor(QStringLiteral("File/Folder Names"), "nameList", "nameText", kMaxPattern);

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

  auto* list = new QHBoxLayout;
  list->addWidget(m_editor.view, 1);
  list->addLayout(Commands());
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(modes);
  layout->addLayout(list, 1);
  layout->addWidget(m_editor.prompt);
  layout->addWidget(m_editor.edit);
  layout->addLayout(tags);

  connect(m_modes, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) {
      NoteEdited();
    }
  });
  connect(m_allowTypos, &QCheckBox::toggled, this, &CNamesPage::NoteEdited);
  SetCopyMode(kCopyIntoFolders);
}

void CNamesPage::SetCopyMode(int32_t copyMode) {
  m_copyMode = copyMode;
  const SNamesPageTexts texts = NamesPageTexts(copyMode);
  m_modes->button(kNoFiltering)->setText(Qs(texts.noFiltering));
  m_editor.prompt->setText(Qs(texts.prompt));
}

void CNamesPage::Show(const CSettingsState& settings) {
  m_modes->button(ShownCode(settings.nameMode, {kNoFiltering, kNamesMatch}))->setChecked(true);
  m_allowTypos->setChecked(settings.allowTypos != 0);
  ShowLoaded(LoadNameEntries(settings.nameEntries));
}

void CNamesPage::Read(CSettingsState& settings) const {
  settings.nameMode = m_modes->checkedId();
  settings.allowTypos = m_allowTypos->isChecked() ? 1 : 0;
  settings.nameEntries = StoreEntries(Entries(), EListKind::kNames, {});
}

SListOutcome CNamesPage::AddTyped(std::vector<SDisplayEntry>& entries, const std::string& text) {
  return AddNameEntry(entries, text, Tag(), m_editor.order);
}

void CNamesPage::TakeForEditing(const STakenEntry& taken) {
  CEntryListPage::TakeForEditing(taken);
  m_tags->button(taken.tag == EEntryTag::kExclude ? kExclude : kMatch)->setChecked(true);
}

void CNamesPage::DroppedOnBox(const std::vector<SDroppedItem>& items) {
  const SBoxDrop drop = DropOnNameBox(items, TreeOnly());
  if (!drop.message.empty()) {
    Tell(drop.message);
  } else if (!drop.text.empty()) {
    m_editor.edit->setText(Qs(drop.text));
  }
}

void CNamesPage::DroppedOnList(const std::vector<SDroppedItem>& items) {
  std::vector<SDisplayEntry> entries = Entries();
  EEntryTag tag = Tag();
  std::vector<SDisplayEntry> trial = entries;
  if (DropOnNames(trial, items, tag, TreeOnly(), m_editor.order).added > 0) {
    CConfirmDropDlg dialog(EListKind::kNames, items.size(), tag, this);
    if (dialog.exec() != QDialog::Accepted) {
      return;
    }
    tag = dialog.Tag();
  }
  const SDropCounts counts = DropOnNames(entries, items, tag, TreeOnly(), m_editor.order);
  ShowEntries(std::move(entries), counts.select, counts.added > 0);
  if (counts.added > 0) {
    ChooseListMode();
  }
  const std::string refusal = DropRefusal(EListKind::kNames, TreeOnly(), counts);
  if (!refusal.empty()) {
    Tell(refusal);
  }
}

void CNamesPage::ChooseListMode() {
  m_modes->button(kNamesMatch)->setChecked(true);
}

EEntryTag CNamesPage::Tag() const {
  return m_tags->checkedId() == kExclude ? EEntryTag::kExclude : EEntryTag::kMatch;
}
