// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ProgramNotes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/Options.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

TEST(ProgramNotes, TheBuiltInNotesKeepTheTopicsThatF1Opens) {
  const CProgramNotes notes;
  ASSERT_EQ(notes.Count(), 30);
  const auto title = [&notes](int topic) { return SplitTopic(*notes.Topic(topic)).title; };
  EXPECT_EQ(title(kNotesTopicClose), "Welcome to Brevant");
  EXPECT_EQ(title(kNotesTopicPreview), "The Preview button");
  EXPECT_EQ(title(kNotesTopicCopy), "The Copy button");
  EXPECT_EQ(title(kNotesTopicOptions), "The Options window");
  for (int topic = 0; topic < 30; ++topic) {
    const std::string text = *notes.Topic(topic);
    // A "|" inside a note would cut it short and make the rest its title.
    EXPECT_EQ(std::count(text.begin(), text.end(), '|'), 1) << "topic " << topic;
    const SNoteTopic split = SplitTopic(text);
    EXPECT_FALSE(split.title.empty()) << "topic " << topic;
    EXPECT_GT(split.note.size(), 100u) << "topic " << topic;
  }
  // Topic 0 begins with a line of its own, which the window centres.
  EXPECT_EQ(SplitTopic(*notes.Topic(0)).note.find("Welcome to Brevant\n\n"), 0u);
}

TEST(ProgramNotes, ParsingJoinsParagraphsAndKeepsListItemsOnTheirOwnLines) {
  const std::string file =
      "# a comment\r\n"
      "== First\r\n"
      "One line\r\n"
      "and its continuation.\r\n"
      "\r\n"
      "A list:\r\n"
      "- one\r\n"
      "- two\r\n"
      "\r\n"
      "\r\n"
      "==   Second  \n"
      "Last.\n";
  EXPECT_THAT(
      ParseNotes(file),
      ElementsAre("One line and its continuation.\n\nA list:\n- one\n- two|First", "Last.|Second"));
  EXPECT_THAT(ParseNotes("no topic here\n"), IsEmpty());
}

TEST(ProgramNotes, ATopicSplitsAtItsFirstBar) {
  SNoteTopic topic = SplitTopic("The note.  |  Its title | more");
  EXPECT_EQ(topic.note, "The note.");
  EXPECT_EQ(topic.title, "Its title | more");
  EXPECT_EQ(ListTitle(topic), "Its title | more");
  topic = SplitTopic("A note without a title");
  EXPECT_FALSE(topic.hasTitle);
  EXPECT_EQ(topic.note, "A note without a title");
  EXPECT_EQ(ListTitle(topic), "(no topic)");
}

TEST(ProgramNotes, ClosingAtTheLastTopicStartsOverAtTheFirst) {
  SProgramOptions options;
  RememberNotesClosed(options, false, 29);
  EXPECT_EQ(options.m_showDayTip, 0);
  EXPECT_EQ(options.m_dayTipIndex, 30);
  EXPECT_EQ(StartTopic(options.m_dayTipIndex, 30), 0);
  RememberNotesClosed(options, true, 4);
  EXPECT_EQ(options.m_showDayTip, 1);
  EXPECT_EQ(StartTopic(options.m_dayTipIndex, 30), 5);
  EXPECT_EQ(StartTopic(-1, 30), 0);
}

TEST(ProgramNotes, TheFirstLineIsCentredByBlanks) {
  // One unit per character: a 2-character line in a field of 10 needs 4 blanks.
  const auto width = [](std::string_view text) { return static_cast<int>(text.size()); };
  EXPECT_EQ(CentreFirstLine("Hi\nthere", 10, width), "    Hi\nthere");
  EXPECT_EQ(CentreFirstLine("Hi there", 10, width), "Hi there");  // no line break
  EXPECT_EQ(CentreFirstLine("A long first line\nx", 10, width), "A long first line\nx");
}

// Notes whose topic 2 cannot be read.
class CDamagedNotes : public CProgramNotes {
 public:
  CDamagedNotes() : CProgramNotes({"Copying files|Copy", "Preview FIRST|Preview", "x|Broken"}) {}
  std::optional<std::string> Topic(int index) const override {
    return index == 2 ? std::nullopt : CProgramNotes::Topic(index);
  }
};

TEST(ProgramNotes, FindIgnoresLetterCaseAndSearchesTitlesToo) {
  const CProgramNotes notes({"Copying files|Copy", "Preview FIRST|Preview", "Nothing here|Other"});
  EXPECT_THAT(*FindTopics(notes, "first"), ElementsAre(1));
  EXPECT_EQ(*FindTopics(notes, "FIRST"), *FindTopics(notes, "first"));
  EXPECT_THAT(*FindTopics(notes, "cop"), ElementsAre(0));
  EXPECT_THAT(*FindTopics(notes, "preview"), ElementsAre(1));
  EXPECT_THAT(*FindTopics(notes, "missing"), IsEmpty());
  EXPECT_EQ(FindTopics(CDamagedNotes(), "first"), std::nullopt);
  EXPECT_EQ(CProgramNotes(std::vector<std::string>{}).Count(), std::nullopt);
}

}  // namespace
