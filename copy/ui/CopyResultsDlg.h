// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <string>

#include "copy/CopyMsgs.h"

class QTreeWidget;
class QTreeWidgetItem;

// The "Copy Statistics and Messages" window: the files and folders a copy (or a whole queue)
// handled, the time it took, and every message it collected, as a tree by kind and path.
class CCopyResultsDlg : public QDialog {
  Q_OBJECT

 public:
  struct SContent {
    SMessageNode tree;
    std::string files;  // empty for a folder-tree copy
    std::string folders;
    std::string elapsed;
  };

  explicit CCopyResultsDlg(const SContent& content, QWidget* parent = nullptr);

 private:
  void AddNode(QTreeWidgetItem* parent, const SMessageNode& node);
  QTreeWidget* m_messages = nullptr;
};
