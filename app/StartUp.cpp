// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/StartUp.h"

#include <new>

#include "app/AppText.h"
#include "app/Prompter.h"
#include "platform/FileFind.h"
#include "platform/FileInfo.h"
#include "platform/FileOps.h"
#include "platform/System.h"

namespace {

constexpr const char* kCompanyFolder = "Quillmoor Software\\";

std::string WithBackslash(std::string path) {
  if (!path.empty() && path.back() != '\\') {
    path.push_back('\\');
  }
  return path;
}

}  // namespace

bool OsIsXpOrLater() {
  return true;
}

bool OsHasFileSecurity() {
  return OsIsXpOrLater() && platform::PlatformHasFileSecurity();
}

CSingleInstance::CSingleInstance(std::string name) : m_name(std::move(name)) {}

bool CSingleInstance::IsAlreadyRunning(bool /*useMutex*/) {
  // Failing to make the lock at all (no runtime folder) must not keep the user from
  // working: only a lock held by another process counts.
  return m_lock.TryAcquire(m_name) == platform::CInstanceLock::EResult::kHeldElsewhere;
}

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

bool IsExistingFolder(std::string_view path) {
  if (path.size() > 3 && path.back() == '\\') {
    path.remove_suffix(1);
  }
  if (path.size() >= 260 || path.size() <= 2) {
    return false;
  }
  const uint32_t attributes = platform::GetFileAttributes(path);
  return attributes != platform::kInvalidAttributes && (attributes & platform::kAttrDirectory) != 0;
}

bool CreateFolderPath(std::string_view path) {
  if (path.size() <= 2 || path[1] != ':') {
    return false;  // network paths are not created
  }
  if (path.size() == 3) {
    return true;
  }
  if (path.size() >= 256) {
    return false;
  }
  if (IsExistingFolder(path)) {
    return true;
  }
  const auto makeSure = [](std::string_view folder) {
    return IsExistingFolder(folder) || platform::CreateDirectory(folder) == platform::EError::kNone;
  };
  for (size_t i = 3; i < path.size(); ++i) {
    if (path[i] == '\\' && !makeSure(path.substr(0, i))) {
      return false;
    }
  }
  return makeSure(path);
}

bool PathExists(std::string_view path) {
  platform::CFindFile finder;
  return finder.FindFirst(path);
}
