// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/SettingsState.h"
#include "queues/VisitList.h"

class CPrompter;
class CQueueList;
class CSettingsPages;
struct SDataFileContents;

inline constexpr const char* kDefaultProfileName = "(default)";

// A profile name as the list keeps it: without blanks at either end, at most 50 bytes (never
// ending inside a character); an empty name is "(default)".
std::string ProfileListName(std::string_view name);

// The profiles, sorted by name with numbers compared by value; names are unique without
// regard to case, at most 50 bytes and without surrounding blanks. One profile is current:
// its live settings are on the settings pages, every other profile's settings are kept here.
class CProfileList {
 public:
  CProfileList(CSettingsPages& pages, CPrompter& prompter);

  // The queues to keep in step when a profile is renamed or deleted.
  void SetQueues(CQueueList* queues) { m_queues = queues; }
  // Called whenever another profile becomes current (the main window's refresh).
  void SetOnCurrentChanged(std::function<void()> callback) {
    m_onCurrentChanged = std::move(callback);
  }

  size_t Count() const { return m_entries.size(); }
  const std::string& Name(size_t index) const { return m_entries[index].name; }
  // The kept settings of a profile (for the current one, as of the last time it was stored).
  const CSettingsState& Settings(size_t index) const { return m_entries[index].settings; }
  int CurrentIndex() const { return m_current; }
  std::string CurrentName() const;
  // The position of a name (exact text, case ignored), or -1.
  int Find(std::string_view name) const;
  bool InUse(std::string_view name) const { return Find(name) >= 0; }

  // Adds a profile in sorted position and makes it current without storing the pages into
  // the previous one. With no name: "(default)"; with no settings: a new profile's. With
  // `load` the pages take its settings, otherwise they keep theirs and only their text fields
  // are emptied. A name in use fails, with a message when `reportDuplicates`.
  bool AddProfile(std::optional<std::string_view> name, std::optional<CSettingsState> settings,
                  bool load, bool reportDuplicates);

  // Stores the pages into the current profile and makes another one current.
  void MakeCurrent(int index);
  // The same for a choice in the list, which also goes into the history.
  void Choose(int index);
  // Makes the profile of that name current (case ignored); false when there is none.
  bool SelectByName(std::string_view name);
  // Brings the current profile's kept settings up to date from the pages.
  void StoreCurrent();
  // Puts the current profile into the history (after a change the history did not make).
  void VisitCurrent();

  // The New command: a profile that starts with the settings on the pages (`retain`) or with
  // a new profile's settings. False after the duplicate message.
  bool NewProfile(std::string_view name, bool retain);
  // The Rename command for the current profile; on failure the old name is kept.
  bool RenameCurrent(std::string_view newName);
  // The Delete command for the current profile.
  void DeleteCurrent();

  // The history buttons; false when they lead nowhere.
  bool HistoryFirst();
  bool HistoryPrevious();
  bool HistoryNext();
  bool HistoryLast();
  const CVisitList& History() const { return m_history; }

  // The search: the first profile whose name contains the text (case ignored), from the
  // first profile, or from the one after the current one and round to it. False when none.
  bool FindFirst(std::string_view text);
  bool FindNext(std::string_view text);

  // The profiles in the data file's form, after storing the pages into the current one.
  void WriteTo(SDataFileContents& contents);
  // Replaces every profile and the history with those of the file.
  void ReadFrom(const SDataFileContents& contents);

 private:
  struct SEntry {
    std::string name;
    CSettingsState settings;
  };

  bool FollowHistory(std::optional<std::string> name, int previousPosition);
  bool FindFrom(std::string_view text, size_t start, size_t end);
  void Load(int index);

  CSettingsPages& m_pages;
  CPrompter& m_prompter;
  CQueueList* m_queues = nullptr;
  std::function<void()> m_onCurrentChanged;
  std::vector<SEntry> m_entries;
  int m_current = -1;
  CVisitList m_history;
};
