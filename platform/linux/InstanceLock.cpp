// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/InstanceLock.h"

#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <string>

#include <QDir>
#include <QLockFile>
#include <QString>

namespace platform {

namespace {

// Whether a folder may hold the lock: a folder itself (not a link to one), the user's own, that
// nobody else may write to. In a folder others can write to, another user could take the lock's
// name first or put a link where the lock file goes.
bool IsPrivateFolder(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid() &&
         (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The user's runtime folder, or a private folder of this user in the temporary folder when the
// session names none that is safe; nothing when there is no such folder either. The folder in
// the temporary folder has a name anyone can know, so one found there is used only when this
// user made it, private.
std::optional<std::string> LockFolder() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && IsPrivateFolder(runtime.toStdString())) {
    return runtime.toStdString();
  }
  const std::string folder =
      QDir::tempPath().toStdString() + "/brevant-" + std::to_string(getuid());
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    return std::nullopt;
  }
  if (!IsPrivateFolder(folder)) {
    return std::nullopt;
  }
  return folder;
}

}  // namespace

struct CInstanceLock::SImpl {
  std::unique_ptr<QLockFile> lock;
};

CInstanceLock::CInstanceLock() : m_impl(std::make_unique<SImpl>()) {}
CInstanceLock::~CInstanceLock() = default;

std::string CInstanceLock::LockFilePath(std::string_view name) {
  const std::optional<std::string> folder = LockFolder();
  if (!folder) {
    return {};
  }
  QString file = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  file.replace('/', '_').replace('\\', '_');
  return *folder + '/' + file.toStdString() + ".lock";
}

CInstanceLock::EResult CInstanceLock::TryAcquire(std::string_view name) {
  if (m_impl->lock && m_impl->lock->isLocked()) {
    return EResult::kAcquired;
  }
  m_impl->lock.reset();
  const std::string path = LockFilePath(name);
  if (path.empty()) {
    return EResult::kFailed;
  }
  m_impl->lock = std::make_unique<QLockFile>(QString::fromStdString(path));
  m_impl->lock->setStaleLockTime(0);  // stale only when its process has gone
  if (m_impl->lock->tryLock(0)) {
    return EResult::kAcquired;
  }
  return m_impl->lock->error() == QLockFile::LockFailedError ? EResult::kHeldElsewhere
                                                             : EResult::kFailed;
}

bool CInstanceLock::IsHeld() const {
  return m_impl->lock && m_impl->lock->isLocked();
}

}  // namespace platform
