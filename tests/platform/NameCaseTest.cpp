// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/NameCase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/TestSandbox.h"

namespace {

using platform::EError;
using testing_support::BuildTree;
using testing_support::ReadFile;

// On the sandbox's disk, which tells spellings apart; a disk that folds case is tried by the
// copy tests on a mounted image.
class NameCase : public ::testing::Test {
 protected:
  std::string C(const std::string& relative) const { return m_sandbox.CRoot() + "/" + relative; }
  testing_support::CTestSandbox m_sandbox;
};

TEST_F(NameCase, ANameTakesAnotherSpellingUnlessAnotherFileHoldsIt) {
  BuildTree(m_sandbox.CRoot(), {{"Report.TXT", "r"}, {"a.txt", "a"}, {"A.txt", "other"}});
  EXPECT_EQ(platform::ChangeNameCase("C:\\Report.TXT", "C:\\report.txt"), EError::kNone);
  EXPECT_EQ(ReadFile(C("report.txt")), "r");
  EXPECT_FALSE(std::filesystem::exists(C("Report.TXT")));

  EXPECT_EQ(platform::ChangeNameCase("C:\\a.txt", "C:\\A.txt"), EError::kAlreadyExists);
  EXPECT_EQ(ReadFile(C("a.txt")), "a");
  EXPECT_EQ(ReadFile(C("A.txt")), "other");
}

TEST_F(NameCase, AnotherSpellingIsFoundOnlyWhereOneAnswers) {
  BuildTree(m_sandbox.CRoot(),
            {{"Report.TXT", "r"}, {"a.txt", "a"}, {"A.TXT", "other"}, {"123", "digits"}});
  EXPECT_FALSE(platform::OtherSpellingFound("C:\\Report.TXT"));
  EXPECT_TRUE(platform::OtherSpellingFound("C:\\a.txt"));
  EXPECT_FALSE(platform::OtherSpellingFound("C:\\123"));
}

}  // namespace
