// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ListCommands.h"

#include <algorithm>
#include <new>
#include <vector>

#include "core/FolderPaths.h"
#include "core/FormatItem.h"
#include "core/PathText.h"
#include "core/Prompter.h"
#include "listops/CommandFeedback.h"
#include "platform/Drives.h"
#include "platform/File.h"
#include "platform/FileInfo.h"
#include "platform/FileOps.h"
#include "platform/Shell.h"
#include "platform/TextUtil.h"
#include "preview/ListData.h"
#include "preview/PreviewList.h"
#include "profile/SettingsState.h"

namespace {

std::string Cut(const std::string& text) {
  return std::string(platform::CutUtf8(text, 259));
}

SMenuItem Item(const char* text, EListCommand command) {
  return SMenuItem{text, command, {}};
}

SMenuItem Separator() {
  return SMenuItem{};
}

SMenuItem OpenWithMenu() {
  return SMenuItem{
      "O&pen File With",
      EListCommand::kNone,
      {Item("&Notepad", EListCommand::kNotepad), Item("&Wordpad", EListCommand::kWordpad),
       Item("&Choose...", EListCommand::kChoose)}};
}

void AppendExcludeAndSelect(std::vector<SMenuItem>& items) {
  items.push_back(Item("E&xclude and Remember", EListCommand::kExcludeAndRemember));
  items.push_back(Item("Excl&ude and Forget", EListCommand::kExcludeAndForget));
  items.push_back(Separator());
  items.push_back(Item("Select &All", EListCommand::kSelectAll));
  items.push_back(Item("&Select None", EListCommand::kSelectNone));
  items.push_back(Item("&Invert Selection", EListCommand::kInvertSelection));
}

// Rows at their places once `removed` (ascending) have gone.
std::vector<size_t> ShiftPast(const std::vector<size_t>& rows, const std::vector<size_t>& removed) {
  std::vector<size_t> shifted;
  shifted.reserve(rows.size());
  for (const size_t row : rows) {
    const auto below = std::lower_bound(removed.begin(), removed.end(), row);
    shifted.push_back(row - static_cast<size_t>(below - removed.begin()));
  }
  return shifted;
}

// Copies a file into a new temporary file in `folder`, complete and on disk, with the
// source's times; the temporary file's path, or nothing (and no temporary file) on failure.
std::optional<std::string> CopyToTemporary(const std::string& from, const std::string& folder) {
  platform::CFile source;
  if (source.Open(from, platform::EAccess::kRead, platform::EShare::kOthersMayRead) !=
      platform::EError::kNone) {
    return std::nullopt;
  }
  std::string temporary;
  platform::CFile target;
  if (target.CreateTemporary(folder, "BV", temporary) != platform::EError::kNone) {
    return std::nullopt;
  }
  constexpr size_t kBuffer = 1 << 20;
  std::vector<char> buffer(kBuffer);
  bool failed = false;
  while (true) {
    size_t done = 0;
    bool readFailed = false;
    if (target.CopyFrom(source, buffer.data(), buffer.size(), done, readFailed) !=
        platform::EError::kNone) {
      failed = true;
      break;
    }
    if (done == 0) {
      break;
    }
  }
  const platform::SFileTimes& times = source.Info().times;
  if (!failed) {
    failed = target.SetTimes(&times.lastAccess, &times.lastWrite) != platform::EError::kNone;
  }
  failed = failed || target.Flush() != platform::EError::kNone;
  target.Close();
  if (failed) {
    platform::DeleteFile(temporary);
    return std::nullopt;
  }
  return temporary;
}

}  // namespace

bool OnFixedDisk(const CFilesListCtrlData& row) {
  const std::string& folder = row.Folder();
  if (folder.empty()) {
    return false;
  }
  return platform::GetDriveType(std::string(1, folder.front()) + ":\\") ==
         platform::EDriveType::kFixed;
}

ERowMenu RowMenuFor(const CFilesListCtrlData& row) {
  if (row.action == kActionCreate) {
    return ERowMenu::kCreateFolders;
  }
  const bool fixed = OnFixedDisk(row);
  if (row.action == kActionDelete) {
    return fixed ? ERowMenu::kDeleteFixedDisk : ERowMenu::kDeleteRemovableDisk;
  }
  return fixed ? ERowMenu::kFixedDisk : ERowMenu::kRemovableDisk;
}

