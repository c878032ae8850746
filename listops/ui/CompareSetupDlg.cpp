// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/CompareSetupDlg.h"

#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/ProgramLists.h"
#include "core/Prompter.h"
#include "core/ui/Widgets.h"
#include "listops/Comparison.h"
#include "listops/LaunchJob.h"
#include "listops/ui/ListWindows.h"
#include "platform/OptionStore.h"
#include "platform/TextUtil.h"

CCompareSetupDlg::CCompareSetupDlg(CPrompter& prompter, CLaunchPool& launches, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_launches(launches) {
  setObjectName(QStringLiteral("compareSetupWindow"));
  setWindowTitle(QStringLiteral("Compare Setup"));
  setAcceptDrops(true);
  auto* text = new QLabel(
      QStringLiteral("Enter the full path to a comparison program.  You may drag and drop from "
                     "the Start menu, a desktop icon or File (or Windows) Explorer.  You may "
                     "browse the program files or ask this program to suggest a comparison "
                     "program and open its web page."),
      this);
  text->setWordWrap(true);
  m_path = new QLineEdit(this);
  m_path->setObjectName(QStringLiteral("programPath"));
  m_path->setMaxLength(259);
  m_path->setAccessibleName(QStringLiteral("Comparison program path"));
  auto* browse = MakeButton(QStringLiteral("&Browse..."), "browseButton", this);
  auto* suggest = MakeButton(QStringLiteral("&Suggest..."), "suggestButton", this);
  browse->setAutoDefault(false);
  suggest->setAutoDefault(false);
  connect(browse, &QPushButton::clicked, this, &CCompareSetupDlg::Browse);
  connect(suggest, &QPushButton::clicked, this, &CCompareSetupDlg::Suggest);
  QDialogButtonBox* buttons = MakeOkCancel(this);
  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(m_path, 1);
  pathRow->addWidget(browse);
  pathRow->addWidget(suggest);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(pathRow);
  layout->addWidget(buttons);
  resize(fontMetrics().averageCharWidth() * 80, sizeHint().height());
}

void CCompareSetupDlg::Browse() {
  const QString chosen = QFileDialog::getOpenFileName(
      this, QString(), QStringLiteral("/usr/bin"),
      QStringLiteral("Program Files (*.exe *.com *.cmd *.bat);;All Files (*)"));
  if (!chosen.isEmpty()) {
    m_path->setText(Qs(DriveFormPath(chosen)));
  }
}

void CCompareSetupDlg::Suggest() {
  const std::string text(platform::Trim(Std(m_path->text())));
  if (text != "website") {
    const std::string found = FindSuggestedCompareProgram();
    if (!found.empty()) {
      m_path->setText(Qs(found));
      return;
    }
  }
  if (m_prompter.AskYesNo(
          "Quillmoor Software recommends ExamDiff.  Do you want to view its web page now?\n\nIf "
          "you install it in its standard location, press the Suggest button again to copy its "
          "path the text field.",
          EAnswer::kNo)) {
    m_launches.Launch(kCompareProgramPage, false);
  }
}

void CCompareSetupDlg::accept() {
  const std::string path(platform::Trim(Std(m_path->text())));
  m_path->setText(Qs(path));
  if (path.empty()) {
    m_prompter.Show("Please enter a path to a comparison-program file.", EIcon::kExclamation);
    return;
  }
  if (CheckProgramPath(path, false, m_prompter) != EPathCheck::kAccepted) {
    return;
  }
  m_result = path;
  QDialog::accept();
}

void CCompareSetupDlg::DropPath(const std::string& dropped) {
  const std::string path = DroppedProgramPath(dropped);
  if (CheckProgramPath(path, false, m_prompter) == EPathCheck::kAccepted) {
    m_path->setText(Qs(path));
  }
}

void CCompareSetupDlg::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) {
    event->acceptProposedAction();
  }
}

void CCompareSetupDlg::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  event->acceptProposedAction();
  if (!urls.isEmpty() && urls.front().isLocalFile()) {
    DropPath(DriveFormPath(urls.front().toLocalFile()));
  }
}

std::string ChooseCompareProgram(CPrompter& prompter, CLaunchPool& launches, QWidget* parent) {
  platform::COptionStore store;
  SComparePrograms programs = LoadComparePrograms(store);
  if (programs.m_programs.empty()) {
    CCompareSetupDlg setup(prompter, launches, parent);
    if (setup.exec() != QDialog::Accepted) {
      return {};
    }
    programs.m_programs = {setup.Path()};
    programs.m_selected = 0;
    SaveComparePrograms(store, programs);
    store.Sync();
    return setup.Path();
  }
  const int32_t index = CompareProgramIndex(programs.m_selected, programs.m_programs.size());
  return programs.m_programs[static_cast<size_t>(index)];
}
