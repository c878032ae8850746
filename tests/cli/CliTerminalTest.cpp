// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "core/Version.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/TestSandbox.h"

// What the runner writes on standard error where nobody watches (a scheduled run's journal)
// and where somebody does (a terminal).
namespace {

using cli_test::SCliResult;
using testing::HasSubstr;
using testing::Not;
using testing_support::BuildTree;
using testing_support::CTestSandbox;

// Sets an environment variable for the life of the object.
class CScopedEnv {
 public:
  CScopedEnv(const char* name, const char* value) : m_name(name) {
    if (const char* old = std::getenv(name)) {
      m_old = old;
    }
    setenv(name, value, 1);
  }
  ~CScopedEnv() {
    if (m_old) {
      setenv(m_name.c_str(), m_old->c_str(), 1);
    } else {
      unsetenv(m_name.c_str());
    }
  }

 private:
  std::string m_name;
  std::optional<std::string> m_old;
};

std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find('\n'));
}

bool HasControlCharacters(const std::string& text) {
  return text.find_first_of("\r\033") != std::string::npos;
}

class CliTerminal : public ::testing::Test {
 protected:
  CliTerminal() {
    BuildTree(m_sandbox.CRoot() + "/src", {{"a.txt", "alpha"}, {"b/c.txt", "gamma"}});
  }

  SCliResult CopyOnTerminal() {
    return cli_test::RunCliOnTerminal({"copy", "--source", "C:\\src", "--dest", "D:\\dst"},
                                      m_sandbox.Root() + "/cli.out");
  }
  SCliResult CopyToFile(const std::vector<std::string>& arguments) {
    const std::string out = m_sandbox.Root() + "/cli.out";
    const std::string err = m_sandbox.Root() + "/cli.err";
    return cli_test::FinishCli(cli_test::StartCli(arguments, out, err), out, err);
  }

  CTestSandbox m_sandbox;
};

TEST_F(CliTerminal, WithoutATerminalTheFirstLineSaysWhatStartsAndNoEscapesFollow) {
  const SCliResult copy = CopyToFile({"copy", "--source", "C:\\src", "--dest", "D:\\dst"});
  ASSERT_EQ(copy.status, 0) << copy.err;
  EXPECT_EQ(FirstLine(copy.err), std::string("brevant-cli ") + kVersionText +
                                     ": copying \"C:\\src\" to \"D:\\dst\" with " +
                                     cli_test::DefaultWorkers());
  EXPECT_FALSE(HasControlCharacters(copy.err)) << copy.err;

  const SCliResult preview =
      CopyToFile({"preview", "--profile", "Photos", "--data", "C:\\none.dat"});
  EXPECT_EQ(FirstLine(preview.err), std::string("brevant-cli ") + kVersionText +
                                        ": previewing profile \"Photos\" from \"C:\\none.dat\"");

  // A usage error has nothing to start: it begins with the reason.
  const SCliResult usage = CopyToFile({"copy", "--queue"});
  EXPECT_EQ(usage.status, 2);
  EXPECT_EQ(FirstLine(usage.err), "brevant-cli: --queue needs a value");
}

TEST_F(CliTerminal, ATerminalGetsTheRedrawnProgressLineInstead) {
  const CScopedEnv term("TERM", "xterm");
  const SCliResult result = CopyOnTerminal();
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.err, HasSubstr("\r[##############################] 100%"));
  EXPECT_THAT(result.err, HasSubstr("\033[K"));
  EXPECT_THAT(result.err, Not(HasSubstr("brevant-cli")));
  EXPECT_EQ(testing_support::ReadFile(m_sandbox.Root() + "/d/dst/b/c.txt"), "gamma");
}

TEST_F(CliTerminal, ADumbTerminalIsTreatedLikeALog) {
  const CScopedEnv term("TERM", "dumb");
  const SCliResult result = CopyOnTerminal();
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(FirstLine(result.err), std::string("brevant-cli ") + kVersionText +
                                       ": copying \"C:\\src\" to \"D:\\dst\" with " +
                                       cli_test::DefaultWorkers());
  EXPECT_FALSE(HasControlCharacters(result.err)) << result.err;
}

}  // namespace
