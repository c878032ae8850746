// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "cli/Arguments.h"

#include <charconv>
#include <string_view>
#include <system_error>

#include "copy/CopyWorkers.h"
#include "core/Version.h"

const char* const kUsage =
    "Usage:\n"
    "  brevant-cli preview [--data FILE] --profile NAME [--text] [--yes]\n"
    "  brevant-cli preview --source DIR --dest DIR [--text] [--yes]\n"
    "  brevant-cli copy [--data FILE] --profile NAME [--stop-on-error] [--workers N] [--yes]\n"
    "  brevant-cli copy [--data FILE] --queue NAME [--stop-on-error] [--workers N] [--yes]\n"
    "  brevant-cli copy --source DIR --dest DIR [--stop-on-error] [--workers N] [--yes]\n"
    "Paths may be given as drive-letter paths (C:\\Users\\ann) or as POSIX paths.\n"
    "The preview list goes to standard output (comma-separated values, or text with --text);\n"
    "the statistics and any messages go to standard error.\n"
    "A copy shows its progress on standard error when that is a terminal (elsewhere the first\n"
    "line says what runs) and writes the Copy Statistics and Messages on standard output.\n"
    "--workers N copies up to N small files at once (1: one after another; by default as many\n"
    "as the machine has processors, from 2 to 8).\n"
    "Exit status of a copy: 0 no messages, 1 messages recorded, 2 usage, 3 the folders, drives\n"
    "or data file did not validate. See brevant-cli(1).\n";

namespace {

constexpr int32_t kMostWorkers = 64;

bool ParseWorkers(const std::string& text, int32_t& workers) {
  int32_t value = 0;
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (failure != std::errc() || end != text.data() + text.size() || value < 1 ||
      value > kMostWorkers) {
    return false;
  }
  workers = value;
  return true;
}

}  // namespace

int32_t CopyWorkers(const SCliArguments& arguments) {
  return arguments.workers > 0 ? arguments.workers
                               : static_cast<int32_t>(CCopyWorkers::ForThisMachine());
}

std::optional<SCliArguments> ParseArguments(int argc, char** argv, std::string& error) {
  if (argc < 2) {
    error = "no command given";
    return std::nullopt;
  }
  SCliArguments arguments;
  arguments.command = argv[1];
  if (arguments.command != "preview" && arguments.command != "copy") {
    error = "unknown command \"" + arguments.command + "\"";
    return std::nullopt;
  }
  for (int i = 2; i < argc; ++i) {
    const std::string_view option = argv[i];
    const auto value = [&](std::string& target) {
      if (i + 1 >= argc) {
        error = std::string(option) + " needs a value";
        return false;
      }
      target = argv[++i];
      return true;
    };
    bool good = true;
    if (option == "--data") {
      good = value(arguments.dataFile);
    } else if (option == "--profile") {
      good = value(arguments.profile);
    } else if (option == "--source") {
      good = value(arguments.source);
    } else if (option == "--dest") {
      good = value(arguments.destination);
    } else if (option == "--queue" && arguments.command == "copy") {
      good = value(arguments.queue);
    } else if (option == "--stop-on-error" && arguments.command == "copy") {
      arguments.stopOnError = true;
    } else if (option == "--workers" && arguments.command == "copy") {
      std::string count;
      good = value(count);
      if (good && !ParseWorkers(count, arguments.workers)) {
        error = "--workers takes a number from 1 to " + std::to_string(kMostWorkers);
        return std::nullopt;
      }
    } else if (option == "--text" && arguments.command == "preview") {
      arguments.text = true;
    } else if (option == "--yes") {
      arguments.yes = true;
    } else {
      error = "unknown option \"" + std::string(option) + "\"";
      return std::nullopt;
    }
    if (!good) {
      return std::nullopt;
    }
  }
  const bool byProfile = !arguments.profile.empty();
  const bool byQueue = !arguments.queue.empty();
  const bool byFolders = !arguments.source.empty() || !arguments.destination.empty();
  if (static_cast<int>(byProfile) + static_cast<int>(byQueue) + static_cast<int>(byFolders) != 1) {
    error = arguments.command == "copy"
                ? "give one of --profile NAME, --queue NAME or --source DIR --dest DIR"
                : "give either --profile NAME or --source DIR --dest DIR";
    return std::nullopt;
  }
  if (byFolders && (arguments.source.empty() || arguments.destination.empty())) {
    error = "--source and --dest go together";
    return std::nullopt;
  }
  if (byFolders && !arguments.dataFile.empty()) {
    error = "--data goes with --profile or --queue";
    return std::nullopt;
  }
  return arguments;
}

std::string StartLine(const SCliArguments& arguments) {
  const auto quoted = [](const std::string& text) { return "\"" + text + "\""; };
  std::string line = std::string("brevant-cli ") + kVersionText + ": " +
                     (arguments.command == "copy" ? "copying " : "previewing ");
  if (!arguments.queue.empty()) {
    line += "queue " + quoted(arguments.queue);
  } else if (!arguments.profile.empty()) {
    line += "profile " + quoted(arguments.profile);
  } else {
    line += quoted(arguments.source) + " to " + quoted(arguments.destination);
  }
  if (!arguments.dataFile.empty()) {
    line += " from " + quoted(arguments.dataFile);
  }
  if (arguments.command == "copy") {
    const int32_t workers = CopyWorkers(arguments);
    line += " with " + std::to_string(workers) + (workers == 1 ? " worker" : " workers");
  }
  return line;
}
