// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/InstanceLock.h"

#include <unistd.h>

#include <QDir>
#include <QLockFile>
#include <QString>

namespace platform {

namespace {

// The user's runtime folder, or a private folder in the temporary folder when the session
// names none.
QString RuntimeFolder() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(QString::fromLocal8Bit(runtime)).exists()) {
    return QString::fromLocal8Bit(runtime);
  }
  const QString folder = QDir::tempPath() + QStringLiteral("/brevant-") + QString::number(getuid());
  QDir().mkpath(folder);
  QFile::setPermissions(folder,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return folder;
}

}  // namespace

struct CInstanceLock::SImpl {
  std::unique_ptr<QLockFile> lock;
};

CInstanceLock::CInstanceLock() : m_impl(std::make_unique<SImpl>()) {}
CInstanceLock::~CInstanceLock() = default;

std::string CInstanceLock::LockFilePath(std::string_view name) {
  QString file = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  file.replace('/', '_').replace('\\', '_');
  return (RuntimeFolder() + '/' + file + QStringLiteral(".lock")).toStdString();
}

CInstanceLock::EResult CInstanceLock::TryAcquire(std::string_view name) {
  if (m_impl->lock && m_impl->lock->isLocked()) {
    return EResult::kAcquired;
  }
  m_impl->lock = std::make_unique<QLockFile>(QString::fromStdString(LockFilePath(name)));
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
