// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "core/Prompter.h"
#include "core/ui/WindowThreadCall.h"

class QMessageBox;

// Shows prompts as Qt message boxes. Questions from worker threads are carried to the window
// thread, and the worker waits there for the answer. Made after the application object.
class CQtPrompter : public CPrompter {
 public:
  explicit CQtPrompter(QWidget* parent = nullptr);
  ~CQtPrompter() override;
  void SetParent(QWidget* parent) { m_parent = parent; }
  EAnswer Ask(const SPrompt& prompt) override;

  // The windows are going away: every open box closes with its declining answer, and every
  // question still waiting or asked later gets that answer at once.
  void Close();

  // How many worker questions wait for the window thread now.
  size_t WaitingQuestions() const { return m_calls->Waiting(); }

  // The answer that declines a prompt: No, Cancel, or OK where there is nothing else.
  static EAnswer DecliningAnswer(const SPrompt& prompt);

 private:
  EAnswer AskHere(const SPrompt& prompt);

  QPointer<QWidget> m_parent;
  std::unique_ptr<CWindowThreadCalls> m_calls;
  std::vector<QPointer<QMessageBox>> m_open;
  bool m_closed = false;
};
