// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/Comparison.h"

#include <algorithm>

#include "core/CompareFiles.h"
#include "core/FolderPaths.h"
#include "core/FormatItem.h"
#include "core/PathText.h"
#include "core/Prompter.h"
#include "listops/CommandFeedback.h"
#include "listops/LaunchJob.h"
#include "platform/FileInfo.h"
#include "platform/Shell.h"
#include "platform/TextUtil.h"
#include "preview/ListData.h"
#include "preview/PreviewList.h"
#include "profile/SettingsState.h"

namespace {

std::string Cut(std::string_view text) {
  return std::string(platform::CutUtf8(text, 259));
}

const char* Plural(int64_t count) {
  return count == 1 ? "" : "s";
}

// Whether both files can be read and carry the same last-write time.
bool SameWriteTime(const std::string& a, const std::string& b) {
  const auto first = platform::GetFileTimes(a);
  const auto second = platform::GetFileTimes(b);
  return first && second && first->lastWrite == second->lastWrite;
}

}  // namespace

CVectorCompStrs MakeCompareRecords(const CPreviewList& list, const std::vector<size_t>& rows,
                                   const std::string& sourceRoot,
                                   const std::string& destinationRoot, int32_t copyMode) {
  CVectorCompStrs records;
  records.reserve(rows.size());
  const std::string source = WithBackslash(sourceRoot);
  const std::string destination = WithBackslash(destinationRoot);
  for (const size_t row : rows) {
    if (row >= list.Count()) {
      continue;
    }
    const CFilesListCtrlData& item = list.Row(row);
    const std::string folder = WithBackslash(item.Folder());
    std::string destinationFolder = destination;
    if (copyMode != kCopyGather && folder.size() > source.size()) {
      destinationFolder += folder.substr(source.size());
    }
    records.push_back({item.name, folder + item.name, destinationFolder + item.name, row, &item});
  }
  return records;
}

SMatchCounts CompareRecords(CPreviewList& list, const CVectorCompStrs& records,
                            CCommandFeedback& feedback) {
  SMatchCounts counts;
  for (const SCompareRecord& record : records) {
    const std::string result = CompareFileContents(record.sourcePath, record.destinationPath);
    int32_t status = -1;
    if (result.empty()) {
      const bool same = SameWriteTime(record.sourcePath, record.destinationPath);
      status = same ? kMatchesSameTime : kMatchesOtherTime;
      ++(same ? counts.sameTime : counts.otherTime);
    } else if (result.find("differ") != std::string::npos) {
      status = kDiffers;
      ++counts.differs;
    } else {
      ++counts.failed;
    }
    if (status >= 0 && record.row < list.Count() && &list.Row(record.row) == record.data) {
      list.Row(record.row).listFlags = status;
    }
    feedback.BetweenItems();
  }
  return counts;
}

std::string MatchReport(const SMatchCounts& counts, const CFormatItem& format) {
  std::string report = "Comparison Results\n\n";
  if (counts.differs == 1) {
    report += "1 file differs.\n";
  } else if (counts.differs > 1) {
    report += format.FormatCount(counts.differs) + " files differ.\n";
  }
  if (counts.otherTime == 1) {
    report += "1 file matches with a different date and/or time.\n";
  } else if (counts.otherTime > 1) {
    report +=
        format.FormatCount(counts.otherTime) + " files match with different dates and/or times.\n";
  }
  if (counts.sameTime == 1) {
    report += "1 file matches with the same date and time.\n";
  } else if (counts.sameTime > 1) {
    report += format.FormatCount(counts.sameTime) + " files match with the same dates and times.\n";
  }
  if (counts.failed > 0) {
    report += format.FormatCount(counts.failed) + " file" + Plural(counts.failed) +
              " could not be compared.\n";
  }
  return report;
}

bool CompareMatchesCommand(CPreviewList& list, const CVectorCompStrs& records, CPrompter& prompter,
                           const CFormatItem& format, CCommandFeedback& feedback) {
  if (records.empty()) {
    return false;
  }
  SMatchCounts counts;
  {
    CBusyScope busy(feedback);
    counts = CompareRecords(list, records, feedback);
  }
  std::string report = MatchReport(counts, format);
  if (counts.otherTime == 0) {
    while (!report.empty() && report.back() == '\n') {
      report.pop_back();
    }
    prompter.Show(report, EIcon::kInformation);
    return false;
  }
  report += counts.otherTime == 1
                ? "\nDo you want to restore the date and/or time of the matching file\nand "
                  "exclude it from the preview list?"
                : "\nDo you want to restore the dates and/or times of the matching files\nand "
                  "exclude them from the preview list?";
  if (!prompter.AskYesNo(report, EAnswer::kNo)) {
    return false;
  }
  std::vector<size_t> updated;
  int32_t notUpdated = 0;
  for (const SCompareRecord& record : records) {
    if (record.row >= list.Count() || &list.Row(record.row) != record.data ||
        record.data->listFlags != kMatchesOtherTime) {
      continue;
    }
    if (RestoreDateAndTime(record.destinationPath, record.sourcePath).empty()) {
      updated.push_back(record.row);
    } else {
      ++notUpdated;
    }
  }
  list.RemoveRows(updated);
  std::string results = "Date and Time Update Results\n";
  const auto done = static_cast<int32_t>(updated.size());
  if (done > 0) {
    results += "\n" + format.FormatCount(done) + " file" + Plural(done) + " updated.";
  }
  if (notUpdated > 0) {
    results +=
        "\n" + format.FormatCount(notUpdated) + " file" + Plural(notUpdated) + " not updated.";
  }
  prompter.Show(results, EIcon::kInformation);
  return done > 0;
}

