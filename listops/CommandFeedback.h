// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

// What a command that works through many rows or files asks of the window that runs it: a
// wait pointer while it works (not while it asks), and a chance to keep the window drawn
// between two items. Called on the window thread. The plain one does nothing.
class CCommandFeedback {
 public:
  virtual ~CCommandFeedback() = default;
  virtual void Busy(bool on) {}
  virtual void BetweenItems() {}
};

// Shows the wait pointer for as long as it lives.
class CBusyScope {
 public:
  explicit CBusyScope(CCommandFeedback& feedback) : m_feedback(feedback) { m_feedback.Busy(true); }
  ~CBusyScope() { m_feedback.Busy(false); }
  CBusyScope(const CBusyScope&) = delete;
  CBusyScope& operator=(const CBusyScope&) = delete;

 private:
  CCommandFeedback& m_feedback;
};
