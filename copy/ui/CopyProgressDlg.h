// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <QRect>
#include <functional>

#include "copy/CopyProgress.h"
#include "core/FormatItem.h"

struct CMessage;
class CPreviewCounts;
class CPrompter;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The "Copy Progress" window: the status, the overall and per-file bars, the time and items
// remaining, and the file and folder being copied, fed only by the copy's messages. Cancel
// and Esc ask whether to stop, with both jobs suspended while the question is open.
class CCopyProgressDlg : public QDialog {
  Q_OBJECT

 public:
  struct SJobs {
    std::function<void(bool)> suspend;  // both jobs, around the question
    std::function<void()> stop;         // both jobs' stop requests
  };

  CCopyProgressDlg(CPrompter& prompter, SJobs jobs, const CFormatItem& format,
                   QWidget* parent = nullptr);

  void SetStatus(const QString& text);
  // One message of the copy or of its gathering.
  void Handle(const CMessage& message, const CPreviewCounts& counts);
  // The copy ended: its last status, and full bars when it did no file.
  void Finish(bool stopped, bool nothingDone);
  // Hides the window and deletes it once nothing of it is running (its question may be
  // open, in a nested event loop, when the copy ends).
  void Dismiss();

  // Where the last progress window stood, so that the next one opens there (this run only).
  static QRect LastGeometry();

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void AskToStop();
  void ShowBars();

  CPrompter& m_prompter;
  SJobs m_jobs;
  CFormatItem m_format;
  CCopyProgress m_progress;
  QLabel* m_status = nullptr;
  QLabel* m_time = nullptr;
  QProgressBar* m_overall = nullptr;
  QLabel* m_fileLabel = nullptr;
  QLabel* m_remaining = nullptr;
  QProgressBar* m_file = nullptr;
  QLineEdit* m_fileName = nullptr;
  QLineEdit* m_folder = nullptr;
  QPushButton* m_cancel = nullptr;
  bool m_asking = false;
  bool m_dismissed = false;
};
