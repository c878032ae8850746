// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/ProfileList.h"

#include <algorithm>

#include "core/Prompter.h"
#include "platform/TextUtil.h"
#include "profile/DataFile.h"
#include "profile/SettingsPages.h"
#include "queues/QueueList.h"
#include "rules/StringOrder.h"

std::string ProfileListName(std::string_view name) {
  // Trimmed again after the cut, which may end on a blank: the name must be the same when the
  // data file is read back, where it is cleaned once more.
  const std::string_view clean =
      platform::Trim(platform::CutUtf8(platform::Trim(name), kMaxProfileName));
  return clean.empty() ? std::string(kDefaultProfileName) : std::string(clean);
}

CProfileList::CProfileList(CSettingsPages& pages, CPrompter& prompter)
    : m_pages(pages), m_prompter(prompter) {}

std::string CProfileList::CurrentName() const {
  return m_current >= 0 ? m_entries[static_cast<size_t>(m_current)].name : std::string();
}

int CProfileList::Find(std::string_view name) const {
  for (size_t i = 0; i < m_entries.size(); ++i) {
    if (platform::EqualsNoCase(m_entries[i].name, name)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

void CProfileList::Load(int index) {
  m_current = index;
  m_pages.Apply(m_entries[static_cast<size_t>(index)].settings);
  if (m_onCurrentChanged) {
    m_onCurrentChanged();
  }
}

bool CProfileList::AddProfile(std::optional<std::string_view> name,
                              std::optional<CSettingsState> settings, bool load,
                              bool reportDuplicates) {
  // An empty name is taken as no name at all.
  std::string clean = ProfileListName(name ? *name : std::string_view());
  if (InUse(clean)) {
    if (reportDuplicates) {
      m_prompter.Show(
          platform::Format(
              "The profile name \"%.50s\" is already in use.  Please enter another name.",
              clean.c_str()),
          EIcon::kStop);
    }
    return false;
  }
  const CStringSANOrder order;
  // After any names that sort the same, so that a list read back keeps the stored order.
  const auto place = std::upper_bound(m_entries.begin(), m_entries.end(), clean,
                                      [&](const std::string& key, const SEntry& entry) {
                                        return order.Compare(key, entry.name) < 0;
                                      });
  const int index = static_cast<int>(place - m_entries.begin());
  m_entries.insert(place,
                   SEntry{std::move(clean), settings ? std::move(*settings) : CSettingsState()});
  if (load) {
    Load(index);
  } else {
    m_current = index;
    m_pages.ClearEditors();
    if (m_onCurrentChanged) {
      m_onCurrentChanged();
    }
  }
  return true;
}

void CProfileList::StoreCurrent() {
  if (m_current >= 0) {
    m_entries[static_cast<size_t>(m_current)].settings = m_pages.Take();
  }
}

void CProfileList::VisitCurrent() {
  if (m_current >= 0) {
    m_history.Visit(CurrentName());
  }
}

void CProfileList::MakeCurrent(int index) {
  if (index < 0 || index >= static_cast<int>(m_entries.size())) {
    return;
  }
  StoreCurrent();
  Load(index);
}

void CProfileList::Choose(int index) {
  if (index < 0 || index >= static_cast<int>(m_entries.size())) {
    return;
  }
  MakeCurrent(index);
  m_history.Visit(m_entries[static_cast<size_t>(index)].name);
}

bool CProfileList::SelectByName(std::string_view name) {
  const int index = Find(name);
  if (index < 0) {
    return false;
  }
  MakeCurrent(index);
  return true;
}

bool CProfileList::NewProfile(std::string_view name, bool retain) {
  StoreCurrent();
  std::optional<CSettingsState> settings;
  if (retain) {
    settings = m_pages.Take();
  }
  if (!AddProfile(name, std::move(settings), !retain, true)) {
    return false;
  }
  m_history.Visit(CurrentName());
  return true;
}

bool CProfileList::RenameCurrent(std::string_view newName) {
  if (m_current < 0) {
    return false;
  }
  SEntry old = std::move(m_entries[static_cast<size_t>(m_current)]);
  m_entries.erase(m_entries.begin() + m_current);
  m_current = -1;
  if (!AddProfile(newName, old.settings, false, true)) {
    // Put the old name back with its settings; it cannot clash, it was there a moment ago.
    AddProfile(old.name, std::move(old.settings), false, false);
    return false;
  }
  const std::string renamed = CurrentName();
  m_history.Rename(old.name, renamed);
  if (m_queues != nullptr) {
    m_queues->RenameProfile(old.name, renamed);
  }
  return true;
}

void CProfileList::DeleteCurrent() {
  if (m_current < 0) {
    return;
  }
  const std::string name = m_entries[static_cast<size_t>(m_current)].name;
  m_entries.erase(m_entries.begin() + m_current);
  m_current = -1;
  m_history.Remove(name);
  if (m_queues != nullptr) {
    m_queues->RemoveProfile(name);
  }
  if (m_entries.empty()) {
    AddProfile(std::nullopt, std::nullopt, true, false);
  }
  m_current = -1;  // the deleted profile's pages are stored nowhere
  if (m_history.Empty()) {
    Load(0);
    m_history.Visit(m_entries.front().name);
    return;
  }
  const std::optional<std::string> first = m_history.First();
  const int index = Find(*first);
  Load(index >= 0 ? index : 0);
}

bool CProfileList::FollowHistory(std::optional<std::string> name, int previousPosition) {
  if (!name) {
    return false;
  }
  const int index = Find(*name);
  if (index < 0) {
    m_history.SetPosition(previousPosition);
    return false;
  }
  MakeCurrent(index);
  return true;
}

bool CProfileList::HistoryFirst() {
  const int position = m_history.Position();
  return FollowHistory(m_history.First(), position);
}

bool CProfileList::HistoryPrevious() {
  const int position = m_history.Position();
  return FollowHistory(m_history.Previous(), position);
}

bool CProfileList::HistoryNext() {
  const int position = m_history.Position();
  return FollowHistory(m_history.Next(), position);
}

bool CProfileList::HistoryLast() {
  const int position = m_history.Position();
  return FollowHistory(m_history.Last(), position);
}

bool CProfileList::FindFrom(std::string_view text, size_t start, size_t end) {
  for (size_t i = start; i < end && i < m_entries.size(); ++i) {
    if (platform::FindNoCase(m_entries[i].name, text) != std::string_view::npos) {
      Choose(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

bool CProfileList::FindFirst(std::string_view text) {
  return !text.empty() && FindFrom(text, 0, m_entries.size());
}

bool CProfileList::FindNext(std::string_view text) {
  if (text.empty()) {
    return false;
  }
  const size_t start = m_current >= 0 ? static_cast<size_t>(m_current) + 1 : 0;
  if (FindFrom(text, start, m_entries.size())) {
    return true;
  }
  return m_current >= 0 && FindFrom(text, 0, static_cast<size_t>(m_current));
}

void CProfileList::WriteTo(SDataFileContents& contents) {
  StoreCurrent();
  contents.profiles.clear();
  contents.profiles.reserve(m_entries.size());
  for (const SEntry& entry : m_entries) {
    contents.profiles.push_back(SProfileRecord{entry.name, entry.settings});
  }
  contents.selectedProfile = std::max(m_current, 0);
}

void CProfileList::ReadFrom(const SDataFileContents& contents) {
  m_entries.clear();
  m_current = -1;
  m_history.Clear();
  for (const SProfileRecord& record : contents.profiles) {
    // A name the list already holds is dropped with its settings.
    AddProfile(record.name, record.settings, false, false);
  }
  m_current = -1;
  if (m_entries.empty()) {
    AddProfile(std::nullopt, std::nullopt, true, false);
    m_history.Visit(CurrentName());
    return;
  }
  const int last = static_cast<int>(m_entries.size()) - 1;
  const int index = std::clamp(contents.selectedProfile, 0, last);
  Load(index);
  m_history.Visit(CurrentName());
}
