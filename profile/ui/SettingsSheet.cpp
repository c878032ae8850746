// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/SettingsSheet.h"

#include "core/SystemInfo.h"
#include "profile/ui/AttributesPage.h"
#include "profile/ui/DatesPage.h"
#include "profile/ui/ExistingFilesPage.h"
#include "profile/ui/FoldersPage.h"
#include "profile/ui/NamesPage.h"
#include "profile/ui/PathsPage.h"
#include "profile/ui/SecurityPage.h"
#include "profile/ui/SizesPage.h"
#include "profile/ui/SubfoldersPage.h"
#include "profile/ui/VerifyPage.h"

CSettingsSheet::CSettingsSheet(CPrompter& prompter, QWidget* parent)
    : QTabWidget(parent), m_context(std::make_unique<SEditorContext>(prompter)) {
  setObjectName(QStringLiteral("settingsSheet"));
  setUsesScrollButtons(true);
  m_folders = new CFoldersPage(*m_context, this);
  m_subfolders = new CSubfoldersPage(*m_context, this);
  m_names = new CNamesPage(*m_context, this);
  m_paths = new CPathsPage(*m_context, this);
  m_dates = new CDatesPage(this);
  m_sizes = new CSizesPage(prompter, this);
  m_attributes = new CAttributesPage(this);
  m_verify = new CVerifyPage(this);
  m_existingFiles = new CExistingFilesPage(prompter, this);
  AddSettingsPage(m_folders, QStringLiteral("Folders"));
  AddSettingsPage(m_subfolders, QStringLiteral("Subfolders"));
  AddSettingsPage(m_names, QStringLiteral("File/Folder Names"));
  AddSettingsPage(m_paths, QStringLiteral("Paths"));
  AddSettingsPage(m_dates, QStringLiteral("Dates"));
  AddSettingsPage(m_sizes, QStringLiteral("Sizes"));
  AddSettingsPage(m_attributes, QStringLiteral("Attributes"));
  AddSettingsPage(m_verify, QStringLiteral("Verify"));
  AddSettingsPage(m_existingFiles, QStringLiteral("Existing Files"));
  if (OsHasFileSecurity()) {
    m_security = new CSecurityPage(this);
    AddSettingsPage(m_security, QStringLiteral("File Security"));
  }

  m_shownPage = currentWidget();
  m_subfolders->SetSourcePath([this] { return m_folders->SourceText(); });
  connect(m_folders, &CFoldersPage::copyModeChanged, this, &CSettingsSheet::OnCopyModeChanged);
  connect(m_folders, &CFoldersPage::sourceDriveChanged, this, [this](char from, char to) {
    m_subfolders->MoveToDrive(from, to);
    m_paths->MoveToDrive(from, to);
  });
  connect(this, &QTabWidget::currentChanged, this, &CSettingsSheet::OnTabChanged);
  Apply(CSettingsState());
}

CSettingsSheet::~CSettingsSheet() = default;

void CSettingsSheet::AddSettingsPage(CSettingsPage* page, const QString& caption) {
  m_pages.push_back(page);
  addTab(page, caption);
  connect(page, &CSettingsPage::edited, this, [this] {
    if (!m_applying) {
      emit settingsEdited();
    }
  });
}

CSettingsState CSettingsSheet::Take() const {
  CSettingsState settings;
  for (const CSettingsPage* page : m_pages) {
    page->Read(settings);
  }
  return settings;
}

void CSettingsSheet::Apply(const CSettingsState& settings) {
  m_applying = true;
  for (CSettingsPage* page : m_pages) {
    page->Load(settings);
  }
  m_applying = false;
}

void CSettingsSheet::ClearEditors() {
  m_subfolders->ClearEditor();
  m_names->ClearEditor();
  m_paths->ClearEditor();
}

void CSettingsSheet::EnableSettings(bool enable) {
  for (CSettingsPage* page : m_pages) {
    // A disabled page disables its controls; enabled again, each control keeps the state
    // that the page's own rules gave it, and the rules are applied once more.
    page->setEnabled(enable);
    if (enable) {
      page->ApplyEnables();
    }
  }
}

void CSettingsSheet::AddPage(QWidget* page, const QString& caption) {
  addTab(page, caption);
}

bool CSettingsSheet::LeaveCurrentPage() {
  return LeavePage(currentWidget());
}

void CSettingsSheet::SetFolderTexts(const std::string& source, const std::string& destination) {
  m_folders->SetFolderTexts(source, destination);
}

void CSettingsSheet::RememberExcludedPaths(const std::vector<std::string>& paths) {
  m_paths->RememberPaths(paths);
}

int32_t CSettingsSheet::CopyMode() const {
  return m_folders->CopyMode();
}

void CSettingsSheet::SetNameFont(const QFont& font) {
  for (CSettingsPage* page : m_pages) {
    page->SetNameFont(font);
  }
}

void CSettingsSheet::SetSavedFolders(std::vector<std::string>* folders) {
  m_context->savedFolders = folders != nullptr ? folders : &m_context->runFolders;
}

void CSettingsSheet::SetFolderMatcher(FNameMatch match) {
  m_context->match = std::move(match);
}

void CSettingsSheet::SetFolderExplorer(FExploreFolder explore) {
  m_context->explore = std::move(explore);
}

SShownSettings CSettingsSheet::Shown(const std::string& profileName) const {
  SShownSettings shown;
  shown.profileName = profileName;
  shown.settings = Take();
  for (const CSettingsPage* page : m_pages) {
    page->ShowTexts(shown);
  }
  shown.securityPage = m_security != nullptr;
  return shown;
}

void CSettingsSheet::SetListOrders(const SPageListOrders& orders) {
  m_context->folderOrder = orders.paths;
  m_subfolders->SetOrder(orders.subfolders);
  m_names->SetOrder(orders.names);
  m_paths->SetOrder(orders.paths);
  // Shown again in their new order; reading and loading keeps every entry and check.
  const bool wasApplying = m_applying;
  m_applying = true;
  const CSettingsState settings = Take();
  for (CSettingsPage* page :
       {static_cast<CSettingsPage*>(m_subfolders), static_cast<CSettingsPage*>(m_names),
        static_cast<CSettingsPage*>(m_paths)}) {
    page->Load(settings);
  }
  m_applying = wasApplying;
}

void CSettingsSheet::OnCopyModeChanged(int mode) {
  m_existingFiles->SetGather(mode == kCopyGather);
  m_names->SetCopyMode(mode);
  m_paths->SetCopyMode(mode);
  if (mode != m_copyMode) {
    m_copyMode = mode;
    emit copyModeChanged(mode);
  }
}

void CSettingsSheet::OnTabChanged() {
  QWidget* shown = currentWidget();
  if (m_returning || shown == m_shownPage) {
    return;
  }
  if (!LeavePage(m_shownPage)) {
    m_returning = true;
    setCurrentWidget(m_shownPage);
    m_returning = false;
    return;
  }
  m_shownPage = shown;
}

bool CSettingsSheet::LeavePage(QWidget* page) {
  return page != m_sizes || m_sizes->Validate();
}
