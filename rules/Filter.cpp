// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "rules/Filter.h"

#include <limits>
#include <memory>

#include "core/Message.h"
#include "core/PathText.h"
#include "core/SystemInfo.h"
#include "platform/Drives.h"
#include "platform/FileInfo.h"
#include "platform/TextUtil.h"
#include "profile/ListEntries.h"
#include "profile/PageRules.h"
#include "rules/DestinationIndex.h"
#include "rules/MatchPattern.h"

namespace {

using platform::CDateTime;

bool HasWildcards(std::string_view pattern) {
  return pattern.find_first_of("*?") != std::string_view::npos;
}

// The text after a shown entry's tag (" <tag> text" -> "text").
std::string_view AfterTag(std::string_view shown) {
  const size_t close = shown.find("> ");
  return close == std::string_view::npos ? shown : shown.substr(close + 2);
}

}  // namespace

CFilter::CFilter(const CSettingsState& settings, const SFilterOptions& options,
                 std::string_view sourceRoot, std::string_view destinationRoot,
                 CMessageTarget* target, const CDateTime& now)
    : m_settings(settings),
      m_options(options),
      m_sourceRoot(WithBackslash(std::string(sourceRoot))),
      m_destinationRoot(WithBackslash(std::string(destinationRoot))),
      m_target(target),
      m_times{options.tolerance, options.hourDiff},
      m_subfolderMode(settings.SubfolderMode()),
      m_nameMode(settings.NameMode()),
      m_dateMode(settings.DateMode()),
      m_sizeMode(settings.SizeMode()) {
  CompileSubfolders();
  CompileNames();
  CompilePaths();
  m_lowerBound = DateLowerBound(settings, now).LinearDays();
  m_upperBound = settings.throughDateTime.LinearDays();
  m_leastBytes = SizeBytes(settings.leastSize, settings.leastUnit);
  m_mostBytes = SizeBytes(settings.mostSize, settings.mostUnit);
  m_oldFilesKept =
      settings.disposeMode == kDisposeVersions ||
      (settings.disposeMode == kDisposeRecycle &&
       platform::GetDriveType(DriveRoot(m_destinationRoot)) == platform::EDriveType::kFixed);
}

void CFilter::CompileSubfolders() {
  // The lists name the source folder as the Folders page does, which may lack the trailing
  // backslash that the root has here.
  const std::string& pageSource =
      m_settings.sourcePath.empty() ? m_sourceRoot : m_settings.sourcePath;
  const std::vector<SDisplayEntry> entries =
      LoadSubfolderEntries(m_settings.subfolderEntries, pageSource);
  for (const SDisplayEntry& entry : entries) {
    const bool checked = entry.check == kChecked;
    if (IsSourceFolderEntry(entry)) {
      m_rootState = checked ? kFolderTake : kFolderPassOnly;
    }
    const std::string_view rest = AfterTag(entry.text);
    std::string text = rest == kSourceFolderText ? m_sourceRoot : std::string(rest);
    SFolderEntry compiled{checked, false, WithBackslash(platform::ToLower(text))};
    const std::string_view shown = entry.text;
    if (shown.starts_with(" <exclude>")) {
      m_folderExcludes.push_back(std::move(compiled));
      continue;
    }
    compiled.withSubfolders = shown.starts_with(" <include subs>");
    m_anyCheckedInclude = m_anyCheckedInclude || checked;
    m_folderIncludes.push_back(std::move(compiled));
  }
}

void CFilter::CompileNames() {
  for (const SDisplayEntry& entry : LoadNameEntries(m_settings.nameEntries)) {
    const bool exclude = entry.text.starts_with(" <exclude>");
    const bool match = entry.text.starts_with(" <match>");
    if (!exclude && !match) {
      continue;  // an entry too short to carry a type takes no part
    }
    std::string pattern(AfterTag(entry.text));
    if (pattern == kAllNamesText) {
      pattern = "*.*";
    }
    SNameEntry compiled{entry.check == kChecked, HasWildcards(pattern), std::move(pattern)};
    (exclude ? m_nameExcludes : m_nameMatches).push_back(std::move(compiled));
  }
}