std::vector<SMenuItem> RowMenuItems(ERowMenu menu) {
  std::vector<SMenuItem> items;
  if (menu == ERowMenu::kCreateFolders) {
    AppendExcludeAndSelect(items);
    return items;
  }
  const bool copyRow = menu == ERowMenu::kFixedDisk || menu == ERowMenu::kRemovableDisk;
  const bool fixed = menu == ERowMenu::kFixedDisk || menu == ERowMenu::kDeleteFixedDisk;
  items.push_back(Item("&Open File", EListCommand::kOpenFile));
  items.push_back(OpenWithMenu());
  if (copyRow) {
    items.push_back(Item("&Rename File", EListCommand::kRenameFile));
  }
  items.push_back(Item("Restore Fi&le...", EListCommand::kRestoreFile));
  items.push_back(Item("Open Containing &Folder", EListCommand::kOpenContainingFolder));
  items.push_back(Separator());
  if (copyRow) {
    items.push_back(Item("&Compare Overview...", EListCommand::kCompareOverview));
    items.push_back(Item("Compare &Matches...", EListCommand::kCompareMatches));
    items.push_back(Item("Compare De&tails", EListCommand::kCompareDetails));
    items.push_back(Separator());
  }
  AppendExcludeAndSelect(items);
  items.push_back(Separator());
  if (fixed) {
    items.push_back(
        Item(copyRow ? "R&ecycle File(s)..." : "&Recycle File(s)...", EListCommand::kRecycle));
  }
  items.push_back(Item("&Delete File(s)...", EListCommand::kDelete));
  return items;
}

std::optional<SLaunchRequest> OpenFileRequest(const CFilesListCtrlData& row) {
  if (row.action == kActionCreate) {
    return std::nullopt;
  }
  return SLaunchRequest{row.FullPath(), false, {}};
}

SLaunchRequest OpenWithRequest(const std::string& program, const CFilesListCtrlData& row) {
  return SLaunchRequest{program, false, " \"" + row.FullPath() + "\""};
}

SLaunchRequest ContainingFolderRequest(const CFilesListCtrlData& row) {
  return SLaunchRequest{"explorer", false, "/n,/select,\"" + row.FullPath() + "\""};
}

std::vector<std::string> ExcludeRows(CPreviewList& list, const std::vector<size_t>& rows) {
  std::vector<std::string> paths;
  paths.reserve(rows.size());
  for (const size_t row : rows) {
    if (row < list.Count()) {
      paths.push_back(list.Row(row).FullPath());
    }
  }
  list.RemoveRows(rows);
  return paths;
}

std::vector<size_t> RowsInFolder(const CPreviewList& list, const std::string& folder) {
  std::vector<size_t> rows;
  for (size_t row = 0; row < list.Count(); ++row) {
    if (list.Row(row).Folder() == folder) {
      rows.push_back(row);
    }
  }
  return rows;
}

SDisposalResult DisposeOfRows(CPreviewList& list, const std::vector<size_t>& rows, EDisposal how,
                              CPrompter& prompter, const CFormatItem& format,
                              CCommandFeedback& feedback) {
  SDisposalResult result;
  // A folder to create is no file; deleting its path could only take a folder made since.
  std::vector<size_t> files;
  for (const size_t row : rows) {
    if (row < list.Count() && list.Row(row).action != kActionCreate) {
      files.push_back(row);
    }
  }
  if (files.empty()) {
    return result;
  }
  const bool recycle = how == EDisposal::kRecycle;
  const std::string count = format.FormatCount64(files.size());
  const char* s = files.size() == 1 ? "" : "s";
  const std::string question =
      recycle ? platform::Format(
                    "Do you want to recycle %s file%s?\n\nUse the \"Exclude and Remember\" "
                    "command or the \"Exclude and Forget\" command to skip copying a file "
                    "instead of recycling it.",
                    count.c_str(), s)
              : platform::Format(
                    "In this program, Delete does not mean move to the Recycle Bin.  For that "
                    "purpose, choose the Recycle command, which is only available for fixed "
                    "disks.  Do you want to delete %s file%s?\n\nUse the \"Exclude and "
                    "Remember\" command or the \"Exclude and Forget\" command to skip copying a "
                    "file instead of deleting it.",
                    count.c_str(), s);
  if (!prompter.AskYesNo(question, EAnswer::kNo)) {
    return result;
  }
  result.confirmed = true;
  const char* verb = recycle ? "recycle" : "delete";
  std::vector<size_t> gone;
  std::vector<size_t> kept;
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string path = list.Row(files[i]).FullPath();
    const uint32_t attributes = platform::GetFileAttributes(path);
    // Only a file: a folder standing where the row's file was is not the row's to take.
    if (attributes != platform::kInvalidAttributes &&
        (attributes & platform::kAttrDirectory) == 0) {
      platform::ShellDelete(path, recycle);
    }
    feedback.BetweenItems();
    if (!platform::FileExists(path)) {
      gone.push_back(files[i]);
      continue;
    }
    kept.push_back(files[i]);
    const std::string failed = platform::Format("Could not %s \"%s\".", verb, Cut(path).c_str());
    if (i + 1 == files.size()) {
      prompter.Show(failed, EIcon::kExclamation);
    } else if (!prompter.AskYesNo(failed + platform::Format("\n\nContinue %s files?",
                                                            recycle ? "recycling" : "deleting"),
                                  EAnswer::kNo)) {
      break;
    }
  }
  list.RemoveRows(gone);
  result.removed = gone.size();
  result.kept = ShiftPast(kept, gone);
  return result;
}

