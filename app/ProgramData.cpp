// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ProgramData.h"

#include "core/PathText.h"
#include "core/Prompter.h"
#include "platform/Shell.h"
#include "queues/ProfileData.h"

CProgramData::CProgramData(std::string dataFilePath, CSettingsPages& pages, CPrompter& prompter)
    : m_prompter(prompter), m_file(std::move(dataFilePath), prompter), m_profiles(pages, prompter) {
  m_profiles.SetQueues(&m_queues);
}

void CProgramData::Load() {
  if (!LoadProfileData(m_file, m_profiles, m_queues, m_folders, true) || m_profiles.Count() == 0) {
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

bool CProgramData::SaveOnRequest() {
  if (!SaveProfileData(m_file, m_profiles, m_queues, m_folders)) {
    return false;  // the reason has been shown
  }
  m_prompter.Show("Finished saving profile data onto disk.", EIcon::kInformation);
  return true;
}

bool CProgramData::LoadOnRequest() {
  if (!LoadProfileData(m_file, m_profiles, m_queues, m_folders, true)) {
    return false;
  }
  m_prompter.Show("Finished reading profile data from disk.", EIcon::kInformation);
  return true;
}

void CProgramData::ShowLocation() {
  if (m_prompter.AskYesNo(Path() + "\nLaunch its folder?", EAnswer::kNo)) {
    platform::ShellExecute("explore", DisplayFolder(ParentFolder(Path())), "");
  }
}
