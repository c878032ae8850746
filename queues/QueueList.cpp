// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/QueueList.h"

#include <algorithm>

#include "core/FormatItem.h"
#include "platform/TextUtil.h"
#include "profile/DataFile.h"
#include "queues/ProfileList.h"
#include "rules/StringOrder.h"

std::string QueueListName(std::string_view name) {
  // Trimmed again after the cut, which may end on a blank, so that a queue read back has the
  // name it was saved with.
  return std::string(platform::Trim(platform::CutUtf8(platform::Trim(name), kMaxQueueName)));
}

void CQueueList::Select(int index) {
  m_selected = (index >= 0 && index < static_cast<int>(m_entries.size())) ? index : -1;
}

CQueueComboBoxData* CQueueList::SelectedQueue() {
  return m_selected >= 0 ? &m_entries[static_cast<size_t>(m_selected)].queue : nullptr;
}

int CQueueList::Find(std::string_view name) const {
  for (size_t i = 0; i < m_entries.size(); ++i) {
    if (platform::EqualsNoCase(m_entries[i].name, name)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

std::optional<size_t> CQueueList::Add(std::string_view name, std::vector<std::string> profiles) {
  std::string clean = QueueListName(name);
  if (clean.empty() || Find(clean) >= 0) {
    return std::nullopt;
  }
  const CStringSANOrder order;
  // After any names that sort the same, so that a list read back keeps the stored order.
  const auto place = std::upper_bound(m_entries.begin(), m_entries.end(), clean,
                                      [&](const std::string& key, const SEntry& entry) {
                                        return order.Compare(key, entry.name) < 0;
                                      });
  const size_t index = static_cast<size_t>(place - m_entries.begin());
  m_entries.insert(place, SEntry{std::move(clean), CQueueComboBoxData(std::move(profiles))});
  if (m_selected >= static_cast<int>(index)) {
    ++m_selected;  // the same queue stays selected
  }
  return index;
}

void CQueueList::Remove(size_t index) {
  if (index >= m_entries.size()) {
    return;
  }
  m_entries.erase(m_entries.begin() + static_cast<ptrdiff_t>(index));
  m_selected = m_entries.empty() ? -1 : 0;
}

std::optional<size_t> CQueueList::Rename(size_t index, std::string_view name,
                                         std::vector<std::string> profiles) {
  if (index >= m_entries.size()) {
    return std::nullopt;
  }
  // A name in use is refused even when it is this queue's own in another case: only the very
  // same name (which changes nothing but the names) is no clash.
  const std::string clean = QueueListName(name);
  if (clean.empty() || (clean != m_entries[index].name && Find(clean) >= 0)) {
    return std::nullopt;
  }
  // The selection follows its queue: the renamed one to its new place, any other one to
  // wherever the move shifts it.
  const bool renamedSelected = m_selected == static_cast<int>(index);
  SEntry old = std::move(m_entries[index]);
  m_entries.erase(m_entries.begin() + static_cast<ptrdiff_t>(index));
  if (m_selected > static_cast<int>(index)) {
    --m_selected;
  } else if (renamedSelected) {
    m_selected = -1;
  }
  const std::optional<size_t> added = Add(name, std::move(profiles));
  if (!added) {
    Add(old.name, old.queue.Names());  // put the queue back as it was
    return std::nullopt;
  }
  if (renamedSelected) {
    m_selected = static_cast<int>(*added);
  }
  return added;
}

void CQueueList::RemoveProfile(const std::string& name) {
  for (SEntry& entry : m_entries) {
    entry.queue.Remove(name);
  }
}

void CQueueList::RenameProfile(const std::string& oldName, const std::string& newName) {
  for (SEntry& entry : m_entries) {
    entry.queue.Rename(oldName, newName);
  }
}

std::string CQueueList::CountText() const {
  const int count =
      m_selected >= 0
          ? static_cast<int>(m_entries[static_cast<size_t>(m_selected)].queue.Names().size())
          : 0;
  return platform::Format("%d profile%s", count, PluralSuffix(count));
}

void CQueueList::ReadFrom(const SDataFileContents& contents) {
  m_entries.clear();
  m_selected = -1;
  for (const SQueueRecord& record : contents.queues) {
    // The names as the profile list keeps them, which a file written with blanks left after
    // a cut does not hold.
    std::vector<std::string> profiles;
    profiles.reserve(record.profiles.size());
    for (const std::string& profile : record.profiles) {
      profiles.push_back(ProfileListName(profile));
    }
    Add(record.name, std::move(profiles));
  }
  m_selected = -1;
  if (contents.selectedQueue >= 0 && contents.selectedQueue < static_cast<int>(m_entries.size())) {
    m_selected = contents.selectedQueue;
  }
}

void CQueueList::WriteTo(SDataFileContents& contents) const {
  contents.queues.clear();
  for (const SEntry& entry : m_entries) {
    contents.queues.push_back(SQueueRecord{entry.name, entry.queue.Names()});
  }
  contents.selectedQueue = m_selected;
}
