// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/UserFolders.h"

#include <QDir>
#include <QStandardPaths>

#include "platform/DriveMap.h"

namespace platform {

std::optional<std::string> GetUserFolder(EUserFolder folder) {
  QStandardPaths::StandardLocation location = QStandardPaths::GenericDataLocation;
  switch (folder) {
    case EUserFolder::kAppData:
      location = QStandardPaths::GenericDataLocation;
      break;
    case EUserFolder::kDocuments:
      location = QStandardPaths::DocumentsLocation;
      break;
    case EUserFolder::kDesktop:
      location = QStandardPaths::DesktopLocation;
      break;
  }
  const QString path = QStandardPaths::writableLocation(location);
  if (path.isEmpty()) {
    return std::nullopt;
  }
  auto windowsPath = ToWindowsPath(QDir::cleanPath(path).toStdString());
  if (windowsPath && windowsPath->size() > 3 && windowsPath->back() == '\\') {
    windowsPath->pop_back();
  }
  return windowsPath;
}

bool EnsureUserDataFolder() {
  const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return !path.isEmpty() && QDir().mkpath(path);
}

}  // namespace platform
