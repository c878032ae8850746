// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/PathsPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "profile/PageTexts.h"

namespace {

constexpr int kMaxPath = 259;

}  // namespace

CPathsPage::CPathsPage(QWidget* parent) : CSettingsPage("pathsPage", parent) {
  m_editor =
      MakeEntryEditor(QStringLiteral("Excluded paths"), "pathList", "pathText", kMaxPath, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_editor.view, 1);
  layout->addWidget(m_editor.prompt);
  layout->addWidget(m_editor.edit);
  connect(m_editor.model, &CEntryListModel::checkEdited, this, &CPathsPage::NoteEdited);
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
  m_editor.Show(LoadPathEntries(settings.excludedPaths));
}

void CPathsPage::Read(CSettingsState& settings) const {
  settings.excludedPaths = StoreEntries(m_editor.model->Entries(), EListKind::kPaths, {});
}

void CPathsPage::ClearEditor() {
  m_editor.edit->clear();
}

void CPathsPage::SetNameFont(const QFont& font) {
  m_editor.SetFont(font);
}
