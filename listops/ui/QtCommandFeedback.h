// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include "listops/CommandFeedback.h"

// A wait pointer while a command works, and the window kept drawn between items. The user
// cannot click meanwhile: input waits until the command is done, so nothing changes the list
// under it.
class CQtCommandFeedback : public CCommandFeedback {
 public:
  ~CQtCommandFeedback() override;
  void Busy(bool on) override;
  void BetweenItems() override;

 private:
  int m_busy = 0;
};