std::string RestoreDateAndTime(const std::string& destinationPath, const std::string& sourcePath) {
  const auto times = platform::GetFileTimes(destinationPath);
  if (!times) {
    return "Could not read the date and time from the destination file.";
  }
  if (platform::SetFileTimes(sourcePath, &times->creation, &times->lastAccess, &times->lastWrite) !=
      platform::EError::kNone) {
    return "Could not set the date and time in the source file.";
  }
  return {};
}

std::string CompareInfoText(std::string_view path, const platform::CDateTime& today,
                            const CFormatItem& format) {
  const auto info = platform::GetFileInfo(path);
  if (!info || (info->attributes & platform::kAttrDirectory) != 0) {
    return "This file does not exist.";
  }
  return format.FormatCount64(info->size) + " byte" + (info->size == 1 ? "" : "s") + ", " +
         FormatListDate(platform::CDateTime::FromFileTime(info->times.lastWrite), today);
}

std::string ComparisonParameters(const std::string& destinationPath,
                                 const std::string& sourcePath) {
  const auto quoted = [](const std::string& path) {
    return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
  };
  return quoted(destinationPath) + " " + quoted(sourcePath);
}

EPathCheck CheckProgramPath(const std::string& path, bool several, CPrompter& prompter) {
  const uint32_t attributes =
      path.size() < 260 ? platform::GetFileAttributes(path) : platform::kInvalidAttributes;
  if (attributes == platform::kInvalidAttributes || (attributes & platform::kAttrDirectory) != 0) {
    SPrompt prompt;
    prompt.text = platform::Format("\"%s\" is not a program path.", Cut(path).c_str());
    prompt.icon = EIcon::kExclamation;
    prompt.buttons = several ? EButtons::kOkCancel : EButtons::kOk;
    return prompter.Ask(prompt) == EAnswer::kCancel ? EPathCheck::kStop : EPathCheck::kRefused;
  }
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of('\\');
  const std::string extension =
      dot != std::string::npos && (slash == std::string::npos || dot > slash) ? path.substr(dot)
                                                                              : std::string();
  for (const char* common : {".EXE", ".COM", ".CMD", ".BAT"}) {
    if (platform::EqualsNoCase(extension, common)) {
      return EPathCheck::kAccepted;
    }
  }
  // Programs here rarely have an extension at all; one the system would start passes.
  if (platform::IsProgramFile(path)) {
    return EPathCheck::kAccepted;
  }
  SPrompt prompt;
  prompt.text = platform::Format("\"%s\" does not have a common program extension.  Is this OK?",
                                 Cut(path).c_str());
  prompt.icon = EIcon::kQuestion;
  prompt.buttons = several ? EButtons::kYesNoCancel : EButtons::kYesNo;
  prompt.defaultAnswer = EAnswer::kNo;
  switch (prompter.Ask(prompt)) {
    case EAnswer::kYes:
      return EPathCheck::kAccepted;
    case EAnswer::kCancel:
      return several ? EPathCheck::kStop : EPathCheck::kRefused;
    default:
      return EPathCheck::kRefused;
  }
}

std::vector<std::string> SuggestedComparePrograms() {
  return {"C:\\Program Files\\ExamDiff\\ExamDiff.exe",
          "C:\\Program Files (x86)\\ExamDiff\\ExamDiff.exe",
          "C:\\usr\\bin\\meld",
          "C:\\usr\\bin\\kompare",
          "C:\\usr\\bin\\kdiff3",
          "C:\\usr\\bin\\diffuse"};
}

std::string FindSuggestedCompareProgram() {
  for (const std::string& candidate : SuggestedComparePrograms()) {
    const uint32_t attributes = platform::GetFileAttributes(candidate);
    if (attributes != platform::kInvalidAttributes &&
        (attributes & platform::kAttrDirectory) == 0) {
      return candidate;
    }
  }
  return {};
}

std::string DroppedProgramPath(const std::string& path) {
  if (const auto target = platform::ResolveShortcut(path)) {
    return *target;
  }
  const std::string_view name = LastName(path);
  const size_t dot = name.find_last_of('.');
  const std::string_view extension = dot == std::string_view::npos ? "" : name.substr(dot);
  if (platform::EqualsNoCase(extension, ".lnk") || platform::EqualsNoCase(extension, ".desktop")) {
    return {};  // a shortcut that leads nowhere
  }
  return path;
}

bool LaunchComparison(CLaunchPool& launches, const std::string& program,
                      const SCompareRecord& record) {
  return launches.Launch(program, false,
                         ComparisonParameters(record.destinationPath, record.sourcePath));
}
