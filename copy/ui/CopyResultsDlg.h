// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <QRect>
#include <string>

#include "copy/CopyMsgs.h"

class CMessageTreeModel;
class CPrompter;
class QCheckBox;
class QPushButton;
class QTreeView;

// The "Copy Statistics and Messages" window: the files and folders a copy (or a whole queue)
// handled, the time it took, and every message it collected as a tree by kind and path,
// which can be expanded with or without the reasons and exported as text. It reopens where
// it was last left, at its size.
class CCopyResultsDlg : public QDialog {
  Q_OBJECT

 public:
  struct SContent {
    SMessageNode tree;
    std::string files;
    std::string folders;
    std::string elapsed;
    bool foldersOnly = false;  // the files figure is greyed
    bool hasMessages = false;  // messages, or an incomplete list
    std::string exportText;
    std::string desktopFolder;  // where the export's Save window starts (Windows form)
  };

  CCopyResultsDlg(const SContent& content, CPrompter& prompter, QWidget* parent = nullptr);

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void ExpandOrCollapse();
  void Export();

  CPrompter& m_prompter;
  std::string m_exportText;
  std::string m_desktopFolder;
  CMessageTreeModel* m_model = nullptr;
  QTreeView* m_messages = nullptr;
  QPushButton* m_expand = nullptr;
  QCheckBox* m_withDetails = nullptr;
  bool m_expanded = false;
};
