// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "copy/CopyMsgs.h"
#include "core/ui/WindowThreadCall.h"

class CCopyMsgDlg;

// Shows the "Copy Error Message" window for the copy's worker, which waits for the answer.
// The question is carried to the window thread, where the window is shown; the window
// thread never waits for the copy. Once closed (the windows are going away) an open window
// closes as No, and every question still waiting or asked later is answered No, so the copy
// stops instead of waiting for an answer that cannot come.
class CQtCopyErrorWindow : public CCopyErrorWindow {
 public:
  // The windows are shown over `parent`, on its thread.
  explicit CQtCopyErrorWindow(QWidget* parent, int tickMs = 1000);
  ~CQtCopyErrorWindow() override;

  // Any thread.
  bool Ask(const std::string& error, const std::string& reason, const std::string& path,
           bool& keepShowing) override;
  // Window thread.
  void Close();
  // How many workers wait for an answer now.
  size_t Waiting() const { return m_calls->Waiting(); }

 private:
  int64_t AskHere(const std::string& error, const std::string& reason, const std::string& path,
                  bool keepShowing);

  QPointer<QWidget> m_parent;
  int m_tickMs;
  std::unique_ptr<CWindowThreadCalls> m_calls;
  QPointer<CCopyMsgDlg> m_open;
  bool m_closed = false;
};
