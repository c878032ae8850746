// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include "core/Reporter.h"

namespace {

SPrompt YesNo(const std::string& text, EAnswer defaultAnswer) {
  return SPrompt{text, {}, EButtons::kYesNo, EIcon::kQuestion, defaultAnswer};
}

TEST(ScriptedPrompter, AnswersFromTheScriptThenWithTheDefault) {
  CScriptedPrompter prompter({EAnswer::kNo, EAnswer::kCancel});
  prompter.AddAnswer(EAnswer::kYes);
  EXPECT_EQ(prompter.Ask(YesNo("one", EAnswer::kYes)), EAnswer::kNo);
  EXPECT_EQ(prompter.Ask(YesNo("two", EAnswer::kYes)), EAnswer::kCancel);
  EXPECT_EQ(prompter.Ask(YesNo("three", EAnswer::kNo)), EAnswer::kYes);
  EXPECT_EQ(prompter.Ask(YesNo("four", EAnswer::kNo)), EAnswer::kNo);
  EXPECT_EQ(prompter.Ask(YesNo("five", EAnswer::kYes)), EAnswer::kYes);
  EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{"one", "two", "three", "four", "five"}));
}

TEST(ScriptedPrompter, AnswerYesAppliesToQuestionsOnceTheScriptIsUsedUp) {
  CScriptedPrompter prompter({EAnswer::kNo});
  prompter.SetAnswerYes(true);
  EXPECT_EQ(prompter.Ask(YesNo("scripted", EAnswer::kNo)), EAnswer::kNo);
  EXPECT_EQ(prompter.Ask(YesNo("question", EAnswer::kNo)), EAnswer::kYes);
  EXPECT_EQ(prompter.Ask(SPrompt{
                "three ways", {}, EButtons::kYesNoCancel, EIcon::kQuestion, EAnswer::kCancel}),
            EAnswer::kYes);
  // A message with OK and Cancel is no question; it keeps its default.
  EXPECT_EQ(prompter.Ask(
                SPrompt{"go on?", {}, EButtons::kOkCancel, EIcon::kExclamation, EAnswer::kCancel}),
            EAnswer::kCancel);
  prompter.SetAnswerYes(false);
  EXPECT_EQ(prompter.Ask(YesNo("again", EAnswer::kNo)), EAnswer::kNo);
}

TEST(ScriptedPrompter, RecordsEveryPromptAsAsked) {
  CScriptedPrompter prompter;
  prompter.Show("Done.", EIcon::kInformation, "Brevant");
  EXPECT_FALSE(prompter.AskYesNo("Stop now?", EAnswer::kNo));
  prompter.AddAnswer(EAnswer::kYes);
  EXPECT_TRUE(prompter.AskYesNo("Really?", EAnswer::kNo));

  const auto prompts = prompter.Prompts();
  ASSERT_EQ(prompts.size(), 3u);
  EXPECT_EQ(prompts[0].text, "Done.");
  EXPECT_EQ(prompts[0].title, "Brevant");
  EXPECT_EQ(prompts[0].icon, EIcon::kInformation);
  EXPECT_EQ(prompts[0].buttons, EButtons::kOk);
  EXPECT_EQ(prompts[1].icon, EIcon::kQuestion);
  EXPECT_EQ(prompts[1].buttons, EButtons::kYesNo);
  EXPECT_EQ(prompts[1].defaultAnswer, EAnswer::kNo);

  prompter.Clear();
  EXPECT_TRUE(prompter.Prompts().empty());
}

TEST(PrompterReporter, ShowsEachFailureWithAStopIcon) {
  CScriptedPrompter prompter;
  CPrompterReporter reporter(prompter);
  reporter.Report("Please insert a disk into E: and try again.");
  const auto prompts = prompter.Prompts();
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0].text, "Please insert a disk into E: and try again.");
  EXPECT_EQ(prompts[0].icon, EIcon::kStop);
  EXPECT_EQ(prompts[0].buttons, EButtons::kOk);
}

}  // namespace
