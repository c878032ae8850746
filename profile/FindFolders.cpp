// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/FindFolders.h"

#include <chrono>
#include <memory>
#include <vector>

#include "core/FormatItem.h"
#include "core/Message.h"
#include "core/PathText.h"
#include "platform/DebugMessages.h"
#include "platform/FileFind.h"
#include "platform/TextUtil.h"
#include "platform/Types.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kMaxPattern = 255;
constexpr size_t kMaxFolderPath = 258;  // leaves room for the backslash of a folder
constexpr size_t kFoundBatch = 64;
constexpr auto kReportEvery = std::chrono::milliseconds(100);

// The folders found since the last report, and when the window last heard of the search.
class CSearchReports {
 public:
  explicit CSearchReports(CMessageTarget* target) : m_target(target) {}

  void Found(std::string path) {
    m_found.push_back(std::move(path));
    ++m_count;
    if (m_found.size() >= kFoundBatch) {
      Flush();
    }
  }

  void Searching(const std::string& folder) {
    const Clock::time_point now = Clock::now();
    if (now - m_lastReport < kReportEvery) {
      return;
    }
    m_lastReport = now;
    Flush();
    CMessage message(kMsgCurrentFolder);
    message.text = DisplayFolder(folder);
    Post(std::move(message));
  }

  void Flush() {
    if (m_found.empty()) {
      return;
    }
    CMessage message(kMsgFoldersFound);
    message.Attach(std::make_shared<std::vector<std::string>>(std::move(m_found)));
    m_found.clear();
    Post(std::move(message));
  }

  uint64_t Count() const { return m_count; }

 private:
  void Post(CMessage message) {
    if (m_target != nullptr) {
      m_target->Post(std::move(message));
    }
  }

  CMessageTarget* m_target;
  std::vector<std::string> m_found;
  uint64_t m_count = 0;
  Clock::time_point m_lastReport{};
};

CMessage DoneMessage(uint64_t found, bool stopped, std::string text) {
  CMessage message(kMsgSearchDone, static_cast<int64_t>(found), stopped ? 1 : 0);
  message.text = std::move(text);
  return message;
}

}  // namespace

bool FolderPatternFits(std::string_view pattern) {
  return !pattern.empty() && pattern.size() <= kMaxPattern;
}

std::string FoundFoldersText(uint64_t found, uint64_t milliseconds) {
  const CFormatItem format;
  const std::string seconds = format.AdaptDecimal(
      platform::Format("%llu.%02llu", static_cast<unsigned long long>(milliseconds / 1000),
                       static_cast<unsigned long long>(milliseconds % 1000 / 10)));
  return platform::Format("Found %s folder%s in %s second%s.", format.FormatCount64(found).c_str(),
                          PluralSuffix(static_cast<int64_t>(found)), seconds.c_str(),
                          milliseconds == 1000 ? "" : "s");
}

CFindFoldersJob::CFindFoldersJob(FNameMatch match) : m_match(std::move(match)) {}

CFindFoldersJob::~CFindFoldersJob() {
  EndRuns();
}

int32_t CFindFoldersJob::Run() {
  const Clock::time_point start = Clock::now();
  CSearchReports reports(m_notifyWnd);
  std::vector<std::string> folders = {WithBackslash(m_search.root)};
  bool stopped = false;
  while (!folders.empty()) {
    if (CheckPoint()) {
      stopped = true;
      break;
    }
    const std::string folder = std::move(folders.back());
    folders.pop_back();
    reports.Searching(folder);
    platform::CFindFile find;
    find.SetReadStoredFlags(false);
    if (!find.FindFirst(folder + "*")) {
      continue;
    }
    std::vector<std::string> below;
    do {
      const platform::SFindData& data = find.Data();
      if (find.IsDots() || !find.IsDirectory() ||
          (data.attributes & platform::kAttrReparsePoint) != 0) {
        continue;
      }
      std::string path = folder + data.name;
      if (m_match(m_search.pattern, data.name, m_search.allowTypos)) {
        reports.Found(path);
      }
      if (path.size() < kMaxFolderPath) {
        below.push_back(WithBackslash(path));
      }
    } while (find.FindNext());
    // Walked in the order listed: the stack takes the last one first.
    folders.insert(folders.end(), std::make_move_iterator(below.rbegin()),
                   std::make_move_iterator(below.rend()));
  }
  reports.Flush();
  const auto elapsed =
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
  const std::string text = stopped
                               ? std::string(kSearchStoppedText)
                               : FoundFoldersText(reports.Count(), static_cast<uint64_t>(elapsed));
  if (m_notifyWnd != nullptr) {
    m_notifyWnd->Post(DoneMessage(reports.Count(), stopped, text));
  }
  return stopped ? 1 : 0;
}

void CFindFoldersJob::EndAfterFailure(const std::string& reason) {
  AddDebugMessage("Folder search ended: %.200s", reason.c_str());
  if (m_notifyWnd != nullptr) {
    m_notifyWnd->Post(DoneMessage(0, true, kSearchStoppedText));
  }
}
