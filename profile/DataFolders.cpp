// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/DataFolders.h"

#include <new>

#include "core/AppText.h"
#include "core/FolderPaths.h"
#include "core/PathText.h"
#include "core/Prompter.h"
#include "platform/FileOps.h"

namespace {

constexpr const char* kCompanyFolder = "Quillmoor Software\\";

}  // namespace

bool ResolveDataFolders(SDataFolders& folders, CPrompter& prompter,
                        const CUserFolderSource& source) {
  try {
    if (!source.Available()) {
      return false;
    }
    const std::string appData = source.Query(platform::EUserFolder::kAppData).value_or("");
    folders.appData = appData.empty()
                          ? std::string("C:\\Windows\\Application Data\\") + kCompanyFolder
                          : WithBackslash(appData) + kCompanyFolder;
    const std::string documents = source.Query(platform::EUserFolder::kDocuments).value_or("");
    folders.documents =
        documents.empty() ? std::string("C:\\My Documents\\") : WithBackslash(documents);
    folders.desktop = source.Query(platform::EUserFolder::kDesktop).value_or("");

    if (!CreateFolderPath(folders.appData)) {
      prompter.Show(
          "This program could not initialize.  Please reinstall it and try again.  This "
          "program will close after you press OK.",
          EIcon::kExclamation);
      return false;
    }
    const std::string oldPath = folders.documents + kAppName + ".dat";
    const std::string newPath = DataFilePath(folders);
    if (PathExists(oldPath) && !PathExists(newPath)) {
      platform::MoveFile(oldPath, newPath);  // on failure the old file simply stays
    }
    return true;
  } catch (const std::bad_alloc&) {
    prompter.Show(kOutOfMemoryText, EIcon::kStop);
    return false;
  }
}

std::string DataFilePath(const SDataFolders& folders) {
  return folders.appData + kAppName + ".dat";
}
