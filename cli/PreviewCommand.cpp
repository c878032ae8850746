// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "cli/PreviewCommand.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "cli/Arguments.h"
#include "cli/CliPrompter.h"
#include "cli/ProfileSource.h"
#include "core/ElapsedTime.h"
#include "core/FormatItem.h"
#include "core/MessageQueue.h"
#include "core/Options.h"
#include "core/Reporter.h"
#include "platform/DateTime.h"
#include "platform/OptionStore.h"
#include "preview/ListExport.h"
#include "preview/PreviewCounts.h"
#include "preview/PreviewJob.h"
#include "preview/PreviewList.h"
#include "preview/PreviewStatistics.h"
#include "run/FolderValidation.h"
#include "run/PreviewRun.h"

namespace {

void PrintStatistics(const SPreviewStatistics& statistics) {
  std::fprintf(stderr, "Files: %s\n", statistics.files.c_str());
  std::fprintf(stderr, "Folders: %s\n", statistics.folders.c_str());
  std::fprintf(stderr, "Size (bytes): %s\n", statistics.size.c_str());
  std::fprintf(stderr, "Space needed (bytes): %s\n", statistics.spaceNeeded.c_str());
  std::fprintf(stderr, "Available space (bytes): %s\n", statistics.spaceAvailable.c_str());
  std::fprintf(stderr, "Elapsed time: %s\n", statistics.elapsed.c_str());
}

}  // namespace

int RunPreviewCommand(const SCliArguments& arguments) {
  CElapsedTime elapsed;
  CCliPrompter prompter(arguments.yes);
  CPrompterReporter reporter(prompter);
  platform::COptionStore store;
  SProgramOptions options;
  options.LoadOptions(store);

  EProfileFailure failure = EProfileFailure::kNone;
  std::string message;
  std::optional<CSettingsState> settings =
      LoadCommandSettings(arguments, prompter, failure, message);
  if (!settings) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return failure == EProfileFailure::kUsage ? kExitUsage : kExitFailed;
  }
  CMessageQueue queue;
  CPreviewList list;
  CPreviewCounts counts(list);
  CPreviewRun run(prompter, options, queue, list);
  SValidationContext context{prompter, reporter, false, nullptr};
  if (!run.Begin(*settings, context, true)) {
    return kExitFailed;
  }
  // Comma-separated rows go out as they arrive, while the walk goes on; only gathering can
  // take a row back out, and the text form needs every row's width first.
  const EExportForm form = arguments.text ? EExportForm::kText : EExportForm::kCsv;
  const bool streaming = form == EExportForm::kCsv && settings->copyMode != kCopyGather;
  const auto write = [](std::string_view piece) {
    std::fwrite(piece.data(), 1, piece.size(), stdout);
  };
  if (streaming) {
    write(CsvHeaderLine());
  }
  while (!run.Finished()) {
    queue.DispatchOne(
        [&](CMessage& received) -> int64_t {
          bool handled = false;
          const size_t before = list.Count();
          const int64_t answer = run.Handle(received, handled);
          for (size_t row = before; streaming && row < list.Count(); ++row) {
            write(CsvRowLine(list, row));
          }
          return answer;
        },
        std::chrono::hours(24));
  }

  const CFormatItem format(2, options.m_useThousandsSep != 0, options.m_thousandsSep);
  if (!streaming) {
    StreamPreviewList(list, form, settings->sourcePath.empty() ? "" : arguments.profile,
                      counts.SummaryText(settings->copyMode, format), std::time(nullptr), write);
  }
  std::fflush(stdout);
  PrintStatistics(MakePreviewStatistics(run.Job(), settings->copyMode, format, elapsed));
  return kExitSuccess;
}
