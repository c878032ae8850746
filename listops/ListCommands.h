// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CCommandFeedback;
class CFilesListCtrlData;
class CFormatItem;
class CPreviewList;
class CPrompter;

// The commands of the preview list's context menu, as plain functions on the list's rows.
// Rows are given by their indexes in the list, ascending (the list's order); the window turns
// its selection into them. Every function that removes rows removes them in one change of the
// list, which keeps its counts; the caller then refreshes the counts line.

enum class EListCommand {
  kNone,  // a separator, or a submenu's own item
  kOpenFile,
  kNotepad,
  kWordpad,
  kChoose,
  kRenameFile,
  kRestoreFile,
  kOpenContainingFolder,
  kCompareOverview,
  kCompareMatches,
  kCompareDetails,
  kExcludeAndRemember,
  kExcludeAndForget,
  kSelectAll,
  kSelectNone,
  kInvertSelection,
  kRecycle,
  kDelete,
};

// The five menus, chosen by the clicked row's action and the drive of its folder.
enum class ERowMenu {
  kFixedDisk,
  kRemovableDisk,
  kDeleteFixedDisk,
  kDeleteRemovableDisk,
  kCreateFolders
};

struct SMenuItem {
  std::string text;  // empty for a separator
  EListCommand command = EListCommand::kNone;
  std::vector<SMenuItem> submenu;

  bool IsSeparator() const { return text.empty(); }
};

// Whether the row's folder lies on a fixed disk: the drive named by the folder's first
// character (so a network path beginning with "\\" never is).
bool OnFixedDisk(const CFilesListCtrlData& row);
ERowMenu RowMenuFor(const CFilesListCtrlData& row);
std::vector<SMenuItem> RowMenuItems(ERowMenu menu);

// ---- Launching ----

// What to hand to a launch job.
struct SLaunchRequest {
  std::string target;
  bool explore = false;
  std::string parameters;
};

// Opening the row's file; nothing for a folder to create.
std::optional<SLaunchRequest> OpenFileRequest(const CFilesListCtrlData& row);
// Opening the row's file with a program ("notepad.exe", "wordpad.exe" or a chosen path).
SLaunchRequest OpenWithRequest(const std::string& program, const CFilesListCtrlData& row);
// Showing the row's file selected in its folder.
SLaunchRequest ContainingFolderRequest(const CFilesListCtrlData& row);

// ---- Removing rows ----

// Removes the rows; returns the full paths of those removed, in list order (Exclude and
// Remember enters them on the Paths page). Files are never touched.
std::vector<std::string> ExcludeRows(CPreviewList& list, const std::vector<size_t>& rows);

// The rows that lie in one folder: In Folder equal to `folder`, letter case included.
std::vector<size_t> RowsInFolder(const CPreviewList& list, const std::string& folder);

enum class EDisposal { kRecycle, kDelete };

struct SDisposalResult {
  bool confirmed = false;    // the user said Yes
  size_t removed = 0;        // rows whose file is gone, and with it the row
  std::vector<size_t> kept;  // rows whose file is still there, at their indexes afterwards
};

// Recycles or deletes the rows' files after the user's Yes, and removes the rows of the files
// that are gone. A file that stays is reported, with the choice to go on when more follow.
// Folders to create are not files and are left alone.
SDisposalResult DisposeOfRows(CPreviewList& list, const std::vector<size_t>& rows, EDisposal how,
                              CPrompter& prompter, const CFormatItem& format,
                              CCommandFeedback& feedback);

// Copies the destination copy of a row back over its source file, after the user's Yes, and
// removes the row. The old source file goes to the trash, but only once the copy is complete.
// `sourceRoot` and `destinationRoot` are the last preview's folders. True when the row went.
bool RestoreFile(CPreviewList& list, size_t row, const std::string& sourceRoot,
                 const std::string& destinationRoot, CPrompter& prompter,
                 CCommandFeedback& feedback);

// ---- Renaming ----

// Renames the row's file to `newName` in its folder; on success the row takes the name and
// the text is empty; otherwise the text says why, for the Rename a File window to show.
std::string RenameRowFile(CFilesListCtrlData& row, const std::string& newName);

// ---- Dragging ----

// The full paths of the rows, in list order, for a drag to the file manager; none when the
// profile copies only the folder tree.
std::vector<std::string> DragPaths(const CPreviewList& list, const std::vector<size_t>& rows,
                                   int32_t copyMode);
