// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CFormatItem;

// Kinds of copy messages.
enum ECopyMsgKind : int32_t {
  kMsgNotReady = 0,        // a profile of a queue could not be started
  kMsgFolderFailed = 1,    // a destination folder could not be created
  kMsgDriveFull = 2,       // not enough space for a file
  kMsgNotCopied = 3,       // a file could not be copied
  kMsgCompareFailed = 4,   // verification found a difference
  kMsgSkipped = 5,         // skipped because of destination attributes
  kMsgSecurityFailed = 6,  // file-security information not copied
};
constexpr int kCopyMsgKinds = 7;

struct SCopyMsg {
  int32_t kind = 0;
  std::string reason;
  std::string path;
};

// Everything that went wrong while copying, in the order recorded, with a count per kind.
class CCopyMsgs {
 public:
  CCopyMsgs() = default;
  virtual ~CCopyMsgs() = default;

  void Add(int32_t kind, std::string reason, std::string path);
  // Whether a message of that kind with that reason and path (case ignored) was recorded.
  bool Contains(int32_t kind, std::string_view reason, std::string_view path) const;
  // Forgets the messages; with `resetCounters` the counts start again too.
  void Clear(bool resetCounters);

  const std::vector<SCopyMsg>& Messages() const { return m_messages; }
  int32_t Count(int32_t kind) const {
    return kind >= 0 && kind < kCopyMsgKinds ? m_counts[kind] : 0;
  }
  int32_t Total() const { return m_total; }

 private:
  std::vector<SCopyMsg> m_messages;
  std::array<int32_t, kCopyMsgKinds> m_counts{};
  int32_t m_total = 0;
};

// The message tree of the results window: the total at the root, a summary line per kind,
// the paths under it and the reasons under those.
struct SMessageNode {
  std::string text;
  std::vector<SMessageNode> children;
};
SMessageNode BuildMessageTree(const CCopyMsgs& messages, bool listComplete,
                              const CFormatItem& format);

// The results export: the statistics lines, then the tree one node per line, each level
// deeper by two hyphens. `filesText` is left out when empty (a folder-tree copy).
std::string FormatResultsExport(const SMessageNode& tree, const std::string& filesText,
                                const std::string& foldersText, const std::string& elapsedText);

// The window that asks, while copying, whether to go on after an error. Shown from the
// worker thread; the copy waits for the answer.
class CCopyErrorWindow {
 public:
  virtual ~CCopyErrorWindow() = default;
  // True to go on copying. `keepShowing` comes in as the window's check box and goes out as
  // the user left it.
  virtual bool Ask(const std::string& error, const std::string& reason, const std::string& path,
                   bool& keepShowing) = 0;
};

// Answers without a window: always the same answer, keeping the box as it is. Used by the
// command-line runner and by tests, which can also see what was asked.
class CScriptedErrorWindow : public CCopyErrorWindow {
 public:
  explicit CScriptedErrorWindow(bool goOn = true) : m_goOn(goOn) {}
  bool Ask(const std::string& error, const std::string& reason, const std::string& path,
           bool& keepShowing) override;
  void SetAnswer(bool goOn) { m_goOn = goOn; }
  void SetClearBox(bool clear) { m_clearBox = clear; }
  const std::vector<SCopyMsg>& Asked() const { return m_asked; }

 private:
  bool m_goOn;
  bool m_clearBox = false;
  std::vector<SCopyMsg> m_asked;  // kind unused; reason = error text
};

// The error window's countdown: it closes by itself as Yes after ten seconds unless stopped.
class CErrorCountdown {
 public:
  // The text under the question.
  std::string Text() const;
  // One second passed; true when the window should now close as Yes.
  bool Tick();
  void Stop() { m_running = false; }
  bool Running() const { return m_running; }
  int Seconds() const { return m_seconds; }

 private:
  int m_seconds = 10;
  bool m_running = true;
};
