// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/Arguments.h"
#include "cli/CopyCommand.h"
#include "cli/PreviewCommand.h"
#include "cli/Terminal.h"
#include "core/Version.h"

// The headless runner, for scheduled backups, benchmarks and end-to-end tests. It links the
// engine alone, without any window code.
int main(int argc, char* argv[]) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return kExitSuccess;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("brevant-cli %s\n", kVersionText);
    return kExitSuccess;
  }
  std::string error;
  const auto arguments = ParseArguments(argc, argv, error);
  if (!arguments) {
    std::fprintf(stderr, "brevant-cli: %s\n%s", error.c_str(), kUsage);
    return kExitUsage;
  }
  // A scheduled run's log starts by saying what ran; on a terminal the user knows already.
  if (!StderrIsTerminal()) {
    std::fprintf(stderr, "%s\n", StartLine(*arguments).c_str());
  }
  return arguments->command == "copy" ? RunCopyCommand(*arguments) : RunPreviewCommand(*arguments);
}
