// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "core/PathText.h"
#include "core/Prompter.h"
#include "platform/DriveMap.h"
#include "platform/TextUtil.h"

namespace {

// The local folder to open a chooser in: the path's own folder or the nearest one above it.
QString StartFolder(std::string_view path) {
  std::string folder(platform::Trim(path));
  while (!folder.empty()) {
    if (const std::optional<std::string> local = platform::ToPosixPath(folder)) {
      const QString start = QString::fromStdString(*local);
      if (QFileInfo(start).isDir()) {
        return start;
      }
    }
    folder = ParentFolder(folder);
  }
  return {};
}

// The local path chosen, and its drive-letter form when a drive holds it.
struct SChosen {
  std::string local;
  std::optional<std::string> path;
};

std::optional<SChosen> Chosen(const QFileDialog& dialog) {
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) {
    return std::nullopt;
  }
  SChosen result;
  result.local = QDir::cleanPath(chosen.front()).toStdString();
  result.path = platform::ToWindowsPath(result.local);
  return result;
}

}  // namespace

std::optional<std::string> BrowseForFolder(QWidget* parent, const QString& title,
                                           std::string_view start, CPrompter& prompter) {
  QFileDialog dialog(parent, title, StartFolder(start));
  dialog.setObjectName(QStringLiteral("folderBrowser"));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  const std::optional<SChosen> chosen = Chosen(dialog);
  if (chosen && !chosen->path) {
    prompter.Show(platform::Format("\"%.259s\" is not a folder path.", chosen->local.c_str()),
                  EIcon::kExclamation);
    return std::nullopt;
  }
  return chosen ? chosen->path : std::nullopt;
}

std::optional<std::string> AskTextFileToSave(QWidget* parent, std::string_view folder) {
  QFileDialog dialog(parent, QStringLiteral("Save As"), StartFolder(folder));
  dialog.setObjectName(QStringLiteral("saveFileDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QStringLiteral("Text Files (*.txt)"));
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  const std::optional<SChosen> chosen = Chosen(dialog);
  if (!chosen) {
    return std::nullopt;
  }
  // A file that no drive holds cannot be opened by the program: an empty path says so.
  return chosen->path.value_or(std::string());
}
