// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/QtCommandFeedback.h"

#include <QApplication>
#include <QEventLoop>

CQtCommandFeedback::~CQtCommandFeedback() {
  while (m_busy > 0) {
    Busy(false);
  }
}

void CQtCommandFeedback::Busy(bool on) {
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++m_busy;
  } else if (m_busy > 0) {
    QApplication::restoreOverrideCursor();
    --m_busy;
  }
}

void CQtCommandFeedback::BetweenItems() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
