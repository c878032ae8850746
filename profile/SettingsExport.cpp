// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/SettingsExport.h"

#include <span>
#include <string_view>

#include "core/TextFile.h"
#include "platform/TextUtil.h"
#include "profile/PageTexts.h"

namespace {

using namespace settings_codes;

constexpr std::string_view kEnd = "\r\n";

char Mark(bool checked) {
  return checked ? 'x' : ' ';
}

// The choice at a stored position; a position no control can show reads as the first.
template <typename T>
std::string Choice(std::span<const T> texts, int32_t position) {
  if (texts.empty()) {
    return {};
  }
  const bool inRange = position >= 0 && static_cast<size_t>(position) < texts.size();
  return std::string(texts[inRange ? static_cast<size_t>(position) : 0]);
}

class CExportLines {
 public:
  void Line(std::string_view text) {
    m_text += text;
    m_text += kEnd;
  }
  void Blank() { m_text += kEnd; }
  void Value(std::string_view label, std::string_view value) {
    Line(std::string(label) + ": " + std::string(value));
  }
  void Option(std::string_view caption) { Line("(.) " + CaptionText(caption)); }
  void Check(bool checked, std::string_view caption, bool indented = false) {
    Line(platform::Format("%s[%c] %s", indented ? "    " : "", Mark(checked),
                          CaptionText(caption).c_str()));
  }
  void List(const std::vector<SDisplayEntry>& entries) {
    for (const SDisplayEntry& entry : entries) {
      Line(platform::Format("[%c]%s", Mark(entry.check == kChecked), entry.text.c_str()));
    }
  }
  const std::string& Text() const { return m_text; }

