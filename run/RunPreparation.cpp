// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "run/RunPreparation.h"

#include "core/Options.h"
#include "core/Reporter.h"
#include "platform/DateTime.h"
#include "preview/FolderTree.h"
#include "profile/ListEntries.h"
#include "profile/PageRules.h"
#include "rules/Filter.h"
#include "run/FolderValidation.h"

bool CheckIncludes(const CSettingsState& settings, CReporter& reporter) {
  bool folder = false;
  for (const SDisplayEntry& entry :
       LoadSubfolderEntries(settings.subfolderEntries, settings.sourcePath)) {
    folder = folder || (entry.check == kChecked && !entry.text.starts_with(" <exclude>"));
  }
  if (!folder) {
    reporter.Report("There must be at least one checked include-folder in the Subfolders page.");
    return false;
  }
  bool pattern = false;
  for (const SDisplayEntry& entry : LoadNameEntries(settings.nameEntries)) {
    pattern = pattern || (entry.check == kChecked && entry.text.starts_with(" <match>"));
  }
  if (!pattern) {
    reporter.Report(
        "There must be at least one checked include-pattern in the File/Folder Names page.");
    return false;
  }
  return true;
}

CSettingsState AsLoadedIntoPages(const CSettingsState& settings) {
  CSettingsState loaded = settings;
  loaded.subfolderEntries =
      StoreEntries(LoadSubfolderEntries(settings.subfolderEntries, settings.sourcePath),
                   EListKind::kSubfolders, settings.sourcePath);
  loaded.nameEntries =
      StoreEntries(LoadNameEntries(settings.nameEntries), EListKind::kNames, settings.sourcePath);
  ApplyDatesPageLoad(loaded, platform::CDateTime::Now());
  return loaded;
}

void TakeCheckedFolders(CSettingsState& settings, const std::string& source,
                        const std::string& destination) {
  // The pages keep the paths as the user typed them, less what validation corrected.
  const std::string typedSource = settings.sourcePath;
  settings.sourcePath = source.size() > 3 ? source.substr(0, source.size() - 1) : source;
  settings.destinationPath =
      destination.size() > 3 ? destination.substr(0, destination.size() - 1) : destination;
  if (settings.sourcePath != typedSource) {
    // The Subfolders list names the source folder by its path text: it must follow the
    // corrected text, or the source-folder entry would turn into an ordinary folder entry and
    // the source folder's own files would be left out.
    settings.subfolderEntries =
        StoreEntries(LoadSubfolderEntries(settings.subfolderEntries, typedSource),
                     EListKind::kSubfolders, settings.sourcePath);
  }
}

bool PrepareFolders(CSettingsState& settings, SValidationContext& context,
                    SPreparedFolders& prepared) {
  std::string source = settings.sourcePath;
  std::string destination = settings.destinationPath;
  if (!ValidateFolders(source, destination, true, context)) {
    return false;
  }
  TakeCheckedFolders(settings, source, destination);
  const std::optional<SDriveData> drives = PrepareDrives(source, destination, context.reporter);
  if (!drives) {
    return false;
  }
  prepared.source = std::move(source);
  prepared.destination = std::move(destination);
  prepared.drives = *drives;
  return true;
}

SPreviewSetup MakePreviewSetup(const CSettingsState& settings, const SProgramOptions& options,
                               const SPreparedFolders& prepared, CMessageTarget* target,
                               bool previewRun, CPrompter* prompter) {
  SFilterOptions filterOptions;
  filterOptions.tolerance = options.m_tolerance;
  filterOptions.hourDiff = options.m_hourDiff != 0;
  filterOptions.gather = settings.copyMode == kCopyGather;
  filterOptions.useTwoDigits = options.m_useTwoDigits != 0;
  filterOptions.includeRenames = previewRun && options.m_includeRenames != 0;
  SPreviewSetup setup;
  setup.sourceRoot = prepared.source;
  setup.destinationRoot = prepared.destination;
  setup.clusterSize = prepared.drives.destCluster;
  setup.search = std::make_unique<CFileSearch>(prepared.source);
  setup.filter =
      std::make_unique<CFilter>(settings, filterOptions, prepared.source, prepared.destination,
                                target, platform::CDateTime::Now());
  setup.copyMode = settings.copyMode;
  setup.previewRun = previewRun;
  setup.includeRenames = options.m_includeRenames != 0;
  setup.spaceAvailable = prepared.drives.destFree;
  setup.prompter = prompter;
  return setup;
}
