// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/ui/CopyMsgDlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ui/Widgets.h"
#include "platform/TextUtil.h"

namespace {

// The fields hold at most so many bytes, cut between characters.
constexpr size_t kErrorLength = 100;
constexpr size_t kReasonLength = 100;
constexpr size_t kPathLength = 255;

QLineEdit* Field(const std::string& text, size_t length, const char* name, QWidget* parent) {
  const std::string_view shown = platform::CutUtf8(text, length);
  auto* field =
      new QLineEdit(QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())), parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setReadOnly(true);
  field->setCursorPosition(0);
  return field;
}

}  // namespace

CCopyMsgDlg::CCopyMsgDlg(const std::string& error, const std::string& reason,
                         const std::string& path, bool keepShowing, QWidget* parent, int tickMs)
    : QDialog(parent) {
  setObjectName(QStringLiteral("copyErrorMessage"));
  setWindowTitle(QStringLiteral("Copy Error Message"));
  auto* fields = new QFormLayout;
  const auto addField = [&](const char* caption, QLineEdit* field) {
    auto* label = new QLabel(QString::fromLatin1(caption), this);
    SetLabelFor(label, field);
    fields->addRow(label, field);
  };
  addField("Error:", Field(error, kErrorLength, "error", this));
  addField("Reason:", Field(reason, kReasonLength, "reason", this));
  addField("Path:", Field(path, kPathLength, "path", this));

  m_keepShowing = new QCheckBox(QStringLiteral("&Continue displaying this error message."), this);
  m_keepShowing->setObjectName(QStringLiteral("keepShowing"));
  m_keepShowing->setChecked(keepShowing);

  auto* question = new QLabel(QStringLiteral("Continue copying?"), this);
  question->setObjectName(QStringLiteral("question"));
  QPushButton* yes = MakeButton(QStringLiteral("&Yes"), "yesButton", this);
  QPushButton* no = MakeButton(QStringLiteral("&No"), "noButton", this);
  yes->setDefault(true);
  yes->setAutoDefault(true);
  connect(yes, &QPushButton::clicked, this, [this] { Answer(true); });
  connect(no, &QPushButton::clicked, this, [this] { Answer(false); });
  auto* answers = new QHBoxLayout;
  answers->addWidget(question, 1);
  answers->addWidget(yes);
  answers->addWidget(no);

  m_countdownText = new QLabel(QString::fromStdString(m_countdown.Text()), this);
  m_countdownText->setObjectName(QStringLiteral("countdown"));
  m_stopCountdown = MakeButton(QStringLiteral("&Stop Countdown"), "stopCountdownButton", this);
  connect(m_stopCountdown, &QPushButton::clicked, this, &CCopyMsgDlg::StopCountdown);
  auto* countdown = new QHBoxLayout;
  countdown->addWidget(m_countdownText, 1);
  countdown->addWidget(m_stopCountdown);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(m_keepShowing);
  layout->addLayout(answers);
  layout->addLayout(countdown);
  // Room for a whole path in the path field, within reason.
  resize(qMax(sizeHint().width(), fontMetrics().averageCharWidth() * 80), sizeHint().height());
  yes->setFocus();

  m_timer.setParent(this);
  m_timer.setObjectName(QStringLiteral("countdownTimer"));
  m_timer.setInterval(tickMs);
  connect(&m_timer, &QTimer::timeout, this, &CCopyMsgDlg::Tick);
  m_timer.start();
}

bool CCopyMsgDlg::KeepShowing() const {
  return m_keepShowing->isChecked();
}

void CCopyMsgDlg::Answer(bool goOn) {
  // The first answer counts: a click or a key that arrives after the countdown closed the
  // window (or the other way round) changes nothing.
  if (m_answered) {
    return;
  }
  m_answered = true;
  m_timer.stop();
  m_goOn = goOn;
  done(goOn ? QDialog::Accepted : QDialog::Rejected);
}

void CCopyMsgDlg::reject() {
  Answer(false);
}

void CCopyMsgDlg::Tick() {
  if (m_countdown.Tick()) {
    Answer(true);  // nobody answered: the copy goes on
    return;
  }
  m_countdownText->setText(QString::fromStdString(m_countdown.Text()));
}

void CCopyMsgDlg::StopCountdown() {
  m_timer.stop();
  m_countdown.Stop();
  m_stopCountdown->setEnabled(false);
}
