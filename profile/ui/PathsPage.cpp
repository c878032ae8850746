// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/PathsPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "profile/PageTexts.h"

namespace {

constexpr int kMaxPath = 259;

}  // namespace

CPathsPage::CPathsPage(SEditorContext& context, QWidget* parent)
    : CEntryListPage("pathsPage", EListKind::kPaths, context, parent) {
  BuildEditor(QStringLiteral("Excluded paths"), "pathList", "pathText", kMaxPath);
  auto* list = new QHBoxLayout;
  list->addWidget(m_editor.view, 1);
  list->addLayout(Commands());
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(list, 1);
  layout->addWidget(m_editor.prompt);
  layout->addWidget(m_editor.edit);
  SetCopyMode(kCopyIntoFolders);
}

void CPathsPage::SetCopyMode(int32_t copyMode) {
  m_editor.prompt->setText(Qs(PathsPrompt(copyMode)));
}

void CPathsPage::RememberPaths(const std::vector<std::string>& paths) {
  if (paths.empty()) {
    return;
  }
  std::vector<SDisplayEntry> entries = m_editor.model->Entries();
  const std::string caret = RememberPathEntries(entries, paths);
  m_editor.Show(std::move(entries));
  const std::vector<SDisplayEntry>& shown = m_editor.model->Entries();
  for (size_t row = 0; row < shown.size(); ++row) {
    if (shown[row].text == caret) {
      const QModelIndex index = m_editor.model->index(static_cast<int>(row), 0);
      m_editor.view->setCurrentIndex(index);
      m_editor.view->scrollTo(index);
      break;
    }
  }
  NoteEdited();
}

void CPathsPage::Show(const CSettingsState& settings) {
  ShowLoaded(LoadPathEntries(settings.excludedPaths));
}

void CPathsPage::Read(CSettingsState& settings) const {
  settings.excludedPaths = StoreEntries(Entries(), EListKind::kPaths, {});
}

SListOutcome CPathsPage::AddTyped(std::vector<SDisplayEntry>& entries, const std::string& text) {
  return AddPathEntry(entries, text, m_editor.order);
}

void CPathsPage::DroppedOnBox(const std::vector<SDroppedItem>& items) {
  if (!items.empty()) {
    m_editor.edit->setText(Qs(items.front().path));
  }
}

void CPathsPage::DroppedOnList(const std::vector<SDroppedItem>& items) {
  std::vector<SDisplayEntry> entries = Entries();
  const SDropCounts counts = DropOnPaths(entries, items, m_editor.order);
  ShowEntries(std::move(entries), counts.select, counts.added > 0 || counts.listed > 0);
  const std::string refusal = DropRefusal(EListKind::kPaths, false, counts);
  if (!refusal.empty()) {
    Tell(refusal);
  }
}