bool RestoreFile(CPreviewList& list, size_t row, const std::string& sourceRoot,
                 const std::string& destinationRoot, CPrompter& prompter,
                 CCommandFeedback& feedback) {
  if (row >= list.Count() || sourceRoot.empty() || destinationRoot.empty()) {
    return false;
  }
  const CFilesListCtrlData& item = list.Row(row);
  const std::string folder = WithBackslash(item.Folder());
  const std::string source = WithBackslash(sourceRoot);
  const std::string destination = WithBackslash(destinationRoot);
  const std::string& root = item.action == kActionDelete ? destination : source;
  const std::string relative = folder.size() > root.size() ? folder.substr(root.size()) : "";
  const std::string sourceFolder = source + relative;
  const std::string destinationFolder = destination + relative;
  const std::string destinationPath = destinationFolder + item.name;
  const std::string sourcePath = sourceFolder + item.name;
  const uint32_t attributes = platform::GetFileAttributes(destinationPath);
  if (attributes == platform::kInvalidAttributes || (attributes & platform::kAttrDirectory) != 0) {
    prompter.Show(platform::Format("File \"%s\" does not exist in \"%s\".", item.name.c_str(),
                                   DisplayFolder(destinationFolder).c_str()),
                  EIcon::kInformation);
    return false;
  }
  if (!prompter.AskYesNo(platform::Format("Copy \"%s\" from \"%s\" to \"%s\"?", item.name.c_str(),
                                          DisplayFolder(destinationFolder).c_str(),
                                          DisplayFolder(sourceFolder).c_str()),
                         EAnswer::kNo)) {
    return false;
  }
  bool restored = false;
  {
    CBusyScope busy(feedback);
    // The copy is made complete beside the source file first; only then does the old source
    // file go to the trash and the copy take its name, so a failure loses nothing.
    std::optional<std::string> temporary;
    if (CreateFolderPath(sourceFolder)) {
      temporary = CopyToTemporary(destinationPath, sourceFolder);
    }
    if (temporary) {
      const bool oldGone = !platform::FileExists(sourcePath) ||
                           platform::ShellDelete(sourcePath, true) == platform::EError::kNone;
      restored = oldGone && platform::MoveFile(*temporary, sourcePath) == platform::EError::kNone;
      if (!restored) {
        platform::DeleteFile(*temporary);
      } else {
        platform::SetFileAttributes(sourcePath, attributes);
      }
    }
  }
  if (!restored) {
    prompter.Show(platform::Format("Could not copy \"%s\" to \"%s\".", Cut(destinationPath).c_str(),
                                   Cut(sourcePath).c_str()),
                  EIcon::kStop);
    return false;
  }
  list.Remove(row);
  return true;
}

std::string RenameRowFile(CFilesListCtrlData& row, const std::string& newName) {
  constexpr std::string_view kForbidden = "\\/:*?\"<>|";
  const size_t bad = newName.find_first_of(kForbidden);
  if (bad != std::string::npos) {
    return platform::Format(
        "\"%s\" contains the character \"%c\", which may not be included in a filename.\nEither "
        "correct the problem or press the Cancel button.",
        Cut(newName).c_str(), newName[bad]);
  }
  const std::string folder = WithBackslash(row.Folder());
  if (newName.empty() || newName == "." || newName == ".." ||
      platform::MoveFile(folder + row.name, folder + newName) != platform::EError::kNone) {
    return "Could not rename this file.  Either correct the problem or press the Cancel button.";
  }
  row.name = newName;
  return {};
}

std::vector<std::string> DragPaths(const CPreviewList& list, const std::vector<size_t>& rows,
                                   int32_t copyMode) {
  std::vector<std::string> paths;
  if (copyMode == kCopyTreeOnly) {
    return paths;
  }
  for (const size_t row : rows) {
    if (row < list.Count()) {
      paths.push_back(list.Row(row).FullPath());
    }
  }
  return paths;
}
