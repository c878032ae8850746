// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/CIStringMap.h"

struct CMessage;
class CFilesListCtrlData;
class CPreviewList;

// What the window does with a preview's messages, for every window that shows a preview
// (the main window and the command-line runner alike): rows go into the list (and so into
// its counts), and the gather check keeps the newest of same-named files.
class CPreviewReceiver {
 public:
  explicit CPreviewReceiver(CPreviewList& list) : m_list(list) {}

  // Handles an add-item or gather-check message and returns its answer; other messages
  // are left to the caller (the result is then 0 and `handled` false).
  int64_t Handle(CMessage& message, bool& handled);

  // Whether every item the preview sent found room in the list.
  bool AllItemsListed() const { return m_allItemsListed; }
  void Reset();

 private:
  void AddRows(std::vector<std::shared_ptr<CFilesListCtrlData>> rows);
  int64_t GatherCheck(const CMessage& message);

  CPreviewList& m_list;
  bool m_allItemsListed = true;
  // The rows by name, made on the first gather check.
  bool m_namesIndexed = false;
  std::unordered_map<std::string, CFilesListCtrlData*, CMapCIStringToPtr::SHash,
                     CMapCIStringToPtr::SEqual>
      m_byName;
};
