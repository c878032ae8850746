// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/SubfoldersPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/ui/Widgets.h"
#include "profile/FolderCommands.h"
#include "profile/PageRules.h"
#include "profile/PageTexts.h"
#include "profile/ui/AddSetDlg.h"
#include "profile/ui/ConfirmDropDlg.h"
#include "profile/ui/FileDialogs.h"

namespace {

using namespace settings_codes;

constexpr int kMaxPath = 259;
constexpr int kInclude = 0;
constexpr int kExclude = 1;

}  // namespace

CSubfoldersPage::CSubfoldersPage(SEditorContext& context, QWidget* parent)
    : CEntryListPage("subfoldersPage", EListKind::kSubfolders, context, parent) {
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

  BuildEditor(QStringLiteral("Subfolders"), "subfolderList", "subfolderText", kMaxPath);
  QPushButton* browse = MakeButton(QStringLiteral("&Browse..."), "browseSubfolder", this);
  QPushButton* addSet = MakeButton(QStringLiteral("Add &Set..."), "addSetButton", this);

  m_tags = new QButtonGroup(this);
  QRadioButton* include = MakeRadio("&Include", "includeTag", this);
  QRadioButton* exclude = MakeRadio("E&xclude", "excludeTag", this);
  m_tags->addButton(include, kInclude);
  m_tags->addButton(exclude, kExclude);
  m_withSubfolders = MakeCheckBox("&with its subfolders", "withSubfolders", this);
  include->setChecked(true);
  m_withSubfolders->setChecked(true);

  auto* list = new QHBoxLayout;
  list->addWidget(m_editor.view, 1);
  list->addLayout(Commands());
  auto* box = new QHBoxLayout;
  box->addWidget(m_editor.edit, 1);
  box->addWidget(browse);
  box->addWidget(addSet);
  auto* tags = new QHBoxLayout;
  tags->addWidget(include);
  tags->addWidget(m_withSubfolders);
  tags->addSpacing(fontMetrics().averageCharWidth() * 4);
  tags->addWidget(exclude);
  tags->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(modes);
  layout->addLayout(list, 1);
  layout->addWidget(m_editor.prompt);
  layout->addLayout(box);
  layout->addLayout(tags);

  connect(m_modes, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) {
      NoteEdited();
    }
  });
  connect(m_tags, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) {
      ApplyEnables();
    }
  });
  connect(browse, &QPushButton::clicked, this, [this] { Run([this] { OnBrowse(); }); });
  connect(addSet, &QPushButton::clicked, this, [this] { Run([this] { OnAddSet(); }); });
  ApplyEnables();
}

void CSubfoldersPage::Show(const CSettingsState& settings) {
  const int32_t mode =
      ShownCode(settings.subfolderMode, {kSubfoldersAll, kSubfoldersNone, kSubfoldersList});
  m_modes->button(mode)->setChecked(true);
  ShowLoaded(LoadSubfolderEntries(settings.subfolderEntries, settings.sourcePath));
}

void CSubfoldersPage::Read(CSettingsState& settings) const {
  settings.subfolderMode = m_modes->checkedId();
  // The source-folder entry stands for the Folders page's source path, read before this page.
  settings.subfolderEntries = StoreEntries(Entries(), EListKind::kSubfolders, settings.sourcePath);
}

void CSubfoldersPage::ApplyEnables() {
  const bool include = m_tags->checkedId() == kInclude;
  m_withSubfolders->setEnabled(include);
  m_editor.prompt->setText(Qs(SubfoldersPrompt(include)));
}

SListOutcome CSubfoldersPage::AddTyped(std::vector<SDisplayEntry>& entries,
                                       const std::string& text) {
  return AddSubfolderEntry(entries, text, Tag(), SourcePath(), m_editor.order);
}

void CSubfoldersPage::TakeForEditing(const STakenEntry& taken) {
  CEntryListPage::TakeForEditing(taken);
  SetTag(taken.tag);
}

void CSubfoldersPage::EditFixedEntry(const std::string& question) {
  if (!m_context.prompter.AskYesNo(question, EAnswer::kYes)) {
    return;
  }
  std::vector<SDisplayEntry> entries = Entries();
  const size_t row = SwitchSourceEntry(entries, m_editor.order);
  ShowEntries(std::move(entries), {row}, true);
}

void CSubfoldersPage::DroppedOnBox(const std::vector<SDroppedItem>& items) {
  const SBoxDrop drop = DropOnFolderBox(items);
  if (!drop.message.empty()) {
    Tell(drop.message);
  } else if (!drop.text.empty()) {
    m_editor.edit->setText(Qs(drop.text));
  }
}

void CSubfoldersPage::DroppedOnList(const std::vector<SDroppedItem>& items) {
  std::vector<SDisplayEntry> entries = Entries();
  EEntryTag tag = Tag();
  // The question is only worth asking when a folder can be taken.
  std::vector<SDisplayEntry> trial = entries;
  if (DropOnSubfolders(trial, items, tag, SourcePath(), m_editor.order).added > 0) {
    CConfirmDropDlg dialog(EListKind::kSubfolders, items.size(), tag, this);
    if (dialog.exec() != QDialog::Accepted) {
      return;
    }
    tag = dialog.Tag();
  }
  const SDropCounts counts = DropOnSubfolders(entries, items, tag, SourcePath(), m_editor.order);
  ShowEntries(std::move(entries), counts.select, counts.added > 0);
  if (counts.added > 0) {
    ChooseListMode();
  }
  const std::string refusal = DropRefusal(EListKind::kSubfolders, false, counts);
  if (!refusal.empty()) {
    Tell(refusal);
  }
}

void CSubfoldersPage::ChooseListMode() {
  m_modes->button(kSubfoldersList)->setChecked(true);
}

EEntryTag CSubfoldersPage::Tag() const {
  if (m_tags->checkedId() == kExclude) {
    return EEntryTag::kExclude;
  }
  return m_withSubfolders->isChecked() ? EEntryTag::kIncludeSubs : EEntryTag::kIncludeOnly;
}

void CSubfoldersPage::SetTag(EEntryTag tag) {
  m_tags->button(tag == EEntryTag::kExclude ? kExclude : kInclude)->setChecked(true);
  if (IsIncludeTag(tag)) {
    m_withSubfolders->setChecked(tag == EEntryTag::kIncludeSubs);
  }
  ApplyEnables();
}

std::string CSubfoldersPage::SourcePath() const {
  return m_source ? m_source() : std::string();
}

void CSubfoldersPage::OnBrowse() {
  const std::optional<std::string> folder = BrowseForFolder(
      this, QStringLiteral("Select a subfolder."), SourcePath(), m_context.prompter);
  if (folder) {
    m_editor.edit->setText(Qs(*folder));
  }
}

void CSubfoldersPage::OnAddSet() {
  CAddSetDlg dialog(m_context, SourcePath(), Tag(), this);
  if (dialog.exec() != QDialog::Accepted) {
    return;
  }
  std::vector<SDisplayEntry> entries = Entries();
  const SAddSetOutcome outcome =
      AddSetToSubfolders(entries, dialog.Chosen(), dialog.Tag(), SourcePath(), m_editor.order);
  ShowEntries(std::move(entries), outcome.select, outcome.changed);
  if (outcome.changed) {
    ChooseListMode();
  }
  if (!outcome.message.empty()) {
    Tell(outcome.message);
  }
}
