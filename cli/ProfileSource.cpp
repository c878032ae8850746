// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "cli/ProfileSource.h"

#include "cli/Arguments.h"
#include "platform/DriveMap.h"
#include "platform/TextUtil.h"
#include "profile/DataFile.h"
#include "profile/DataFolders.h"
#include "profile/SettingsPages.h"
#include "queues/ProfileData.h"
#include "queues/ProfileList.h"
#include "queues/QueueList.h"
#include "run/RunPreparation.h"

std::optional<std::string> CommandLinePath(const std::string& text) {
  // A full drive-letter path goes to validation as it is, as the program would take it; with
  // forward slashes it is made one first, so that it is not offered as a relative path.
  if (platform::HasDriveLetter(text) && text.size() > 2 && text[2] == '\\') {
    return text;
  }
  return platform::GetFullPathName(text);
}

std::unique_ptr<SCliProfileData> LoadCommandData(const SCliArguments& arguments,
                                                 CPrompter& prompter, EProfileFailure& failure,
                                                 std::string& message) {
  std::string dataFile = arguments.dataFile;
  if (dataFile.empty()) {
    SDataFolders folders;
    if (!ResolveDataFolders(folders, prompter)) {
      failure = EProfileFailure::kData;
      message = "The data folder could not be found.";
      return nullptr;
    }
    dataFile = DataFilePath(folders);
  } else if (const auto path = CommandLinePath(dataFile)) {
    dataFile = *path;
  } else {
    failure = EProfileFailure::kUsage;
    message = "The data file \"" + dataFile + "\" lies on no drive.";
    return nullptr;
  }
  auto data = std::make_unique<SCliProfileData>(prompter);
  std::vector<std::string> folders;
  CDataFile file(dataFile, prompter);
  if (!LoadProfileData(file, data->profiles, data->queues, folders, true)) {
    failure = EProfileFailure::kData;
    message = platform::Format("Could not read the data file \"%s\".", dataFile.c_str());
    return nullptr;
  }
  return data;
}

namespace {

std::optional<CSettingsState> FromDataFile(const SCliArguments& arguments, CPrompter& prompter,
                                           EProfileFailure& failure, std::string& message) {
  const auto data = LoadCommandData(arguments, prompter, failure, message);
  if (!data) {
    return std::nullopt;
  }
  if (!data->profiles.SelectByName(arguments.profile)) {
    failure = EProfileFailure::kUsage;
    message = platform::Format("There is no profile named \"%s\".", arguments.profile.c_str());
    return std::nullopt;
  }
  return data->pages.Take();
}

}  // namespace

std::optional<CSettingsState> LoadCommandSettings(const SCliArguments& arguments,
                                                  CPrompter& prompter, EProfileFailure& failure,
                                                  std::string& message) {
  failure = EProfileFailure::kNone;
  std::optional<CSettingsState> settings;
  if (!arguments.profile.empty()) {
    settings = FromDataFile(arguments, prompter, failure, message);
  } else {
    settings.emplace();
    const auto source = CommandLinePath(arguments.source);
    const auto destination = CommandLinePath(arguments.destination);
    if (!source || !destination) {
      failure = EProfileFailure::kUsage;
      message = platform::Format("\"%s\" lies on no drive.",
                                 (!source ? arguments.source : arguments.destination).c_str());
      return std::nullopt;
    }
    settings->sourcePath = *source;
    settings->destinationPath = *destination;
  }
  if (!settings) {
    return std::nullopt;
  }
  return AsLoadedIntoPages(*settings);
}
