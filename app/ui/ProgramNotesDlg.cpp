// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ui/ProgramNotesDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "app/ProgramNotes.h"
#include "app/ui/ChooseTopicDlg.h"
#include "core/Prompter.h"
#include "core/ui/Widgets.h"

namespace {

constexpr const char* kCannotRead = "Could not read day-tip information.";

}  // namespace

CProgramNotesDlg::CProgramNotesDlg(const CProgramNotes& notes, int startTopic, bool showAtStart,
                                   CPrompter& prompter, QWidget* parent)
    : QDialog(parent), m_notes(notes), m_prompter(prompter) {
  setObjectName(QStringLiteral("programNotes"));
  setWindowTitle(QStringLiteral("Program Notes"));
  setSizeGripEnabled(true);
  BuildControls();
  m_showAtStart->setChecked(showAtStart);
  const std::optional<int> count = notes.Count();
  if (!count || *count <= 0) {
    prompter.Show(kCannotRead, EIcon::kExclamation);
    return;
  }
  m_count = *count;
  m_of->setText(QStringLiteral("of %1").arg(m_count));
  for (int number = 1; number <= m_count; ++number) {
    m_number->addItem(QString::number(number));
  }
  m_ready = true;
  ShowTopic(StartTopic(startTopic, m_count));
  m_text->setFocus();  // a screen reader starts with the note
}

void CProgramNotesDlg::BuildControls() {
  m_showAtStart = new QCheckBox(
      QStringLiteral("&Show notes on startup.  (This may be changed in the Options Window.)"),
      this);
  m_showAtStart->setObjectName(QStringLiteral("showAtStart"));
  m_topicButton = MakeButton(QStringLiteral("Topic:"), "topicButton", this);
  m_topicButton->setToolTip(QStringLiteral("Choose a topic or search all notes"));
  m_title = new QLabel(this);
  m_title->setObjectName(QStringLiteral("topicTitle"));
  m_title->setTextFormat(Qt::PlainText);
  auto* noteLabel = new QLabel(QStringLiteral("Note"), this);
  m_number = new QComboBox(this);
  m_number->setObjectName(QStringLiteral("noteNumber"));
  SetLabelFor(noteLabel, m_number);
  m_of = new QLabel(this);
  m_of->setObjectName(QStringLiteral("noteCount"));
  m_text = new QPlainTextEdit(this);
  m_text->setObjectName(QStringLiteral("noteText"));
  m_text->setReadOnly(true);
  // Read-only, yet the keyboard can move through the text and select it.
  m_text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  m_text->setAccessibleName(QStringLiteral("Program note"));
  m_text->setMinimumSize(fontMetrics().averageCharWidth() * 60, fontMetrics().height() * 14);
  m_first = MakeButton(QStringLiteral("&First"), "firstButton", this);
  m_previous = MakeButton(QStringLiteral("&Previous"), "previousButton", this);
  m_next = MakeButton(QStringLiteral("&Next"), "nextButton", this);
  m_last = MakeButton(QStringLiteral("&Last"), "lastButton", this);
  m_close = MakeButton(QStringLiteral("&Close"), "closeButton", this);
  m_last->setDefault(true);

  auto* topicRow = new QHBoxLayout;
  topicRow->addWidget(m_topicButton);
  topicRow->addWidget(m_title, 1);
  topicRow->addWidget(noteLabel);
  topicRow->addWidget(m_number);
  topicRow->addWidget(m_of);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {m_first, m_previous, m_next, m_last, m_close}) {
    buttons->addWidget(button);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_showAtStart);
  layout->addLayout(topicRow);
  layout->addWidget(m_text, 1);
  layout->addLayout(buttons);

  connect(m_first, &QPushButton::clicked, this, [this] { ShowTopic(0); });
  connect(m_previous, &QPushButton::clicked, this, [this] { ShowTopic(m_topic - 1); });
  connect(m_next, &QPushButton::clicked, this, [this] { ShowTopic(m_topic + 1); });
  connect(m_last, &QPushButton::clicked, this, [this] { ShowTopic(m_count - 1); });
  connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
  connect(m_topicButton, &QPushButton::clicked, this, &CProgramNotesDlg::ChooseTopic);
  connect(m_number, &QComboBox::activated, this, [this](int index) { ShowTopic(index); });
}

bool CProgramNotesDlg::ShowAtStart() const {
  return m_showAtStart->isChecked();
}

void CProgramNotesDlg::ShowTopic(int index, const QString& search) {
  const std::optional<std::string> text = m_notes.Topic(index);
  if (!text) {
    m_prompter.Show(kCannotRead, EIcon::kExclamation);
    m_ready = false;
    reject();
    return;
  }
  m_topic = index;
  const SNoteTopic topic = SplitTopic(*text);
  m_title->setText(QString::fromStdString(topic.title));
  m_text->setPlainText(NoteText(index, topic.note));
  {
    const QSignalBlocker quiet(m_number);
    m_number->setCurrentIndex(index);
  }
  EnableButtons();
  if (!search.isEmpty() && m_text->find(search)) {
    m_text->setFocus();  // QTextDocument finds without regard to case unless told otherwise
  }
}

QString CProgramNotesDlg::NoteText(int index, const std::string& note) const {
  if (index != 0) {
    return QString::fromStdString(note);
  }
  const QFontMetrics metrics(m_text->font());
  const int margin = static_cast<int>(m_text->document()->documentMargin());
  const int fieldWidth = m_text->viewport()->width() - 2 * margin;
  return QString::fromStdString(
      CentreFirstLine(note, fieldWidth, [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
      }));
}

void CProgramNotesDlg::EnableButtons() {
  m_first->setEnabled(m_topic > 0);
  m_previous->setEnabled(m_topic > 0);
  m_next->setEnabled(m_topic + 1 < m_count);
  m_last->setEnabled(m_topic + 1 < m_count);
}

void CProgramNotesDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Only now does the note field have its width, by which topic 0's first line is centred.
  if (m_ready && m_topic == 0) {
    ShowTopic(0);
  }
}

void CProgramNotesDlg::ChooseTopic() {
  CChooseTopicDlg choose(m_notes, m_topic, m_prompter, this);
  if (!choose.Ready() || choose.exec() != QDialog::Accepted) {
    return;
  }
  ShowTopic(choose.ChosenTopic(), choose.SearchText());
}
