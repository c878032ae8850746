// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The runner's command line.
struct SCliArguments {
  std::string command;  // "preview" or "copy"
  std::string dataFile;
  std::string profile;
  std::string queue;
  std::string source;
  std::string destination;
  bool text = false;         // the preview list in its text form
  bool yes = false;          // questions are answered Yes
  bool stopOnError = false;  // the copy's error windows answer No
  int32_t workers = 0;       // files copied at once; 0: as suits the machine
};

// The number of files a copy copies at once: the one asked for, or what suits the machine.
int32_t CopyWorkers(const SCliArguments& arguments);

// Nothing (with a reason in `error`) when the arguments do not make a valid command.
std::optional<SCliArguments> ParseArguments(int argc, char** argv, std::string& error);

// One plain line that says what the command starts, for a log or the journal of a scheduled
// run: `brevant-cli 1.8: copying queue "Nightly" with 2 workers`.
std::string StartLine(const SCliArguments& arguments);

extern const char* const kUsage;
