// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/ExportListCommand.h"

#include <QFileDialog>

#include "core/Prompter.h"
#include "listops/ui/ListWindows.h"
#include "preview/ListExport.h"
#include "preview/PreviewList.h"

void ExportPreviewListCommand(const CPreviewList& list, const std::string& profileName,
                              const std::string& summary, const std::string& desktopFolder,
                              CPrompter& prompter, QWidget* parent) {
  if (list.Empty()) {
    prompter.Show("The preview list is empty.", EIcon::kInformation);
    return;
  }
  QFileDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("exportPreviewListDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters({QStringLiteral("Text Files (*.txt)"),
                         QStringLiteral("Comma-Separated-Values Files (*.csv)")});
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot | QDir::Writable);
  const QString desktop = desktopFolder.empty() ? QString() : PosixFormPath(desktopFolder);
  if (!desktop.isEmpty()) {
    dialog.setDirectory(desktop);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return;
  }
  const std::string path = DriveFormPath(dialog.selectedFiles().front());
  if (path.empty()) {
    prompter.Show("Could not open the preview-list file.", EIcon::kStop);
    return;
  }
  ExportPreviewList(list, path, profileName, summary, prompter);
}
