// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/VisitList.h"

void CVisitList::Clear() {
  m_names.clear();
  m_position = -1;
}

void CVisitList::Visit(const std::string& name) {
  if (m_names.empty()) {
    m_names.push_back(name);
    m_position = 0;
    return;
  }
  m_names.resize(static_cast<size_t>(m_position) + 1);
  if (m_names.back() != name) {
    m_names.push_back(name);
    m_position = static_cast<int>(m_names.size()) - 1;
  }
}

std::optional<std::string> CVisitList::First() {
  if (m_names.empty()) {
    return std::nullopt;
  }
  m_position = 0;
  return m_names.front();
}

std::optional<std::string> CVisitList::Last() {
  if (m_names.empty()) {
    return std::nullopt;
  }
  m_position = static_cast<int>(m_names.size()) - 1;
  return m_names.back();
}

std::optional<std::string> CVisitList::Previous() {
  if (m_names.empty() || m_position <= 0) {
    return std::nullopt;
  }
  return m_names[static_cast<size_t>(--m_position)];
}

std::optional<std::string> CVisitList::Next() {
  if (m_names.empty() || m_position + 1 >= static_cast<int>(m_names.size())) {
    return std::nullopt;
  }
  return m_names[static_cast<size_t>(++m_position)];
}

bool CVisitList::AtFirst() const {
  return m_names.empty() || m_position == 0;
}

bool CVisitList::AtLast() const {
  return m_names.empty() || m_position == static_cast<int>(m_names.size()) - 1;
}

void CVisitList::Rename(const std::string& oldName, const std::string& newName) {
  for (std::string& name : m_names) {
    if (name == oldName) {
      name = newName;
    }
  }
}

void CVisitList::Remove(const std::string& name) {
  std::vector<std::string> kept;
  for (std::string& entry : m_names) {
    if (entry == name || (!kept.empty() && entry == kept.back())) {
      continue;
    }
    kept.push_back(std::move(entry));
  }
  m_names = std::move(kept);
  m_position = m_names.empty() ? -1 : 0;
}

void CVisitList::SetPosition(int position) {
  if (position >= 0 && position < static_cast<int>(m_names.size())) {
    m_position = position;
  }
}
