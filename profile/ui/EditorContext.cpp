// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/EditorContext.h"

#include <new>

#include "core/AppText.h"
#include "core/Prompter.h"
#include "platform/FileFind.h"
#include "platform/Shell.h"
#include "platform/TextUtil.h"

SEditorContext::SEditorContext(CPrompter& prompter) : prompter(prompter) {
  explore = [&prompter](const std::string& folder) { ExploreFolder(folder, prompter); };
  match = [](std::string_view pattern, std::string_view name, bool) {
    return platform::WildcardMatch(pattern, name);
  };
  savedFolders = &runFolders;
}

void RunCommand(CPrompter& prompter, const std::function<void()>& command) {
  try {
    command();
  } catch (const std::bad_alloc&) {
    prompter.Show(kOutOfMemoryText, EIcon::kStop);
  }
}

void ExploreFolder(const std::string& folder, CPrompter& prompter) {
  if (platform::ShellExecute("explore", folder, "") <= 32) {
    prompter.Show(platform::Format("Could not explore \"%.259s\".", folder.c_str()),
                  EIcon::kExclamation);
  }
}
