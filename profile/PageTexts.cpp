// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/PageTexts.h"

#include <array>

#include "profile/SettingsState.h"

namespace {

constexpr std::array<std::string_view, 3> kCopyModes = {
    "Copy files into folders (default action).",
    "Gather files to this folder (without subfolders).",
    "Copy the folder tree without copying files.",
};

constexpr std::array<std::string_view, 5> kOverwrite = {
    "always",
    "if the source file is newer",
    "if the source file is older",
    "if the source file is newer or older",
    "never (skip the file)",
};

constexpr std::array<std::string_view, 3> kDispose = {
    "Delete overwritten destination files.",
    "Recycle overwritten fixed-disk destination files (delete otherwise).",
    "Move overwritten destination files into ~Versions subfolders.",
};

constexpr std::array<std::string_view, 4> kDateUnits = {"day(s)", "week(s)", "month(s)", "year(s)"};
constexpr std::array<std::string_view, 4> kSizeUnits = {"byte(s)", "kilobyte(s)", "megabyte(s)",
                                                        "gigabyte(s)"};

constexpr int kVersionLimits = 99;
constexpr int kLargestSizeLimitMb = 50;

}  // namespace

std::span<const std::string_view> CopyModeTexts() {
  return kCopyModes;
}

std::span<const std::string_view> OverwriteTexts() {
  return kOverwrite;
}

std::span<const std::string_view> DisposeTexts() {
  return kDispose;
}

std::span<const std::string_view> DateUnitTexts() {
  return kDateUnits;
}

std::span<const std::string_view> SizeUnitTexts() {
  return kSizeUnits;
}

std::vector<std::string> VersionLimitTexts() {
  std::vector<std::string> texts;
  texts.reserve(kVersionLimits);
  for (int limit = 1; limit <= kVersionLimits; ++limit) {
    texts.push_back(std::to_string(limit));
  }
  return texts;
}

std::vector<std::string> VersionSizeLimitTexts() {
  std::vector<std::string> texts = {"None", "1 MB"};
  for (int megabytes = 5; megabytes <= kLargestSizeLimitMb; megabytes += 5) {
    texts.push_back(std::to_string(megabytes) + " MB");
  }
  return texts;
}

SNamesPageTexts NamesPageTexts(int32_t copyMode) {
  if (copyMode == kCopyTreeOnly) {
    return {"&No folder name filtering", "Enter a folder name pattern (such as save*):"};
  }
  return {"&No filename filtering",
          "Enter a filename pattern (such as file.txt, *.jpg or a*b?.doc*):"};
}

std::string_view PathsPrompt(int32_t copyMode) {
  return copyMode == kCopyTreeOnly ? "E&nter the path of a folder to exclude:"
                                   : "E&nter the path of a file to exclude:";
}

std::string_view SubfoldersPrompt(bool include) {
  return include ? "For including subfolders, enter a folder path."
                 : "For excluding subfolders, enter a folder path, name or pattern (such as "
                   "save*).";
}

std::string CaptionText(std::string_view caption) {
  std::string text;
  text.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        text += '&';
        ++i;
      }
      continue;
    }
    text += caption[i];
  }
  return text;
}