 private:
  std::string m_text;
};

void Folders(CExportLines& out, const SShownSettings& shown) {
  const CSettingsState& s = shown.settings;
  out.Line("Folders Page");
  out.Value("Source path", s.sourcePath);
  out.Value("Destination path", s.destinationPath);
  out.Value("Copy mode", Choice(CopyModeTexts(), s.copyMode));
  out.Blank();
}

void Subfolders(CExportLines& out, const SShownSettings& shown) {
  out.Line("Subfolders Page");
  switch (shown.settings.SubfolderMode()) {
    case kSubfoldersNone:
      out.Option(captions::kSubfoldersNone);
      break;
    case kSubfoldersList:
      out.Option(captions::kSubfoldersList);
      break;
    default:
      out.Option(captions::kSubfoldersAll);
      break;
  }
  out.List(shown.subfolders);
  out.Blank();
}

void Names(CExportLines& out, const SShownSettings& shown) {
  out.Line("File/Folder Names Page");
  out.Option(shown.settings.NameMode() == kNamesMatch
                 ? captions::kNamesList
                 : NamesPageTexts(shown.settings.copyMode).noFiltering);
  out.List(shown.names);
  out.Blank();
}

void Paths(CExportLines& out, const SShownSettings& shown) {
  out.Line("Paths Page");
  out.List(shown.paths);
  out.Blank();
}

void Dates(CExportLines& out, const SShownSettings& shown) {
  const CSettingsState& s = shown.settings;
  out.Line("Dates Page");
  switch (s.DateMode()) {
    case kDateToday:
      out.Option(captions::kDatesToday);
      break;
    case kDateRecent:
      out.Line(platform::Format("(.) %s %s %s", CaptionText(captions::kDatesRecent).c_str(),
                                shown.recentCount.c_str(),
                                Choice(DateUnitTexts(), s.recentUnit).c_str()));
      break;
    case kDateRange:
      out.Line(platform::Format(
          "(.) %s [%c] from %s %s [%c] through %s %s", CaptionText(captions::kDatesRange).c_str(),
          Mark(s.useFromDate != 0), shown.fromDate.c_str(), shown.fromTime.c_str(),
          Mark(s.useThroughDate != 0), shown.throughDate.c_str(), shown.throughTime.c_str()));
      break;
    default:
      out.Option(captions::kDatesAll);
      break;
  }
  out.Blank();
}

void Sizes(CExportLines& out, const SShownSettings& shown) {
  const CSettingsState& s = shown.settings;
  out.Line("Sizes Page");
  if (s.SizeMode() != kSizeLimits) {
    out.Option(captions::kSizesAll);
  } else {
    out.Option(captions::kSizesLimits);
    out.Line(platform::Format("[%c] %s %s %s", Mark(s.useLeastSize != 0),
                              CaptionText(captions::kAtLeast).c_str(), shown.leastSize.c_str(),
                              Choice(SizeUnitTexts(), s.leastUnit).c_str()));
    out.Line(platform::Format("[%c] %s %s %s", Mark(s.useMostSize != 0),
                              CaptionText(captions::kAtMost).c_str(), shown.mostSize.c_str(),
                              Choice(SizeUnitTexts(), s.mostUnit).c_str()));
  }
  out.Blank();
}

void Attributes(CExportLines& out, const SShownSettings& shown) {
  const CSettingsState& s = shown.settings;
  out.Line("Attributes Page");
  out.Check(s.archiveOnly != 0, captions::kArchiveOnly);
  out.Check(s.clearArchive != 0, captions::kClearArchive);
  out.Check(s.includeReadOnly != 0, captions::kIncludeReadOnly);
  out.Check(s.copyReadOnlyAttribute != 0, captions::kCopyReadOnly);
  out.Check(s.includeHidden != 0, captions::kIncludeHidden);
  out.Check(s.copyHiddenAttribute != 0, captions::kCopyHidden);
  out.Check(s.includeSystem != 0, captions::kIncludeSystem);
  out.Check(s.copySystemAttribute != 0, captions::kCopySystem);
  out.Blank();
}

void Verify(CExportLines& out, const SShownSettings& shown) {
  const CSettingsState& s = shown.settings;
  out.Line("Verify Page");
  out.Check(s.keepReadOnlyDestination != 0, captions::kKeepReadOnly);
  out.Check(s.keepHiddenDestination != 0, captions::kKeepHidden);
  out.Check(s.keepSystemDestination != 0, captions::kKeepSystem);
  out.Check(s.verifyCopies != 0, captions::kVerifyCopies);
  out.Check(s.avoidStopping != 0, captions::kAvoidStopping);
  out.Blank();
}

void ExistingFiles(CExportLines& out, const SShownSettings& shown) {
  const CSettingsState& s = shown.settings;
  const std::vector<std::string> limits = VersionLimitTexts();
  const std::vector<std::string> sizeLimits = VersionSizeLimitTexts();
  out.Line("Existing Files Page");
  out.Value("Overwrite", Choice(OverwriteTexts(), s.overwriteMode));
  out.Value("Dispose", Choice(DisposeTexts(), s.disposeMode));
  out.Value("Limit on number of versions",
            Choice(std::span<const std::string>(limits), s.versionLimit - 1));
  out.Value("File-size limit",
            Choice(std::span<const std::string>(sizeLimits), s.versionSizeLimit));
  out.Line("Include additional comparison tests:");
  out.Check(s.testSize != 0, captions::kTestSize, true);
  out.Check(s.testArchive != 0, captions::kTestArchive, true);
  out.Check(s.includeNewFiles != 0, captions::kIncludeNewFiles);
  out.Check(s.deleteStrayFiles != 0, captions::kDeleteStrayFiles);
  out.Blank();
}

}  // namespace

std::string SettingsExportText(const SShownSettings& shown) {
  CExportLines out;
  out.Value("Current Profile", shown.profileName);
  out.Blank();
  Folders(out, shown);
  Subfolders(out, shown);
  Names(out, shown);
  Paths(out, shown);
  Dates(out, shown);
  Sizes(out, shown);
  Attributes(out, shown);
  Verify(out, shown);
  ExistingFiles(out, shown);
  if (shown.securityPage) {
    out.Line("File Security Page");
    out.Check(shown.settings.copySecurity != 0, captions::kCopySecurity);
  }
  return out.Text();
}

bool WriteSettingsExport(const std::string& path, const std::string& text, CPrompter& prompter) {
  return WriteTextFile(
      path, text, prompter,
      {"Could not open the current-settings file.", "Could not write the current-settings file.",
       "Finished writing the current-settings file."});
}
