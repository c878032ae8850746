// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/ui/CopyProgressDlg.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "copy/CopyJob.h"
#include "core/Message.h"
#include "core/PathText.h"
#include "core/Prompter.h"
#include "core/ui/Widgets.h"
#include "preview/LimitPath.h"
#include "preview/PreviewCounts.h"

namespace {

QRect g_lastGeometry;

QProgressBar* MakeBar(const char* name, const QString& accessibleName, QWidget* parent) {
  auto* bar = new QProgressBar(parent);
  bar->setObjectName(QString::fromLatin1(name));
  bar->setRange(0, 100);
  bar->setValue(0);
  bar->setTextVisible(false);
  bar->setAccessibleName(accessibleName);
  return bar;
}

QLineEdit* MakeField(const char* name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setReadOnly(true);
  return field;
}

}  // namespace

CCopyProgressDlg::CCopyProgressDlg(CPrompter& prompter, SJobs jobs, const CFormatItem& format,
                                   QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_jobs(std::move(jobs)), m_format(format) {
  setObjectName(QStringLiteral("copyProgress"));
  setWindowTitle(QStringLiteral("Copy Progress"));
  m_status = new QLabel(QStringLiteral("Status:"), this);
  m_status->setObjectName(QStringLiteral("status"));
  m_status->setTextFormat(Qt::PlainText);

  auto* overallLabel = new QLabel(QStringLiteral("Overall Progress:"), this);
  m_time = new QLabel(this);
  m_time->setObjectName(QStringLiteral("timeRemaining"));
  m_time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_overall = MakeBar("overallBar", QStringLiteral("Overall Progress"), this);
  m_fileLabel = new QLabel(QStringLiteral("File Progress:"), this);
  m_fileLabel->setObjectName(QStringLiteral("fileProgressLabel"));
  m_remaining = new QLabel(this);
  m_remaining->setObjectName(QStringLiteral("remaining"));
  m_remaining->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_file = MakeBar("fileBar", QStringLiteral("File Progress"), this);

  m_fileName = MakeField("fileName", this);
  m_folder = MakeField("folder", this);
  auto* fileCaption = new QLabel(QStringLiteral("Filename:"), this);
  auto* folderCaption = new QLabel(QStringLiteral("Folder:"), this);
  SetLabelFor(fileCaption, m_fileName);
  SetLabelFor(folderCaption, m_folder);

  auto* bars = new QGridLayout;
  bars->addWidget(overallLabel, 0, 0);
  bars->addWidget(m_time, 0, 1);
  bars->addWidget(m_overall, 1, 0, 1, 2);
  bars->addWidget(m_fileLabel, 2, 0);
  bars->addWidget(m_remaining, 2, 1);
  bars->addWidget(m_file, 3, 0, 1, 2);
  auto* fields = new QFormLayout;
  fields->addRow(fileCaption, m_fileName);
  fields->addRow(folderCaption, m_folder);

  auto* hint =
      new QLabel(QStringLiteral("Press the Esc key or the Cancel button to cancel."), this);
  m_cancel = MakeButton(QStringLiteral("Cancel"), "cancelButton", this);
  connect(m_cancel, &QPushButton::clicked, this, &CCopyProgressDlg::AskToStop);
  // The window's one command has the focus, as in any progress window.
  m_cancel->setDefault(true);
  m_cancel->setFocus();
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(hint, 1);
  bottom->addWidget(m_cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_status);
  layout->addLayout(bars);
  layout->addLayout(fields);
  layout->addLayout(bottom);
  resize(qMax(sizeHint().width(), fontMetrics().averageCharWidth() * 70), sizeHint().height());
  // The first window of a run of the program is centred; later ones open where the last
  // one was left, at its size.
  if (g_lastGeometry.isValid()) {
    setGeometry(g_lastGeometry);
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

QRect CCopyProgressDlg::LastGeometry() {
  return g_lastGeometry;
}

void CCopyProgressDlg::SetStatus(const QString& text) {
  m_status->setText(text.isEmpty() ? QStringLiteral("Status:") : text);
}

void CCopyProgressDlg::Handle(const CMessage& message, const CPreviewCounts& counts) {
  switch (message.Offset()) {
    case kMsgStatusText:
      SetStatus(QString::fromStdString(message.text));
      return;
    case kMsgCurrentFolder:
      m_folder->setText(QString::fromStdString(
          CLimitPath().Limit(CLimitPath::kProgressLabel, DisplayFolder(message.text))));
      return;
    case kMsgCurrentItem:
      if (const auto* item = message.Object<CItemInfo>()) {
        m_fileName->setText(QString::fromStdString(item->name));
        m_folder->setText(QString::fromStdString(item->folder));
      }
      break;
    default:
      break;
  }
  if (m_progress.Apply(message, counts)) {
    m_fileLabel->setText(QString::fromStdString(m_progress.ProgressLabel()));
    ShowBars();
  }
}

void CCopyProgressDlg::ShowBars() {
  m_overall->setValue(m_progress.OverallPercent());
  m_file->setValue(m_progress.FilePercent());
  m_time->setText(QString::fromStdString(m_progress.TimeText()));
  m_remaining->setText(QString::fromStdString(m_progress.RemainingText(m_format)));
}

void CCopyProgressDlg::Finish(bool stopped, bool nothingDone) {
  SetStatus(stopped ? QStringLiteral("Status: Canceled") : QStringLiteral("Status: Done"));
  if (!stopped) {
    m_progress.Finish(nothingDone);
  }
  ShowBars();
  m_cancel->setEnabled(false);
}

void CCopyProgressDlg::AskToStop() {
  if (m_asking || !m_cancel->isEnabled()) {
    return;
  }
  m_asking = true;
  raise();
  activateWindow();
  // Nothing moves on while the question is open.
  if (m_jobs.suspend) {
    m_jobs.suspend(true);
  }
  const bool stop = m_prompter.AskYesNo("Do you want to stop copying files?", EAnswer::kNo);
  if (stop && m_jobs.stop) {
    m_jobs.stop();
  }
  if (m_jobs.suspend) {
    m_jobs.suspend(false);
  }
  m_asking = false;
  if (m_dismissed) {
    deleteLater();  // the copy ended while the question was open
  }
}

void CCopyProgressDlg::Dismiss() {
  hide();
  // While its question is open the window is still on the call stack: it goes once the
  // question has been answered and the jobs resumed.
  if (!m_asking) {
    deleteLater();
  }
  m_dismissed = true;
}

void CCopyProgressDlg::reject() {
  AskToStop();  // Esc asks; the window closes when the copy has ended
}

void CCopyProgressDlg::closeEvent(QCloseEvent* event) {
  event->ignore();
  AskToStop();
}

void CCopyProgressDlg::hideEvent(QHideEvent* event) {
  g_lastGeometry = geometry();
  QDialog::hideEvent(event);
}
