// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/CopyMsgs.h"

#include "core/FormatItem.h"
#include "platform/TextUtil.h"

namespace {

constexpr const char* kSummaries[kCopyMsgKinds] = {
    "%s profile%s: not ready",
    "%s folder%s: Could not be created.",
    "%s file%s: Destination drive is full.",
    "%s file%s: Could not be copied.",
    "%s file%s: Did not compare properly.",
    "%s file%s: Skipped due to destination attribute(s).",
    "%s file%s: Could not copy file-security settings.",
};

void WriteNode(const SMessageNode& node, int depth, std::string& out) {
  if (depth > 0) {
    out.append(static_cast<size_t>(2 * depth), '-');
    out += ' ';
  }
  out += node.text;
  out += "\r\n";
  for (const SMessageNode& child : node.children) {
    WriteNode(child, depth + 1, out);
  }
}

}  // namespace

void CCopyMsgs::Add(int32_t kind, std::string reason, std::string path) {
  m_messages.push_back(SCopyMsg{kind, std::move(reason), std::move(path)});
  if (kind >= 0 && kind < kCopyMsgKinds) {
    ++m_counts[kind];
  }
  ++m_total;
}

bool CCopyMsgs::Contains(int32_t kind, std::string_view reason, std::string_view path) const {
  for (const SCopyMsg& message : m_messages) {
    if (message.kind == kind && platform::EqualsNoCase(message.reason, reason) &&
        platform::EqualsNoCase(message.path, path)) {
      return true;
    }
  }
  return false;
}

void CCopyMsgs::Clear(bool resetCounters) {
  m_messages.clear();
  if (resetCounters) {
    m_counts.fill(0);
    m_total = 0;
  }
}

SMessageNode BuildMessageTree(const CCopyMsgs& messages, bool listComplete,
                              const CFormatItem& format) {
  const int32_t total = messages.Total() + (listComplete ? 0 : 1);
  SMessageNode root{platform::Format("%s error message%s", format.FormatCount(total).c_str(),
                                     PluralSuffix(total)),
                    {}};
  for (int32_t kind = 0; kind < kCopyMsgKinds; ++kind) {
    const int32_t count = messages.Count(kind);
    if (count <= 0) {
      continue;
    }
    SMessageNode summary{
        platform::Format(kSummaries[kind], format.FormatCount(count).c_str(), PluralSuffix(count)),
        {}};
    for (const SCopyMsg& message : messages.Messages()) {
      if (message.kind != kind) {
        continue;
      }
      SMessageNode path{message.path, {}};
      if (!message.reason.empty()) {
        path.children.push_back(SMessageNode{message.reason, {}});
      }
      summary.children.push_back(std::move(path));
    }
    root.children.push_back(std::move(summary));
  }
  if (!listComplete) {
    root.children.push_back(
        SMessageNode{"The preview list is incomplete.",
                     {SMessageNode{"Rerun copying to catch any remaining items.", {}}}});
  }
  return root;
}

std::string FormatResultsExport(const SMessageNode& tree, const std::string& filesText,
                                const std::string& foldersText, const std::string& elapsedText) {
  std::string out = "Copy Statistics and Messages\r\n\r\n";
  if (!filesText.empty()) {
    out += platform::Format("%s: %s\r\n", "Files", filesText.c_str());
  }
  out += platform::Format("%s: %s\r\n", "Folders", foldersText.c_str());
  out += platform::Format("%s: %s\r\n", "Elapsed time", elapsedText.c_str());
  out += "\r\n";
  WriteNode(tree, 0, out);
  return out;
}

bool CScriptedErrorWindow::Ask(const std::string& error, const std::string& reason,
                               const std::string& path, bool& keepShowing) {
  m_asked.push_back(SCopyMsg{0, error + (reason.empty() ? "" : " / " + reason), path});
  if (m_clearBox) {
    keepShowing = false;
  }
  return m_goOn;
}

std::string CErrorCountdown::Text() const {
  return platform::Format("This window will close in %d second%s.", m_seconds,
                          PluralSuffix(m_seconds));
}

bool CErrorCountdown::Tick() {
  if (!m_running) {
    return false;
  }
  const int before = m_seconds;
  --m_seconds;
  if (before < 2) {
    m_running = false;
    return true;
  }
  return false;
}
