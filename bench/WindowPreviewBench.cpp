// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
//
// Times a preview in the real main window, as a user starts it with the Preview button, and
// how long the window's event loop went without turning while the preview ran:
//   brevant_window_bench SOURCE DESTINATION
// prints "seconds max-event-loop-delay-ms peak-rss-kb rows". Run it with a private HOME (the
// data file and options are written there) and QT_QPA_PLATFORM=offscreen.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "app/MainCommands.h"
#include "app/ProgramData.h"
#include "app/ui/BrevantDlg.h"
#include "core/Options.h"
#include "core/ui/QtPrompter.h"
#include "platform/DriveMap.h"
#include "platform/OptionStore.h"
#include "preview/ui/PreviewStatisticsDlg.h"
#include "profile/DataFolders.h"
#include "profile/ui/SettingsSheet.h"

namespace {

long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: brevant_window_bench SOURCE DESTINATION\n");
    return 2;
  }
  const auto source = platform::ToWindowsPath(argv[1]);
  const auto destination = platform::ToWindowsPath(argv[2]);
  if (!source || !destination) {
    std::fprintf(stderr, "the folders lie on no drive\n");
    return 2;
  }
  CQtPrompter prompter;
  SDataFolders folders;
  if (!ResolveDataFolders(folders, prompter)) {
    return 1;
  }
  platform::COptionStore store;
  SProgramOptions options;
  options.LoadOptions(store);
  options.m_showDayTip = 0;
  CBrevantDlg window(folders, prompter, options);
  window.Start();
  CSettingsState settings = window.Sheet().Take();
  settings.sourcePath = *source;
  settings.destinationPath = *destination;
  window.Sheet().Apply(settings);

  // The statistics window that ends the preview is closed as soon as it shows.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (auto* dialog = qobject_cast<CPreviewStatisticsDlg*>(QApplication::activeModalWidget())) {
      dialog->accept();
    }
  });
  closer.start(20);

  QElapsedTimer clock;
  QElapsedTimer sinceTick;
  qint64 maxDelay = 0;
  double seconds = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    maxDelay = std::max(maxDelay, sinceTick.restart());
    if (clock.isValid() && !window.Commands().JobRunning() && seconds == 0) {
      seconds = static_cast<double>(clock.elapsed()) / 1000.0;
      window.done(QDialog::Accepted);
    }
  });
  QTimer::singleShot(0, [&] {
    sinceTick.start();
    tick.start(10);
    clock.start();
    window.findChild<QPushButton*>(QStringLiteral("previewButton"))->click();
  });
  window.exec();
  std::printf("%.2f %lld %ld %zu\n", seconds, static_cast<long long>(maxDelay - 10), PeakRssKb(),
              window.Commands().List().Count());
  return seconds > 0 ? 0 : 1;
}
