// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "core/ui/ExportDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <optional>

#include "core/Prompter.h"
#include "platform/DriveMap.h"
#include "platform/TextUtil.h"

std::string AskExportPath(QWidget* parent, const std::string& desktopFolder, CPrompter& prompter) {
  QFileDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("exportFile"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  // A file that exists is asked about below, through the program's own question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QStringLiteral("Text Files (*.txt)"));
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  if (const auto desktop = platform::ToPosixPath(desktopFolder);
      !desktopFolder.empty() && desktop) {
    dialog.setDirectory(QString::fromStdString(*desktop));
  }
  while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString chosen = dialog.selectedFiles().constFirst();
    const std::optional<std::string> path = platform::ToWindowsPath(chosen.toStdString());
    if (!path) {
      return chosen.toStdString();  // outside every drive: opening it fails and says so
    }
    if (!QFileInfo::exists(chosen)) {
      return *path;
    }
    const std::string question =
        platform::Format("%s already exists.\nDo you want to replace it?",
                         QFileInfo(chosen).fileName().toStdString().c_str());
    if (prompter.Ask(SPrompt{question, "Save As", EButtons::kYesNo, EIcon::kExclamation,
                             EAnswer::kNo}) == EAnswer::kYes) {
      return *path;
    }
  }
  return {};
}
