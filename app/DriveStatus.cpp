// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/DriveStatus.h"

#include "core/FormatItem.h"
#include "platform/TextUtil.h"
#include "run/FolderValidation.h"

const char* DriveStateText(int state) {
  switch (state) {
    case kDriveReady:
      return "ready";
    case kDriveNoDisk:
      return "no disk in drive";
    default:
      return "not connected or detected";
  }
}

char DriveLetterOf(const std::string& path) {
  if (path.empty()) {
    return '?';
  }
  const char c = path.front();
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string DriveFieldText(const std::string& path, int state) {
  return platform::Format("%c: %s", DriveLetterOf(path), DriveStateText(state));
}

void ApplyDriveLetter(std::string& path, char letter) {
  if (!path.empty()) {
    path.front() = letter;
  }
}

CDriveWait::EStep CDriveWait::Tick(bool bothReady) {
  if (m_count == 0) {
    if (!bothReady) {
      return EStep::kWaiting;
    }
    m_count = kCountFrom;
    return EStep::kCountingDown;
  }
  --m_count;
  return m_count == 0 ? EStep::kClose : EStep::kCountingDown;
}

std::string CDriveWait::CountdownText() const {
  if (m_count == 0) {
    return {};
  }
  return platform::Format("This window will close in %d second%s.", m_count, PluralSuffix(m_count));
}
