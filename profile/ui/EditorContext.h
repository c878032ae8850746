// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "profile/FindFolders.h"
#include "profile/ListEntries.h"

class CPrompter;

// Shows a folder in the desktop's file manager.
using FExploreFolder = std::function<void(const std::string& folder)>;

// What the settings pages and their dialogs use from the program around them. The settings
// sheet owns it; the main window fills in what belongs to the layers above (the matcher, the
// saved folder list of the data file).
struct SEditorContext {
  explicit SEditorContext(CPrompter& prompter);
  SEditorContext(const SEditorContext&) = delete;
  SEditorContext& operator=(const SEditorContext&) = delete;

  CPrompter& prompter;
  // "&Open Folder" of the text fields.
  FExploreFolder explore;
  // The name matcher of the Find Folders search; plain wildcards until one is handed in.
  FNameMatch match;
  // The saved folder list of the Select a Folder Path window; a list of this run only until
  // the data file's is handed in.
  std::vector<std::string>* savedFolders = nullptr;
  std::vector<std::string> runFolders;
  // The order of the saved folders and of the Paths list.
  FEntryLess folderOrder;
};

// Carries out a command of a page or dialog. Running out of memory abandons it with the
// program's message; the commands work on copies of their lists, so a list stays as it was.
void RunCommand(CPrompter& prompter, const std::function<void()>& command);

// Shows the folder in the file manager, with a message when that fails. The launching of
// folders on a worker of their own will take its place.
void ExploreFolder(const std::string& folder, CPrompter& prompter);