void CFilter::CompilePaths() {
  for (const std::string& stored : m_settings.excludedPaths) {
    if (StoredCheck(stored) != kChecked) {
      continue;
    }
    std::string_view path = StoredRest(stored);
    while (!path.empty() && path.front() == ' ') {
      path.remove_prefix(1);
    }
    m_excludedPaths.insert(platform::ToUpper(path));
  }
}

int CFilter::DecideFolder(std::string_view path, std::string_view name) const {
  if (platform::EqualsNoCase(path, m_destinationRoot)) {
    return kFolderSkip;  // the destination lies inside the source tree
  }
  if (!m_options.gather && path.size() >= m_sourceRoot.size()) {
    const std::string mapped = m_destinationRoot + std::string(path.substr(m_sourceRoot.size()));
    if (platform::EqualsNoCase(mapped, m_sourceRoot)) {
      return kFolderSkip;  // its copy would be the source folder itself
    }
  }
  if (m_subfolderMode == settings_codes::kSubfoldersAll) {
    return kFolderTake;
  }
  if (m_subfolderMode != settings_codes::kSubfoldersList) {
    return kFolderSkip;
  }
  const std::string lower = platform::ToLower(path);
  bool ancestor = false;
  bool inside = !m_anyCheckedInclude;
  for (const SFolderEntry& include : m_folderIncludes) {
    if (!include.checked) {
      continue;
    }
    if (lower == include.text) {
      return kFolderTake;
    }
    if (include.text.starts_with(lower)) {
      ancestor = true;
    }
    if (include.withSubfolders && lower.starts_with(include.text)) {
      inside = true;
    }
  }
  if (!inside) {
    return ancestor ? kFolderPassOnly : kFolderSkip;
  }
  const bool excluded = IsFolderExcluded(lower, name);
  if (!ancestor) {
    return excluded ? kFolderSkip : kFolderTake;
  }
  return excluded ? kFolderPassOnly : kFolderTake;
}

bool CFilter::IsFolderExcluded(std::string_view lowerPath, std::string_view name) const {
  if (name.empty() || name.front() == '$' || name.front() == '.') {
    return true;
  }
  for (const SFolderEntry& exclude : m_folderExcludes) {
    if (!exclude.checked) {
      continue;
    }
    std::string_view bare = exclude.text;
    while (!bare.empty() && bare.back() == '\\') {
      bare.remove_suffix(1);
    }
    // A folder exclude is a full path or a name pattern, never typo-tolerant.
    if (MatchPattern(exclude.text, lowerPath, false) || MatchPattern(bare, name, false)) {
      return true;
    }
  }
  return false;
}

bool CFilter::IsPathExcluded(std::string_view path) const {
  return !m_excludedPaths.empty() && m_excludedPaths.contains(platform::ToUpper(path));
}

bool CFilter::PassesNameRules(std::string_view name) const {
  if (m_nameMode != settings_codes::kNamesMatch) {
    return true;
  }
  const bool typos = m_settings.allowTypos != 0;
  bool matched = false;
  for (const SNameEntry& entry : m_nameMatches) {
    if (entry.checked && MatchPattern(entry.pattern, name, typos)) {
      if (!entry.wildcards) {
        return true;  // a name given in full is taken whatever the excludes say
      }
      matched = true;
    }
  }
  if (!matched) {
    return false;
  }
  for (const SNameEntry& entry : m_nameExcludes) {
    if (entry.checked && MatchPattern(entry.pattern, name, typos)) {
      return false;
    }
  }
  return true;
}

bool CFilter::TestFolderName(std::string_view folderPath) const {
  return PassesNameRules(LastName(folderPath));
}

bool CFilter::PassesDateRule(platform::FileTime lastWrite) const {
  if (m_dateMode != settings_codes::kDateToday && m_dateMode != settings_codes::kDateRecent &&
      m_dateMode != settings_codes::kDateRange) {
    return true;
  }
  // A time beyond the calendar (a damaged stamp far in the future) is later than any bound.
  const CDateTime when = CDateTime::FromFileTime(lastWrite);
  const double time = when.IsValid() ? when.LinearDays() : std::numeric_limits<double>::infinity();
  if (m_dateMode != settings_codes::kDateRange) {
    return time >= m_lowerBound;
  }
  return (m_settings.useFromDate == 0 || time >= m_lowerBound) &&
         (m_settings.useThroughDate == 0 || time <= m_upperBound);
}

