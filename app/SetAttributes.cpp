// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/SetAttributes.h"

#include <new>

#include "core/AppText.h"
#include "core/BusySpell.h"
#include "core/FormatItem.h"
#include "core/Options.h"
#include "core/Prompter.h"
#include "core/Reporter.h"
#include "platform/DateTime.h"
#include "platform/FileInfo.h"
#include "platform/TextUtil.h"
#include "preview/FolderTree.h"
#include "profile/SettingsState.h"
#include "rules/Filter.h"
#include "run/FolderValidation.h"
#include "run/RunPreparation.h"

namespace {

constexpr uint32_t kReplaced = platform::kAttrReadOnly | platform::kAttrHidden |
                               platform::kAttrArchive | platform::kAttrNormal;
// Within one large folder the window is also given its turn every so many files.
constexpr int kFilesBetweenChecks = 256;

// Sets one file's new attributes; true when they are different afterwards.
bool ChangeFile(const std::string& path, uint32_t chosen, bool addIn) {
  const uint32_t old = platform::GetFileAttributes(path);
  if (old == platform::kInvalidAttributes) {
    return false;
  }
  const uint32_t wanted = NewAttributes(old, chosen, addIn);
  if (wanted == old || platform::SetFileAttributes(path, wanted) != platform::EError::kNone) {
    return false;
  }
  const uint32_t now = platform::GetFileAttributes(path);
  return now != platform::kInvalidAttributes && now != old;
}

SFilterOptions FilterOptions(const SProgramOptions& options) {
  SFilterOptions filterOptions;
  filterOptions.tolerance = options.m_tolerance;
  filterOptions.hourDiff = options.m_hourDiff != 0;
  filterOptions.useTwoDigits = options.m_useTwoDigits != 0;
  // Neither gathering nor renames: every selected file is visited where it lies.
  filterOptions.gather = false;
  filterOptions.includeRenames = false;
  return filterOptions;
}

}  // namespace

uint32_t NewAttributes(uint32_t old, uint32_t chosen, bool addIn) {
  if (addIn) {
    return old == platform::kAttrNormal ? chosen : old | chosen;
  }
  const uint32_t attributes = (old & ~kReplaced) | chosen;
  return attributes == 0 ? platform::kAttrNormal : attributes;
}

SAttributeCounts SetAttributesInTree(const std::string& sourceRoot, CFilter& filter,
                                     uint32_t chosen, bool addIn,
                                     const std::function<bool()>& aborted) {
  SAttributeCounts counts;
  CFileSearch search(sourceRoot);
  CFolderTreeMgr& tree = search.Tree();
  CFileFindFixed& finder = search.Finder();
  tree.SetRootState(filter.RootState());
  std::string folder = tree.RootPath();
  int sinceCheck = 0;
  do {
    const bool takeFiles = tree.CurrentState() == kFolderTake;
    for (bool found = search.FindInFolder(folder); found; found = finder.FindNextFile()) {
      const platform::SFindData& entry = finder.Data();
      if (finder.IsDots()) {
        continue;
      }
      if (finder.IsDirectory()) {
        // A link to a folder may lead anywhere, even back up the tree: it is not entered.
        if ((entry.attributes & platform::kAttrReparsePoint) != 0) {
          continue;
        }
        const int state = filter.DecideFolder(folder + entry.name + "\\", entry.name);
        if (state != kFolderSkip && tree.AddChild(entry.name, state) == 0) {
          throw std::bad_alloc();
        }
        continue;
      }
      if (!takeFiles || !filter.DecideFile(folder, entry, false)) {
        continue;
      }
      if (ChangeFile(folder + entry.name, chosen, addIn)) {
        ++counts.changed;
      } else {
        ++counts.unchanged;
      }
      if (++sinceCheck >= kFilesBetweenChecks) {
        sinceCheck = 0;
        if (aborted && aborted()) {
          counts.aborted = true;
          break;
        }
      }
    }
    finder.Close();
    if (counts.aborted || (aborted && aborted())) {
      counts.aborted = true;
      break;
    }
    sinceCheck = 0;
  } while (tree.NextFolder(folder) != 0);
  return counts;
}

std::string SetAttributesResultText(const SAttributeCounts& counts, const CFormatItem& format) {
  const int64_t total = static_cast<int64_t>(counts.changed) + counts.unchanged;
  return platform::Format("%sFiles Changed:\t%s\nFiles Unchanged:\t%s\nTotal Files:\t%s",
                          counts.aborted ? "Attribute setting canceled.\n\n" : "",
                          format.FormatCount(counts.changed).c_str(),
                          format.FormatCount(counts.unchanged).c_str(),
                          format.FormatCount64(static_cast<uint64_t>(total)).c_str());
}

void RunSetAttributes(CSettingsState& settings, uint32_t chosen, bool addIn,
                      const SSetAttributesRun& run) {
  if (addIn && chosen == 0) {
    return;  // nothing to add
  }
  const CBusySpell working(run.busy);
  CPrompterReporter reporter(run.prompter);
  SValidationContext context{run.prompter, reporter, false, run.driveStatus};
  std::string source = settings.sourcePath;
  std::string destination = settings.destinationPath;
  // The tool changes the source only, so the two folders may be the same.
  if (!ValidateFolders(source, destination, false, context)) {
    return;
  }
  TakeCheckedFolders(settings, source, destination);
  const CFormatItem format(2, run.options.m_useThousandsSep != 0, run.options.m_thousandsSep);
  SAttributeCounts counts;
  try {
    CFilter filter(AsLoadedIntoPages(settings), FilterOptions(run.options), source, destination,
                   nullptr, platform::CDateTime::Now());
    counts = SetAttributesInTree(source, filter, chosen, addIn, run.aborted);
  } catch (const std::bad_alloc&) {
    run.prompter.Show(kOutOfMemoryText, EIcon::kStop);
    return;
  }
  run.prompter.Show(SetAttributesResultText(counts, format), EIcon::kInformation);
}
