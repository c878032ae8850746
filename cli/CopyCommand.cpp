// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "cli/CopyCommand.h"

#include <chrono>
#include <cstdio>

#include "cli/Arguments.h"
#include "cli/CliPrompter.h"
#include "cli/ProfileSource.h"
#include "cli/Terminal.h"
#include "copy/CopyProgress.h"
#include "core/FormatItem.h"
#include "core/MessageQueue.h"
#include "core/Options.h"
#include "platform/OptionStore.h"
#include "platform/System.h"
#include "platform/TextUtil.h"
#include "preview/PreviewCounts.h"
#include "preview/PreviewList.h"
#include "run/CopyRun.h"

namespace {

// A one-line progress bar on a terminal, redrawn a few times a second; nothing elsewhere.
class CProgressLine {
 public:
  explicit CProgressLine(const CFormatItem& format)
      : m_format(format), m_shown(StderrIsTerminal()) {}

  void Handle(const CMessage& message, const CPreviewCounts& counts) {
    if (!m_shown || !m_progress.Apply(message, counts)) {
      return;
    }
    m_copying = true;
    Draw(false);
  }

  void End() {
    if (m_shown && m_copying) {
      Draw(true);
      std::fputc('\n', stderr);
    }
  }

 private:
  void Draw(bool force) {
    const uint64_t now = platform::GetTickCountMs();
    if (!m_copying || (!force && now - m_lastDraw < 200)) {
      return;
    }
    m_lastDraw = now;
    const int filled = m_progress.OverallPercent() * 30 / 100;
    std::string bar(static_cast<size_t>(filled), '#');
    bar.append(static_cast<size_t>(30 - filled), '.');
    std::fprintf(stderr, "\r[%s] %3d%%  %s  %s\033[K", bar.c_str(), m_progress.OverallPercent(),
                 m_progress.RemainingText(m_format).c_str(), m_progress.TimeText().c_str());
    std::fflush(stderr);
  }

  const CFormatItem& m_format;
  bool m_shown;
  bool m_copying = false;
  uint64_t m_lastDraw = 0;
  CCopyProgress m_progress;
};

}  // namespace

int RunCopyCommand(const SCliArguments& arguments) {
  CCliPrompter prompter(arguments.yes);
  CScriptedErrorWindow errorWindow(!arguments.stopOnError);
  platform::COptionStore store;
  SProgramOptions options;
  options.LoadOptions(store);
  const CFormatItem format(2, options.m_useThousandsSep != 0, options.m_thousandsSep);

  CMessageQueue queue;
  CPreviewList list;
  CPreviewCounts counts(list);
  CCopyRun run(prompter, errorWindow, options, queue, list);

  EProfileFailure failure = EProfileFailure::kNone;
  std::string message;
  std::unique_ptr<SCliProfileData> data;
  bool started = false;
  if (!arguments.queue.empty()) {
    data = LoadCommandData(arguments, prompter, failure, message);
    const int index = data ? data->queues.Find(arguments.queue) : -1;
    if (data && index < 0) {
      failure = EProfileFailure::kUsage;
      message = platform::Format("There is no queue named \"%s\".", arguments.queue.c_str());
    }
    if (failure != EProfileFailure::kNone) {
      std::fprintf(stderr, "%s\n", message.c_str());
      return failure == EProfileFailure::kUsage ? kCopyExitUsage : kCopyExitNotValid;
    }
    CQueueComboBoxData& named = data->queues.At(static_cast<size_t>(index)).queue;
    if (named.Names().empty()) {
      std::fprintf(stderr, "Please define a queue before pressing this button.\n");
      return kCopyExitUsage;
    }
    started = run.BeginQueue(named, [&data](const std::string& name, CSettingsState& settings) {
      if (!data->profiles.SelectByName(name)) {
        return false;
      }
      settings = data->pages.Take();
      return true;
    });
  } else {
    std::optional<CSettingsState> settings =
        LoadCommandSettings(arguments, prompter, failure, message);
    if (!settings) {
      std::fprintf(stderr, "%s\n", message.c_str());
      return failure == EProfileFailure::kUsage ? kCopyExitUsage : kCopyExitNotValid;
    }
    if (arguments.stopOnError) {
      settings->avoidStopping = 0;  // errors are then asked about, and answered No
    }
    started = run.Begin(*settings, false);
    if (!started) {
      return kCopyExitNotValid;
    }
  }

  CProgressLine progress(format);
  while (started && !run.Finished()) {
    queue.DispatchOne(
        [&](CMessage& received) -> int64_t {
          bool forProgress = false;
          const int64_t answer = run.Handle(received, forProgress);
          if (forProgress) {
            progress.Handle(received, counts);
          }
          return answer;
        },
        std::chrono::hours(24));
  }
  progress.End();
  if (!run.HasResults()) {
    std::fprintf(stderr, "Copying was stopped.\n");
    return kCopyExitMessages;
  }
  const bool folderTree = !run.QueueRun() && run.CopyMode() == 2 && arguments.queue.empty();
  const std::string text = FormatResultsExport(
      BuildMessageTree(run.Messages(), run.AllItemsListed(), format),
      folderTree ? std::string() : format.FormatCount(run.Files()),
      format.FormatCount(run.Folders()), format.AdaptDecimal(run.Elapsed().Text(false)));
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
  return run.Messages().Total() == 0 && run.AllItemsListed() ? kCopyExitClean : kCopyExitMessages;
}
