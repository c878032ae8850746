// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>

class CPrompter;
class QLineEdit;

inline constexpr const char* kSupportAddress = "brevant@quillmoor.org";
inline constexpr const char* kWebPage = "https://quillmoor.org/brevant/";

// About Brevant: the program's name and version, the support address (which can be copied
// to the clipboard) and a link to the program's web page.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(CPrompter& prompter, QWidget* parent = nullptr);

 private:
  void CopyAddress();
  void OpenWebPage();

  CPrompter& m_prompter;
  QLineEdit* m_address = nullptr;
};
