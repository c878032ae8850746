// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The Program Notes: the program's help, as numbered topics. Each topic's text is its note,
// then "|", then its title. The notes are written in docs/ProgramNotes.txt, which the build
// compiles into the program.

// The notes file as the build compiled it in.
std::string_view BuiltInNotesText();

// The topics of a notes file: "== <title>" begins a topic, the lines of a paragraph are
// joined with blanks, an empty line begins a new paragraph and "- " begins a list item on a
// line of its own. Lines starting with "#" before the first topic are comments.
std::vector<std::string> ParseNotes(std::string_view text);

// Where the windows read the topics from. Replaceable, so that a test can make a topic
// unreadable.
class CProgramNotes {
 public:
  CProgramNotes();  // the built-in notes
  explicit CProgramNotes(std::vector<std::string> topics);
  virtual ~CProgramNotes() = default;

  // The number of topics; nothing when it cannot be read.
  virtual std::optional<int> Count() const;
  // Topic `index` as "note|title"; nothing when it cannot be read.
  virtual std::optional<std::string> Topic(int index) const;

 private:
  std::vector<std::string> m_topics;
};

// The fixed topics that F1 opens on the main window's buttons.
inline constexpr int kNotesTopicClose = 0;
inline constexpr int kNotesTopicPreview = 16;
inline constexpr int kNotesTopicCopy = 18;
inline constexpr int kNotesTopicOptions = 19;
// The topic at which the window opens when none is given: the stored one.
inline constexpr int kNotesStoredTopic = -1;

struct SNoteTopic {
  std::string note;   // without blanks at its end
  std::string title;  // without blanks at its start
  bool hasTitle = false;
};
// Splits a topic's text at its first "|".
SNoteTopic SplitTopic(std::string_view text);
// The title as the topic list shows it: "(no topic)" for a topic without one.
std::string ListTitle(const SNoteTopic& topic);

// The topic at which the window opens: the requested one, or the first when it lies beyond
// the last (a stored index one past the end starts over).
int StartTopic(int requested, int count);

// Topic 0's note with blanks in front, so that its first line stands in the middle of a
// field `fieldWidth` wide; unchanged when the note has no line break or the line does not
// fit. `width` measures a text in the field's font.
std::string CentreFirstLine(const std::string& note, int fieldWidth,
                            const std::function<int(std::string_view)>& width);

// The topics whose whole text (note and title) contains `search`, ignoring letter case, in
// topic order. Nothing when a topic cannot be read.
std::optional<std::vector<int>> FindTopics(const CProgramNotes& notes, std::string_view search);

struct SProgramOptions;
// The notes' options as the window left them: the "show at start-up" box, and the topic
// after the one shown, at which the next opening starts (the first again after the last).
void RememberNotesClosed(SProgramOptions& options, bool showAtStart, int shownTopic);
