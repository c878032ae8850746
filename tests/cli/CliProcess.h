// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace cli_test {

struct SCliResult {
  int status = -1;  // the exit status; -1 when the runner did not exit normally
  std::string out;
  std::string err;
};

// Starts brevant-cli with `arguments` and this process's environment (a test sandbox sets
// HOME, the XDG folders and the drive map), its standard output and error going to the two
// files and its input from /dev/null. -1 when it could not be started.
pid_t StartCli(const std::vector<std::string>& arguments, const std::string& outPath,
               const std::string& errPath);
// Waits for a started runner and reads what it wrote.
SCliResult FinishCli(pid_t pid, const std::string& outPath, const std::string& errPath);

// Runs brevant-cli with its standard error on a new pseudo-terminal (which passes output on
// as written, without turning "\n" into "\r\n") and its standard output going to `outPath`;
// `err` holds what appeared on the terminal. The terminal is read until the runner has closed
// it, for at most `timeoutSeconds`.
SCliResult RunCliOnTerminal(const std::vector<std::string>& arguments, const std::string& outPath,
                            int timeoutSeconds = 60);

// How a copy's start line names the number of files it copies at once by default on this
// machine ("2 workers").
std::string DefaultWorkers();

}  // namespace cli_test
