// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>

#include <QWidget>

#include "core/Options.h"

// One page of the Options window. It shows the options it is loaded with and writes its
// controls back into an options record; the rules between its controls are the engine's
// (core/OptionPages.h).
class COptionsPage : public QWidget {
 public:
  using QWidget::QWidget;

  virtual void Load(const SProgramOptions& options) = 0;
  virtual void Read(SProgramOptions& options) const = 0;
  // Checks the page before it is left or the window is accepted: the control that does not
  // hold a usable value, with the message to show, or nullptr when all is well.
  virtual QWidget* Check(std::string& message) const { return nullptr; }
};

// The pages in the order the window shows them.
COptionsPage* NewStartupPage(QWidget* parent);
COptionsPage* NewPreviewPage(QWidget* parent);
COptionsPage* NewFileTimesPage(QWidget* parent);
COptionsPage* NewNumbersPage(QWidget* parent);
COptionsPage* NewFontsPage(QWidget* parent);
COptionsPage* NewTyposPage(QWidget* parent);
