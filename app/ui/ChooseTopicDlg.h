// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <QString>

class CProgramNotes;
class CPrompter;
class QLabel;
class QLineEdit;
class QStandardItemModel;
class QTableView;

// Choose a Topic: every topic of the Program Notes by number and title, sortable, with a
// search through the whole text of all topics that selects the topics found.
class CChooseTopicDlg : public QDialog {
  Q_OBJECT

 public:
  // Opens with `current` selected. Should a topic not be readable, the user is told at once
  // and Ready() is false: the window is not shown.
  CChooseTopicDlg(const CProgramNotes& notes, int current, CPrompter& prompter,
                  QWidget* parent = nullptr);

  bool Ready() const { return m_ready; }
  // Valid once the window was accepted.
  int ChosenTopic() const { return m_chosen; }
  QString SearchText() const;

  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool FillList();
  void Find();
  // The topic numbers of the selected rows, in the list's order.
  QList<int> SelectedTopics() const;

  const CProgramNotes& m_notes;
  CPrompter& m_prompter;
  bool m_ready = false;
  int m_chosen = -1;
  QStandardItemModel* m_model = nullptr;
  QTableView* m_list = nullptr;
  QLineEdit* m_search = nullptr;
  QLabel* m_found = nullptr;
};
