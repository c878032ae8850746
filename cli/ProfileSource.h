// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "profile/SettingsPages.h"
#include "profile/SettingsState.h"
#include "queues/ProfileList.h"
#include "queues/QueueList.h"

class CPrompter;
struct SCliArguments;

// The profiles and queues of a data file, as the program holds them.
struct SCliProfileData {
  explicit SCliProfileData(CPrompter& prompter) : profiles(pages, prompter) {
    profiles.SetQueues(&queues);
  }
  CSettingsHolder pages;
  CProfileList profiles;
  CQueueList queues;
};

// Why the settings could not be had: the command line named something that is not there
// (a usage error), or the data could not be read.
enum class EProfileFailure { kNone, kUsage, kData };

// The settings the command works with: a profile of the data file, or a new profile's
// settings for the two folders given; as the program holds them once it has loaded them.
std::optional<CSettingsState> LoadCommandSettings(const SCliArguments& arguments,
                                                  CPrompter& prompter, EProfileFailure& failure,
                                                  std::string& message);

// Reads the data file the command names (or the user's own). Nothing, with `failure` and
// `message` set, when it cannot be read.
std::unique_ptr<SCliProfileData> LoadCommandData(const SCliArguments& arguments,
                                                 CPrompter& prompter, EProfileFailure& failure,
                                                 std::string& message);

// A folder given on the command line as a drive-letter path; POSIX and relative paths are
// resolved. Nothing when the path lies on no drive.
std::optional<std::string> CommandLinePath(const std::string& text);
