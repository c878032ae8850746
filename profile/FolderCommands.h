// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/Prompter.h"
#include "profile/ListCommands.h"

// The folder commands of the Folders and Subfolders pages and their dialogs, as plain
// functions.

// "Append to Destination Path": the destination path with the chosen part of the source path
// appended (`selected`, or with nothing selected everything after the drive letter and
// colon), exactly one backslash between them. Either a message refuses it, or `path` is the
// result to confirm with `question`.
struct SAppendOutcome {
  std::string message;
  EIcon icon = EIcon::kExclamation;
  std::string path;
  std::string question;
};
SAppendOutcome AppendToDestination(std::string_view source, std::string_view selected,
                                   std::string_view destination);

// "Change Drives Letters": both paths must name a drive and a folder; the message names the
// first that does not, or is empty.
std::string ChangeDrivesRefusal(std::string_view source, std::string_view destination);
// The path on another drive: its first character replaced.
std::string WithDriveLetter(std::string_view path, char letter);
// Moves the entries that lie on drive `from` ("X:" at the start of their text) to drive
// `to`. True when one changed.
bool MoveEntriesToDrive(std::vector<SDisplayEntry>& entries, char from, char to,
                        const FEntryLess& order);

// "Gather Subfolders" of the Add Set dialog: the immediate subfolders of the folder typed,
// as full paths in name order; links to folders are left out, as the walk leaves them.
struct SGathered {
  std::string message;  // the folder text is refused
  std::vector<std::string> folders;
};
SGathered GatherSubfolders(std::string_view typed);
// The gathered folders appended to the dialog's list, leaving out those it holds already.
void AppendGathered(std::vector<std::string>& list, const std::vector<std::string>& gathered);

// The folders the Add Set dialog returns, added to the Subfolders list with the chosen tag.
// Paths that are not folders are skipped; the source folder selects its entry; paths that
// are listed already are counted and reported in `message`.
struct SAddSetOutcome {
  std::string message;
  bool changed = false;
  std::vector<size_t> select;
};
SAddSetOutcome AddSetToSubfolders(std::vector<SDisplayEntry>& entries,
                                  const std::vector<std::string>& paths, EEntryTag tag,
                                  std::string_view sourcePath, const FEntryLess& order);

// Entries of the saved folder list: a path, or "<label> path".
std::string SavedFolderEntry(std::string_view path, std::string_view label);
struct SSavedFolder {
  std::string label;
  std::string path;
};
SSavedFolder SplitSavedFolder(std::string_view entry);