bool CFilter::PassesSizeRule(uint64_t size) const {
  if (m_sizeMode != settings_codes::kSizeLimits) {
    return true;
  }
  if (m_settings.useLeastSize != 0 && size < m_leastBytes) {
    return false;
  }
  return m_settings.useMostSize == 0 || size <= m_mostBytes;
}

bool CFilter::PassesAttributeRule(uint32_t attributes) const {
  if (m_settings.archiveOnly != 0 && (attributes & platform::kAttrArchive) == 0) {
    return false;
  }
  if (m_settings.includeReadOnly == 0 && (attributes & platform::kAttrReadOnly) != 0) {
    return false;
  }
  if (m_settings.includeHidden == 0 && (attributes & platform::kAttrHidden) != 0) {
    return false;
  }
  return m_settings.includeSystem != 0 || (attributes & platform::kAttrSystem) == 0;
}

std::string CFilter::DestinationPath(std::string_view sourceFolder, std::string_view name) const {
  std::string path = m_destinationRoot;
  if (!m_options.gather && sourceFolder.size() > m_sourceRoot.size()) {
    path += sourceFolder.substr(m_sourceRoot.size());
  }
  path += name;
  return path;
}

CFilter::SExisting CFilter::DecideExistingDestination(const platform::SFindData& source,
                                                      std::string_view destinationPath,
                                                      bool exactCase,
                                                      const CDestinationIndex* index) const {
  SExisting decision;
  const size_t slash = destinationPath.find_last_of('\\');
  const std::string_view name = destinationPath.substr(slash + 1);
  platform::CFindFile finder;
  CDestinationIndex listed;
  const platform::SFindData* found = nullptr;
  if (index != nullptr) {
    found = index->Find(name, exactCase);
  } else if (!HasWildcards(name) && finder.FindFirst(destinationPath)) {
    found = &finder.Data();
  } else if (!exactCase || HasWildcards(name)) {
    // Names compare without regard to case: another spelling of the name is the same file.
    // A name holding "*" or "?" (ordinary characters here) would be taken for a pattern by
    // the single lookup and find some other file, so it is looked for in the listing too.
    listed.List(destinationPath.substr(0, slash + 1));
    found = listed.Find(name, exactCase);
  }
  if (found != nullptr && exactCase && found->name != name) {
    found = nullptr;
  }
  if (found == nullptr || (found->attributes & platform::kAttrDirectory) != 0) {
    decision.copy = m_settings.includeNewFiles != 0;
    return decision;
  }
  const platform::SFindData& destination = *found;
  const int comparison = m_times.Compare(static_cast<int64_t>(source.lastWriteTime),
                                         static_cast<int64_t>(destination.lastWriteTime));
  if (OverwriteAllowed(m_settings.overwriteMode, comparison)) {
    decision.copy = true;
    decision.freed = m_oldFilesKept ? 0 : destination.size;
    return decision;
  }
  // Sent only by the size or archive test: the estimate counts the old file as staying, so
  // that it errs towards needing more space.
  decision.copy =
      (m_settings.testSize != 0 && source.size != destination.size) ||
      (m_settings.testArchive != 0 && (source.attributes & platform::kAttrArchive) != 0);
  return decision;
}

bool CFilter::GatherCheck(const platform::SFindData& file) const {
  if (m_target == nullptr) {
    return true;
  }
  CMessage message(kMsgGatherCheck);
  message.text = file.name;
  message.Attach(std::make_shared<CDateTime>(CDateTime::FromFileTime(file.lastWriteTime)));
  return m_target->Send(std::move(message)) != 0;
}

std::optional<CFilter::SFileDecision> CFilter::DecideFile(std::string_view sourceFolder,
                                                          const platform::SFindData& file,
                                                          bool exactCase,
                                                          const CDestinationIndex* index) {
  if (HasExcludedPaths() && IsPathExcluded(std::string(sourceFolder) + file.name)) {
    return std::nullopt;
  }
  if (!PassesNameRules(file.name) || !PassesDateRule(file.lastWriteTime) ||
      !PassesSizeRule(file.size) || !PassesAttributeRule(file.attributes)) {
    return std::nullopt;
  }
  SFileDecision decision;
  decision.destinationPath = DestinationPath(sourceFolder, file.name);
  m_lastDestination = decision.destinationPath;
  const SExisting existing =
      DecideExistingDestination(file, decision.destinationPath, exactCase, index);
  if (!existing.copy) {
    return std::nullopt;
  }
  decision.freed = existing.freed;
  if (m_options.gather && !GatherCheck(file)) {
    return std::nullopt;
  }
  return decision;
}

