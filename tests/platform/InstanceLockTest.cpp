// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "tests/platform/PlatformTestUtil.h"
#include "tests/support/TestSandbox.h"

extern char** environ;

namespace {

using namespace platform;
using platform_test::CEnvGuard;
using testing_support::CTestSandbox;

constexpr auto kPatience = std::chrono::seconds(20);

// The probe program in a process of its own: it takes the lock, reports on one line, and
// holds the lock until its input is closed.
class CProbe {
 public:
  CProbe() = default;
  CProbe(const CProbe&) = delete;
  CProbe& operator=(const CProbe&) = delete;
  ~CProbe() { Kill(); }

  bool Start(const std::string& lockName) {
    int input[2];
    int output[2];
    if (pipe2(input, O_CLOEXEC) != 0) {
      return false;
    }
    if (pipe2(output, O_CLOEXEC) != 0) {
      close(input[0]);
      close(input[1]);
      return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    std::string program = BREVANT_INSTANCE_PROBE;
    std::string name = lockName;
    char* arguments[] = {program.data(), name.data(), nullptr};
    const int spawned = posix_spawn(&m_pid, program.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(output[1]);
    m_input = input[1];
    m_output = output[0];
    if (spawned != 0) {
      m_pid = -1;
      return false;
    }
    return true;
  }

  // The probe's report, or "" when none came in time.
  std::string ReadLine() {
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
      pollfd ready{m_output, POLLIN, 0};
      if (poll(&ready, 1, 100) <= 0) {
        continue;
      }
      char c = 0;
      if (read(m_output, &c, 1) != 1) {
        break;  // it ended without a whole line
      }
      if (c == '\n') {
        return line;
      }
      line.push_back(c);
    }
    return line.empty() ? "" : line + " (cut)";
  }

  // Closes the probe's input, so that it lets its lock go, and waits for it to end well.
  bool Finish() {
    CloseInput();
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    bool ended = false;
    while (!ended && std::chrono::steady_clock::now() < deadline) {
      pollfd ready{m_output, POLLIN, 0};
      if (poll(&ready, 1, 100) > 0) {
        char drain[64];
        ended = read(m_output, drain, sizeof drain) <= 0;  // its output closes as it ends
      }
    }
    if (!ended) {
      return false;
    }
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
    CloseOutput();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }

  // Ends the probe at once, with no chance to let its lock go.
  void Kill() {
    if (m_pid > 0) {
      kill(m_pid, SIGKILL);
      int status = 0;
      waitpid(m_pid, &status, 0);
      m_pid = -1;
    }
    CloseInput();
    CloseOutput();
  }

 private:
  void CloseInput() {
    if (m_input >= 0) {
      close(m_input);
      m_input = -1;
    }
  }
  void CloseOutput() {
    if (m_output >= 0) {
      close(m_output);
      m_output = -1;
    }
  }

  pid_t m_pid = -1;
  int m_input = -1;
  int m_output = -1;
};

constexpr const char* kName = "Brevant-{test guard}";

TEST(InstanceLock, ASecondProcessIsRefused) {
  CTestSandbox sandbox;
  EXPECT_EQ(CInstanceLock::LockFilePath("a/b\\c"), sandbox.Root() + "/runtime/a_b_c.lock");

  CProbe first;
  ASSERT_TRUE(first.Start(kName));
  ASSERT_EQ(first.ReadLine(), "acquired");
  CProbe second;
  ASSERT_TRUE(second.Start(kName));
  EXPECT_EQ(second.ReadLine(), "held");
  EXPECT_TRUE(second.Finish());
  {
    CInstanceLock mine;
    EXPECT_EQ(mine.TryAcquire(kName), CInstanceLock::EResult::kHeldElsewhere);
    EXPECT_FALSE(mine.IsHeld());
  }
  CProbe other;  // another name is another guard
  ASSERT_TRUE(other.Start("Brevant-other"));
  EXPECT_EQ(other.ReadLine(), "acquired");
  EXPECT_TRUE(other.Finish());

  // Once the first has ended, the guard is free again.
  ASSERT_TRUE(first.Finish());
  {
    CInstanceLock mine;
    ASSERT_EQ(mine.TryAcquire(kName), CInstanceLock::EResult::kAcquired);
    EXPECT_TRUE(mine.IsHeld());
    EXPECT_EQ(mine.TryAcquire(kName), CInstanceLock::EResult::kAcquired);  // asking twice
    CProbe third;
    ASSERT_TRUE(third.Start(kName));
    EXPECT_EQ(third.ReadLine(), "held");
    EXPECT_TRUE(third.Finish());
  }
  CProbe fourth;
  ASSERT_TRUE(fourth.Start(kName));
  EXPECT_EQ(fourth.ReadLine(), "acquired");
  EXPECT_TRUE(fourth.Finish());
}

TEST(InstanceLock, ALockLeftByADeadProcessIsTakenOver) {
  CTestSandbox sandbox;
  CProbe first;
  ASSERT_TRUE(first.Start(kName));
  ASSERT_EQ(first.ReadLine(), "acquired");
  first.Kill();
  EXPECT_TRUE(testing_support::Exists(CInstanceLock::LockFilePath(kName)));  // left behind

  CProbe second;
  ASSERT_TRUE(second.Start(kName));
  EXPECT_EQ(second.ReadLine(), "acquired");
  CInstanceLock mine;
  EXPECT_EQ(mine.TryAcquire(kName), CInstanceLock::EResult::kHeldElsewhere);
  EXPECT_TRUE(second.Finish());
}

// The mode bits of a folder, or -1 when it is no folder of its own (a link counts as none).
int FolderMode(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    return -1;
  }
  return static_cast<int>(info.st_mode & 07777);
}

TEST(InstanceLock, TheLockLivesOnlyInAFolderNoOtherUserCanReach) {
  CTestSandbox sandbox;
  const std::string tmp = sandbox.Root() + "/tmp";
  testing_support::MakeFolders(tmp);
  CEnvGuard temporary("TMPDIR", tmp);
  const std::string fallback = tmp + "/brevant-" + std::to_string(getuid());
  {
    // A runtime folder that others may write to is passed over for a private folder.
    ASSERT_EQ(chmod((sandbox.Root() + "/runtime").c_str(), 0777), 0);
    CInstanceLock lock;
    ASSERT_EQ(lock.TryAcquire(kName), CInstanceLock::EResult::kAcquired);
    EXPECT_EQ(FolderMode(fallback), 0700);
    EXPECT_EQ(CInstanceLock::LockFilePath(kName), fallback + "/" + kName + ".lock");
    EXPECT_TRUE(testing_support::Exists(CInstanceLock::LockFilePath(kName)));
  }
  CEnvGuard noRuntime("XDG_RUNTIME_DIR", std::nullopt);
  ASSERT_EQ(rmdir(fallback.c_str()), 0);
  const auto refused = [&](const char* what) {
    CInstanceLock lock;
    EXPECT_EQ(lock.TryAcquire(kName), CInstanceLock::EResult::kFailed) << what;
    EXPECT_FALSE(lock.IsHeld()) << what;
    EXPECT_EQ(CInstanceLock::LockFilePath(kName), "") << what;
  };
  // Made beforehand by someone else for everybody to write in: not used, not changed.
  ASSERT_EQ(mkdir(fallback.c_str(), 0700), 0);
  ASSERT_EQ(chmod(fallback.c_str(), 0777), 0);
  refused("a folder others may write to");
  EXPECT_EQ(FolderMode(fallback), 0777);
  EXPECT_FALSE(testing_support::Exists(fallback + "/" + kName + ".lock"));
  ASSERT_EQ(rmdir(fallback.c_str()), 0);
  // A link at the folder's name leads wherever its maker chose.
  const std::string elsewhere = sandbox.Root() + "/elsewhere";
  ASSERT_EQ(mkdir(elsewhere.c_str(), 0700), 0);
  ASSERT_EQ(symlink(elsewhere.c_str(), fallback.c_str()), 0);
  refused("a link");
  EXPECT_FALSE(testing_support::Exists(elsewhere + "/" + kName + ".lock"));
  ASSERT_EQ(unlink(fallback.c_str()), 0);
  if (getuid() == 0) {
    // Only root can give a folder to another user.
    ASSERT_EQ(mkdir(fallback.c_str(), 0700), 0);
    ASSERT_EQ(chown(fallback.c_str(), 65534, 65534), 0);
    refused("another user's folder");
    ASSERT_EQ(rmdir(fallback.c_str()), 0);
  }
  // Made by the program itself, private.
  CInstanceLock lock;
  ASSERT_EQ(lock.TryAcquire(kName), CInstanceLock::EResult::kAcquired);
  EXPECT_EQ(FolderMode(fallback), 0700);
}

}  // namespace
