// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QPointer>
#include <QTabWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "profile/FindFolders.h"
#include "profile/ListEntries.h"
#include "profile/SettingsExport.h"
#include "profile/SettingsPages.h"
#include "profile/ui/EditorContext.h"

class CAttributesPage;
class CDatesPage;
class CExistingFilesPage;
class CFoldersPage;
class CNamesPage;
class CPathsPage;
class CPrompter;
class CSecurityPage;
class CSettingsPage;
class CSizesPage;
class CSubfoldersPage;
class CVerifyPage;

// The settings sheet of the main window: one tab per group of a profile's settings, holding
// the current profile's live values. The main window appends its own pages (Profiles and
// Queues) after these.
class CSettingsSheet : public QTabWidget, public CSettingsPages {
  Q_OBJECT

 public:
  explicit CSettingsSheet(CPrompter& prompter, QWidget* parent = nullptr);
  ~CSettingsSheet() override;

  // A snapshot of every page, Folders first.
  CSettingsState Take() const override;
  // Loads every page from a record; the Folders page first, since the Subfolders page
  // recognises its source-folder entry by the source path.
  void Apply(const CSettingsState& settings) override;
  // Empties the text boxes of the Subfolders, File/Folder Names and Paths pages.
  void ClearEditors() override;

  // Disables every control of the settings pages, or enables them again as each page's
  // rules allow. Pages added with AddPage are their owner's to enable.
  void EnableSettings(bool enable);
  void AddPage(QWidget* page, const QString& caption);
  // Checks the page being shown before it is left (the Sizes page's bounds). False keeps
  // the page. Switching tabs calls it; so must Preview and Copy.
  bool LeaveCurrentPage();

  int32_t CopyMode() const;
  // Enters paths on the Paths page as checked exclusions (the preview list's Exclude and
  // Remember).
  void RememberExcludedPaths(const std::vector<std::string>& paths);
  // Puts the folder texts as the checks before a run corrected them into the Folders page.
  void SetFolderTexts(const std::string& source, const std::string& destination);
  // The font of the fields and lists that show paths, names and patterns.
  void SetNameFont(const QFont& font);
  // The orders in which the three lists are shown. They belong to the rules, a layer above
  // this one, so the main window hands them in; until then a list keeps its stored order.
  void SetListOrders(const SPageListOrders& orders);
  // The saved folder list of the Select a Folder Path window (the data file's); until it is
  // handed in the window keeps a list of this run only.
  void SetSavedFolders(std::vector<std::string>* folders);
  // The matcher of the Find Folders search (the rules'); plain wildcards until then.
  void SetFolderMatcher(FNameMatch match);
  // What "&Open Folder" of the text fields does; the file manager until told otherwise.
  void SetFolderExplorer(FExploreFolder explore);
  SEditorContext& Context() { return *m_context; }

  // The settings as the pages show them now, for the settings export.
  SShownSettings Shown(const std::string& profileName) const;

 signals:
  // The copy mode of the Folders page changed, by the user or by Apply.
  void copyModeChanged(int mode);
  // The user changed a setting on one of the pages.
  void settingsEdited();

 private:
  void AddSettingsPage(CSettingsPage* page, const QString& caption);
  void OnCopyModeChanged(int mode);
  void OnTabChanged();
  bool LeavePage(QWidget* page);

  std::unique_ptr<SEditorContext> m_context;
  CFoldersPage* m_folders = nullptr;
  CSubfoldersPage* m_subfolders = nullptr;
  CNamesPage* m_names = nullptr;
  CPathsPage* m_paths = nullptr;
  CDatesPage* m_dates = nullptr;
  CSizesPage* m_sizes = nullptr;
  CAttributesPage* m_attributes = nullptr;
  CVerifyPage* m_verify = nullptr;
  CExistingFilesPage* m_existingFiles = nullptr;
  CSecurityPage* m_security = nullptr;  // only where files carry security information
  std::vector<CSettingsPage*> m_pages;  // in the order of the record's fields
  QPointer<QWidget> m_shownPage;
  bool m_returning = false;  // switching back to a page that may not be left
  bool m_applying = false;
  int m_copyMode = -1;
};
