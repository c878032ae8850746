// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ProgramData.h"

#include "queues/ProfileData.h"

CProgramData::CProgramData(std::string dataFilePath, CSettingsPages& pages, CPrompter& prompter)
    : m_file(std::move(dataFilePath), prompter), m_profiles(pages, prompter) {
  m_profiles.SetQueues(&m_queues);
}

void CProgramData::Load() {
  if (!LoadProfileData(m_file, m_profiles, m_queues, m_folders, true) ||
      m_profiles.Count() == 0) {
    // Nothing read: the program starts with its defaults.
    m_profiles.ReadFrom(SDataFileContents());
  }
}

bool CProgramData::Save() {
  if (!m_file.SaveAtExit()) {
    return true;
  }
  return SaveProfileData(m_file, m_profiles, m_queues, m_folders);
}
