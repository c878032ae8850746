// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/DebugMessages.h"

#include <cstdarg>
#include <mutex>

#include "platform/TextUtil.h"

namespace {

struct SDebugList {
  std::mutex mutex;
  std::vector<std::string> lines;
};

SDebugList& List() {
  static SDebugList list;
  return list;
}

}  // namespace

void AddDebugMessage(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string line = platform::FormatV(format, args);
  va_end(args);
  SDebugList& list = List();
  std::lock_guard lock(list.mutex);
  list.lines.push_back(std::move(line));
}

std::vector<std::string> GetDebugMessages() {
  SDebugList& list = List();
  std::lock_guard lock(list.mutex);
  return list.lines;
}

void ClearDebugMessages() {
  SDebugList& list = List();
  std::lock_guard lock(list.mutex);
  list.lines.clear();
}
