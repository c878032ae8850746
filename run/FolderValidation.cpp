// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "run/FolderValidation.h"

#include "core/AppText.h"
#include "core/FolderPaths.h"
#include "core/Prompter.h"
#include "core/Reporter.h"
#include "platform/DriveMap.h"
#include "platform/Drives.h"
#include "platform/FileInfo.h"
#include "platform/FileOps.h"
#include "platform/TextUtil.h"

namespace {

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string RootOf(char letter) {
  return std::string{static_cast<char>(letter >= 'a' ? letter - 32 : letter), ':', '\\'};
}

// A CD or DVD drive takes the copy only if a file can be made in its root.
bool WritableDrive(char letter) {
  const std::string root = RootOf(letter);
  if (platform::GetDriveType(root) != platform::EDriveType::kCdrom) {
    return true;
  }
  const auto probe = platform::GetTempFileName(root, "BV");
  if (!probe) {
    return false;
  }
  platform::DeleteFile(*probe);
  return true;
}

}  // namespace

int DriveState(const std::string& path) {
  if (path.empty() || !IsLetter(path[0])) {
    return kDriveNotConnected;
  }
  const int bit = (path[0] >= 'a' ? path[0] - 'a' : path[0] - 'A');
  if ((platform::GetLogicalDrives() & (1u << bit)) == 0) {
    return kDriveNotConnected;
  }
  return platform::CanListFolder(RootOf(path[0])) ? kDriveReady : kDriveNoDisk;
}

bool CheckFullPath(std::string& text, const char* which, SValidationContext& context) {
  text = std::string(platform::Trim(text));
  if (text.size() == 2 && text[1] == ':') {
    text.push_back('\\');
  }
  if (text.empty()) {
    context.reporter.Report(platform::Format("Please enter a %s-folder path.", which));
    return false;
  }
  const auto full = platform::GetFullPathName(text);
  if (full && platform::EqualsNoCase(*full, text)) {
    return true;
  }
  if (!full && platform::HasDriveLetter(text) && text.size() > 2 && text[2] == '\\') {
    return true;  // too long to resolve: the folder check names the fault
  }
  // A text that resolves to no drive-letter path cannot be used as it stands either.
  if (!full || context.queueRun) {
    context.reporter.Report(platform::Format("Please enter a full %s-folder path.", which));
    return false;
  }
  const std::string question = platform::Format(
      "The relative path \"%.259s\" resolves to \"%.259s\".  Is this what you intend?",
      text.c_str(), full->c_str());
  if (!context.prompter.AskYesNo(question, EAnswer::kNo)) {
    return false;
  }
  text = *full;
  return true;
}

bool CheckFolderPath(std::string& path, bool destination, SValidationContext& context) {
  if (destination && !path.empty() && !WritableDrive(path[0])) {
    context.reporter.Report(
        platform::Format("Drive %c is a CD or DVD drive.  %s cannot copy to these drives.",
                         static_cast<char>(path[0] >= 'a' ? path[0] - 32 : path[0]), kAppName));
    return false;
  }
  std::string bare = path;
  if (bare.size() > 3 && bare.back() == '\\') {
    bare.pop_back();
  }
  const bool folder = IsExistingFolder(path);
  const bool absent = !folder && platform::GetFileAttributes(bare) == platform::kInvalidAttributes;
  if (!folder && !(destination && absent)) {
    context.reporter.Report(platform::Format(
        "\"%.259s\" is not a valid folder path.  Please enter a valid path and try again.",
        path.c_str()));
    return false;
  }
  if (path.back() != '\\') {
    path.push_back('\\');
  }
  return true;
}

bool ValidateFolders(std::string& sourcePath, std::string& destinationPath, bool mustDiffer,
                     SValidationContext& context) {
  if (!CheckFullPath(sourcePath, "source", context) ||
      !CheckFullPath(destinationPath, "destination", context)) {
    return false;
  }
  int sourceState = DriveState(sourcePath);
  int destinationState = DriveState(destinationPath);
  if (sourceState != kDriveReady || destinationState != kDriveReady) {
    if (context.queueRun || context.driveStatus == nullptr) {
      const char* text = sourceState != kDriveReady && destinationState != kDriveReady
                             ? "Source and destination drives are not ready."
                             : (sourceState != kDriveReady ? "Source drive is not ready."
                                                           : "Destination drive is not ready.");
      context.reporter.Report(text);
      return false;
    }
    context.driveStatus->Show(sourceState, destinationState, sourcePath, destinationPath);
    if (DriveState(sourcePath) != kDriveReady || DriveState(destinationPath) != kDriveReady) {
      return false;
    }
  }
  if (!CheckFolderPath(sourcePath, false, context) ||
      !CheckFolderPath(destinationPath, true, context)) {
    return false;
  }
  if (mustDiffer && platform::EqualsNoCase(sourcePath, destinationPath)) {
    context.reporter.Report("The source and destination folder paths must differ.");
    return false;
  }
  return true;
}
