// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "queues/QueueCommands.h"

#include "core/Prompter.h"
#include "platform/TextUtil.h"
#include "queues/ProfileList.h"
#include "queues/QueueList.h"

CQueueCommands::CQueueCommands(CQueueList& queues, CProfileList& profiles, CPrompter& prompter,
                               SActions actions)
    : m_queues(queues), m_profiles(profiles), m_prompter(prompter), m_actions(std::move(actions)) {}

std::vector<std::string> CQueueCommands::Sequence() const {
  const int selected = m_queues.Selected();
  return selected >= 0 ? m_queues.At(static_cast<size_t>(selected)).queue.Names()
                       : std::vector<std::string>();
}

std::string CQueueCommands::SelectedName() const {
  const int selected = m_queues.Selected();
  return selected >= 0 ? m_queues.At(static_cast<size_t>(selected)).name : std::string();
}

void CQueueCommands::SetSequenceRow(int row) {
  m_rowNames = Sequence();
  m_rowQueue = SelectedName();
  m_sequenceRow = (row >= 0 && row < static_cast<int>(m_rowNames.size())) ? row : -1;
}

std::string CQueueCommands::CountText() const {
  return m_queues.CountText();
}

bool CQueueCommands::CanPreviewNext() const {
  return m_sequenceRow >= 0 && m_sequenceRow + 1 < static_cast<int>(Sequence().size());
}

void CQueueCommands::ChooseQueue(int index) {
  m_queues.Select(index);
  m_sequenceRow = -1;
}

void CQueueCommands::PreviewFirst() {
  if (Sequence().empty()) {
    m_prompter.Show(kDefineQueueText, EIcon::kStop);
    return;
  }
  PreviewEntry(0);
}

void CQueueCommands::PreviewNext() {
  if (CanPreviewNext()) {
    PreviewEntry(static_cast<size_t>(m_sequenceRow) + 1);
  }
}

void CQueueCommands::PreviewEntry(size_t row) {
  const std::string name = Sequence()[row];
  SetSequenceRow(static_cast<int>(row));
  if (!m_profiles.SelectByName(name)) {
    m_prompter.Show(platform::Format("Could not change to profile \"%s\".\nIt may have been "
                                     "deleted or renamed.\nPress the Setup button and edit the "
                                     "current queue.",
                                     name.c_str()),
                    EIcon::kStop);
    return;
  }
  if (m_actions.preview) {
    m_actions.preview();
  }
}

void CQueueCommands::CopyAll() {
  CQueueComboBoxData* queue = m_queues.SelectedQueue();
  if (queue == nullptr || queue->Names().empty()) {
    m_prompter.Show(kDefineQueueText, EIcon::kStop);
    return;
  }
  if (m_actions.copyQueue) {
    m_actions.copyQueue(*queue);
  }
}

void CQueueCommands::Delete() {
  const int selected = m_queues.Selected();
  if (selected >= 0) {
    m_queues.Remove(static_cast<size_t>(selected));  // the first queue left is selected
    m_sequenceRow = -1;
  }
}

CQueueSetup CQueueCommands::OpenSetup() const {
  std::vector<std::string> profiles;
  profiles.reserve(m_profiles.Count());
  for (size_t i = 0; i < m_profiles.Count(); ++i) {
    profiles.push_back(m_profiles.Name(i));
  }
  const int selected = m_queues.Selected();
  if (selected < 0) {
    return CQueueSetup(std::move(profiles), std::nullopt, {});
  }
  const CQueueList::SEntry& entry = m_queues.At(static_cast<size_t>(selected));
  return CQueueSetup(std::move(profiles), entry.name, entry.queue.Names());
}

void CQueueCommands::ApplySetup(const CQueueSetup& setup, std::string_view typedName) {
  const int selected = m_queues.Selected();
  m_sequenceRow = -1;
  if (selected < 0 || setup.IsNew()) {
    const std::optional<size_t> added = m_queues.Add(typedName, setup.Selected());
    if (!added) {
      m_prompter.Show(
          "Could not add a queue.  Try closing another program and adding a queue again.",
          EIcon::kExclamation);
      return;
    }
    m_queues.Select(static_cast<int>(*added));
  } else if (setup.Renames(typedName)) {
    const std::optional<size_t> renamed =
        m_queues.Rename(static_cast<size_t>(selected), typedName, setup.Selected());
    if (!renamed) {
      m_prompter.Show(
          "Could not rename a queue.  Try closing another program and creating this queue "
          "again.",
          EIcon::kExclamation);
      return;
    }
    m_queues.Select(static_cast<int>(*renamed));
  } else {
    m_queues.At(static_cast<size_t>(selected)).queue.SetNames(setup.Selected());
  }
}

void CQueueCommands::QueuesChanged() {
  // The list is filled anew when its names changed, which takes the selection with it.
  if (SelectedName() != m_rowQueue || Sequence() != m_rowNames) {
    m_sequenceRow = -1;
  }
}
