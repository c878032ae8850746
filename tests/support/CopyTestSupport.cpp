// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "tests/support/CopyTestSupport.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "platform/DriveMap.h"
#include "core/Reporter.h"
#include "platform/FileInfo.h"
#include "run/FolderValidation.h"
#include "run/PreviewRun.h"

namespace copy_test {

void CHookedTarget::Post(CMessage message) {
  if (onPost) {
    onPost(message);
  }
  m_queue.Post(std::move(message));
}

SCopyHarness::SCopyHarness() : run(prompter, errors, options, target, list) {}

bool SCopyHarness::Copy(CSettingsState settings, bool previewed) {
  if (!run.Begin(settings, previewed)) {
    return false;
  }
  return Drive();
}

bool SCopyHarness::Preview(CSettingsState settings) {
  CPrompterReporter reporter(prompter);
  SValidationContext context{prompter, reporter, false, nullptr};
  CMessageQueue previewQueue;
  CPreviewRun preview(prompter, options, previewQueue, list);
  if (!preview.Begin(settings, context, true)) {
    return false;
  }
  while (!preview.Finished()) {
    const bool handled = previewQueue.DispatchOne(
        [&](CMessage& message) {
          bool previewMessage = false;
          return preview.Handle(message, previewMessage);
        },
        std::chrono::seconds(60));
    if (!handled) {
      return false;
    }
  }
  return !preview.Stopped();
}

bool SCopyHarness::CopyQueue(CQueueComboBoxData& queue, CCopyRun::ProfileSelector select) {
  if (!run.BeginQueue(queue, std::move(select))) {
    return false;
  }
  return Drive();
}

bool SCopyHarness::Drive(std::chrono::seconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!run.Finished()) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      return false;
    }
    queue.DispatchOne(
        [this](CMessage& message) -> int64_t {
          offsets.push_back(message.Offset());
          if (message.Offset() == kMsgStatusText) {
            statusTexts.push_back(message.text);
          }
          if (onMessage) {
            onMessage(message);
          }
          bool progress = false;
          return run.Handle(message, progress);
        },
        left);
  }
  return true;
}

CSettingsState Profile(const std::string& source, const std::string& destination) {
  CSettingsState settings;
  settings.sourcePath = source;
  settings.destinationPath = destination;
  return settings;
}

std::vector<SCopyMsg> OfKind(const CCopyMsgs& messages, int32_t kind) {
  std::vector<SCopyMsg> found;
  for (const SCopyMsg& message : messages.Messages()) {
    if (message.kind == kind) {
      found.push_back(message);
    }
  }
  return found;
}

std::vector<std::string> Names(const std::string& posixFolder) {
  std::vector<std::string> names;
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(posixFolder, ignored)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool HasTemporaryName(const std::vector<std::string>& names) {
  return std::any_of(names.begin(), names.end(), [](const std::string& name) {
    return name.size() == 10 && name.starts_with("BV") && name.ends_with(".tmp");
  });
}

std::string Pattern(size_t size, char seed) {
  std::string text(size, '\0');
  for (size_t i = 0; i < size; ++i) {
    text[i] = static_cast<char>('a' + (i * 7 + static_cast<size_t>(seed)) % 26);
  }
  return text;
}

void SetWriteTime(const std::string& posixPath, platform::FileTime time) {
  const auto path = platform::ToWindowsPath(posixPath);
  if (!path || platform::SetFileTimes(*path, nullptr, nullptr, &time) != platform::EError::kNone) {
    throw std::runtime_error("cannot set the time of " + posixPath);
  }
}

platform::FileTime WriteTime(const std::string& posixPath) {
  const auto path = platform::ToWindowsPath(posixPath);
  const auto times = path ? platform::GetFileTimes(*path) : std::nullopt;
  return times ? times->lastWrite : 0;
}

}  // namespace copy_test
