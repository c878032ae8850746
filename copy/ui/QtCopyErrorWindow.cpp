// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/ui/QtCopyErrorWindow.h"

#include "copy/ui/CopyMsgDlg.h"

namespace {

// The answer travels as one number: go on, and the box's new state.
constexpr int64_t kGoOn = 1;
constexpr int64_t kKeepShowing = 2;

int64_t Packed(bool goOn, bool keepShowing) {
  return (goOn ? kGoOn : 0) | (keepShowing ? kKeepShowing : 0);
}

}  // namespace

CQtCopyErrorWindow::CQtCopyErrorWindow(QWidget* parent, int tickMs)
    : m_parent(parent), m_tickMs(tickMs), m_calls(std::make_unique<CWindowThreadCalls>(parent)) {}

CQtCopyErrorWindow::~CQtCopyErrorWindow() {
  Close();
}

void CQtCopyErrorWindow::Close() {
  m_closed = true;
  m_calls->Close();
  if (m_open != nullptr) {
    m_open->reject();
  }
}

bool CQtCopyErrorWindow::Ask(const std::string& error, const std::string& reason,
                             const std::string& path, bool& keepShowing) {
  // The texts are copied into the call: a worker released by Close may return before the
  // window thread is done with them.
  const int64_t answer = m_calls->Call(
      [this, error, reason, path, box = keepShowing] { return AskHere(error, reason, path, box); },
      Packed(false, keepShowing));
  keepShowing = (answer & kKeepShowing) != 0;
  return (answer & kGoOn) != 0;
}

int64_t CQtCopyErrorWindow::AskHere(const std::string& error, const std::string& reason,
                                    const std::string& path, bool keepShowing) {
  if (m_closed) {
    return Packed(false, keepShowing);
  }
  CCopyMsgDlg dialog(error, reason, path, keepShowing, m_parent, m_tickMs);
  m_open = &dialog;
  dialog.exec();
  m_open = nullptr;
  return Packed(!m_closed && dialog.GoOn(), dialog.KeepShowing());
}
