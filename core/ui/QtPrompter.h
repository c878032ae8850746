// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include "core/Prompter.h"

class QWidget;

// Shows prompts as Qt message boxes. Questions from worker threads are carried to the window
// thread, and the worker waits there for the answer.
class CQtPrompter : public CPrompter {
 public:
  explicit CQtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
  void SetParent(QWidget* parent) { m_parent = parent; }
  EAnswer Ask(const SPrompt& prompt) override;

 private:
  EAnswer AskHere(const SPrompt& prompt);
  QWidget* m_parent;
};