void CFilter::ApplyAttributes(std::string_view sourcePath, std::string_view destinationPath,
                              bool freshDestination) const {
  const uint32_t attributes = platform::GetFileAttributes(sourcePath);
  if (attributes == platform::kInvalidAttributes) {
    return;
  }
  if (ClearsArchive(attributes)) {
    platform::SetFileAttributes(sourcePath, attributes & ~platform::kAttrArchive);
  }
  if (freshDestination) {
    if (const auto given = FreshDestinationAttributes(attributes, LastName(destinationPath))) {
      platform::SetFileAttributes(destinationPath, *given);
    }
    return;
  }
  platform::SetFileAttributes(destinationPath, GivenAttributes(attributes));
}

uint32_t CFilter::GivenAttributes(uint32_t sourceAttributes) const {
  uint32_t given = sourceAttributes;
  if (m_settings.copyReadOnlyAttribute == 0) {
    given &= ~platform::kAttrReadOnly;
  }
  if (m_settings.copyHiddenAttribute == 0) {
    given &= ~platform::kAttrHidden;
  }
  if (m_settings.copySystemAttribute == 0) {
    given &= ~platform::kAttrSystem;
  }
  return given;
}

std::optional<uint32_t> CFilter::FreshDestinationAttributes(
    uint32_t sourceAttributes, std::string_view destinationName) const {
  const uint32_t given = GivenAttributes(sourceAttributes);
  // A new file is archive-marked and writable, and hidden only by a dot-name.
  const uint32_t kept = platform::kAttrReadOnly | platform::kAttrHidden | platform::kAttrSystem |
                        platform::kAttrArchive;
  const uint32_t fresh =
      platform::kAttrArchive | (destinationName.starts_with('.') ? platform::kAttrHidden : 0u);
  if ((given & kept) == fresh) {
    return std::nullopt;
  }
  return given;
}

bool CFilter::ClearsArchive(uint32_t sourceAttributes) const {
  return m_settings.clearArchive != 0 && (sourceAttributes & platform::kAttrArchive) != 0;
}

void CFilter::CopyTimes(std::string_view sourcePath, std::string_view destinationPath) const {
  const auto times = platform::GetFileTimes(sourcePath);
  if (!times) {
    return;
  }
  platform::SetFileTimes(destinationPath, &times->creation, &times->lastAccess, &times->lastWrite);
}

bool CFilter::IsProtectedDestination(std::string_view destinationPath, std::string& reason) const {
  reason.clear();
  if (m_settings.keepReadOnlyDestination == 0 && m_settings.keepHiddenDestination == 0 &&
      m_settings.keepSystemDestination == 0) {
    return false;
  }
  const uint32_t attributes = platform::GetFileAttributes(destinationPath);
  if (attributes == platform::kInvalidAttributes) {
    return false;
  }
  std::vector<std::string> words;
  if (m_settings.keepReadOnlyDestination != 0 && (attributes & platform::kAttrReadOnly) != 0) {
    words.emplace_back("read-only");
  }
  if (m_settings.keepHiddenDestination != 0 && (attributes & platform::kAttrHidden) != 0) {
    words.emplace_back("hidden");
  }
  if (m_settings.keepSystemDestination != 0 && (attributes & platform::kAttrSystem) != 0) {
    words.emplace_back("system");
  }
  if (words.empty()) {
    return false;
  }
  reason = JoinReasons(words);
  return true;
}

bool CFilter::CopySecurity() const {
  return m_settings.copySecurity != 0 && OsHasFileSecurity();
}

std::string JoinReasons(const std::vector<std::string>& words) {
  std::string text;
  for (size_t i = 0; i < words.size(); ++i) {
    if (i > 0) {
      text += (i + 1 == words.size()) ? " & " : ", ";
    }
    text += words[i];
  }
  return text;
}
