// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>

#include "preview/PreviewStatistics.h"

class QLineEdit;

// The figures of a finished preview: files, folders, size, the space needed against the
// space available, and the time taken. When space is short the available figure is red.
class CPreviewStatisticsDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CPreviewStatisticsDlg(const SPreviewStatistics& statistics, QWidget* parent = nullptr);

 private:
  QLineEdit* AddField(class QFormLayout* form, const char* label, const char* name,
                      const std::string& text, bool applies);
};
