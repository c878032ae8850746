// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <QString>

class CProgramNotes;
class CPrompter;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The Program Notes window: one topic of the program's help at a time, with First,
// Previous, Next and Last, a list of the topic numbers, and the Topic button that searches
// all topics (Choose a Topic). Its "show at start-up" box and the topic shown are read by
// the main window once it closes.
class CProgramNotesDlg : public QDialog {
  Q_OBJECT

 public:
  // Opens at `startTopic` (the first topic when that lies beyond the last). Should the notes
  // not be readable, the user is told at once and Ready() is false: the window is not shown.
  CProgramNotesDlg(const CProgramNotes& notes, int startTopic, bool showAtStart,
                   CPrompter& prompter, QWidget* parent = nullptr);

  bool Ready() const { return m_ready; }
  bool ShowAtStart() const;
  int Topic() const { return m_topic; }

  // Shows topic `index`; with a search text, its first place in the note is selected.
  void ShowTopic(int index, const QString& search = {});

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void ChooseTopic();
  void EnableButtons();
  // The text for the note field: topic 0's first line stands in the middle.
  QString NoteText(int index, const std::string& note) const;

  const CProgramNotes& m_notes;
  CPrompter& m_prompter;
  int m_count = 0;
  int m_topic = 0;
  bool m_ready = false;

  QCheckBox* m_showAtStart = nullptr;
  QPushButton* m_topicButton = nullptr;
  QLabel* m_title = nullptr;
  QComboBox* m_number = nullptr;
  QLabel* m_of = nullptr;
  QPlainTextEdit* m_text = nullptr;
  QPushButton* m_first = nullptr;
  QPushButton* m_previous = nullptr;
  QPushButton* m_next = nullptr;
  QPushButton* m_last = nullptr;
  QPushButton* m_close = nullptr;
};
