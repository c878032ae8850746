// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "tests/cli/CliProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>

#include "copy/CopyWorkers.h"
#include "tests/support/TestSandbox.h"

extern char** environ;

namespace cli_test {

namespace {

// Spawns the runner with the file actions given (which set up its standard files).
pid_t Spawn(const std::vector<std::string>& arguments, const posix_spawn_file_actions_t& actions) {
  std::vector<std::string> all{BREVANT_CLI};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : all) {
    argv.push_back(argument.data());
  }
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    pid = -1;
  }
  return pid;
}

// A pseudo-terminal pair that passes output through unchanged; both -1 when none was had.
struct STerminal {
  int master = -1;
  int slave = -1;
};

STerminal OpenTerminal() {
  STerminal terminal;
  terminal.master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (terminal.master < 0 || grantpt(terminal.master) != 0 || unlockpt(terminal.master) != 0) {
    return terminal;
  }
  const char* name = ptsname(terminal.master);
  terminal.slave = name != nullptr ? open(name, O_RDWR | O_NOCTTY | O_CLOEXEC) : -1;
  termios modes{};
  if (terminal.slave >= 0 && tcgetattr(terminal.slave, &modes) == 0) {
    modes.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    tcsetattr(terminal.slave, TCSANOW, &modes);
  }
  return terminal;
}

// Reads the terminal until its other side is closed by everybody; false when the time ran
// out first.
bool ReadUntilClosed(int master, int timeoutSeconds, std::string& text) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd ready{master, POLLIN, 0};
    if (poll(&ready, 1, 100) <= 0) {
      continue;
    }
    char buffer[4096];
    const ssize_t length = read(master, buffer, sizeof buffer);
    if (length > 0) {
      text.append(buffer, static_cast<size_t>(length));
    } else if (length == 0 || errno != EINTR) {
      return true;  // EIO: nobody holds the terminal any more
    }
  }
  return false;
}

}  // namespace

pid_t StartCli(const std::vector<std::string>& arguments, const std::string& outPath,
               const std::string& errPath) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  const pid_t pid = Spawn(arguments, actions);
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

SCliResult FinishCli(pid_t pid, const std::string& outPath, const std::string& errPath) {
  SCliResult result;
  int status = 0;
  if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
    result.status = WEXITSTATUS(status);
  }
  result.out = testing_support::ReadFile(outPath);
  result.err = testing_support::ReadFile(errPath);
  return result;
}

SCliResult RunCliOnTerminal(const std::vector<std::string>& arguments, const std::string& outPath,
                            int timeoutSeconds) {
  SCliResult result;
  const STerminal terminal = OpenTerminal();
  if (terminal.slave < 0) {
    if (terminal.master >= 0) {
      close(terminal.master);
    }
    return result;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_adddup2(&actions, terminal.slave, 2);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  const pid_t pid = Spawn(arguments, actions);
  posix_spawn_file_actions_destroy(&actions);
  // Only the runner holds the terminal now, so reading ends when the runner has gone.
  close(terminal.slave);
  if (pid > 0) {
    if (!ReadUntilClosed(terminal.master, timeoutSeconds, result.err)) {
      kill(pid, SIGKILL);
    }
    int status = 0;
    if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
      result.status = WEXITSTATUS(status);
    }
  }
  close(terminal.master);
  result.out = testing_support::ReadFile(outPath);
  return result;
}

std::string DefaultWorkers() {
  const size_t workers = CCopyWorkers::ForThisMachine();
  return std::to_string(workers) + (workers == 1 ? " worker" : " workers");
}

}  // namespace cli_test
