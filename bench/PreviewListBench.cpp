// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
//
// The preview-list window on a list of a million rows: rows arriving in the preview's
// batches, sorting by every column, scrolling, removing 100,000 selected rows, the memory the
// process holds, and move detection with renames. Runs offscreen:
//   build/bench/brevant_list_bench [rows [unique]]
#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/FormatItem.h"
#include "core/Options.h"
#include "core/Prompter.h"
#include "listops/LaunchJob.h"
#include "listops/ListCommands.h"
#include "listops/ui/ContextMenu.h"
#include "listops/ui/PreviewListDlg.h"
#include "listops/ui/PreviewListHost.h"
#include "listops/ui/RowSelection.h"
#include "platform/DateTime.h"
#include "preview/ListData.h"
#include "preview/MoveDetect.h"
#include "preview/PreviewCounts.h"
#include "preview/PreviewList.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// The processor time this thread has used, which other work on a shared machine does not
// inflate as it does the wall-clock time.
double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// The process's resident memory now and at its highest, in MB.
std::pair<double, double> ResidentMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  double now = 0;
  double peak = 0;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) {
      now = std::atof(line.c_str() + 6) / 1024.0;
    } else if (line.rfind("VmHWM:", 0) == 0) {
      peak = std::atof(line.c_str() + 6) / 1024.0;
    }
  }
  return {now, peak};
}

class CQuietPrompter : public CPrompter {
 public:
  EAnswer Ask(const SPrompt& prompt) override {
    return prompt.buttons == EButtons::kOk ? EAnswer::kOk : EAnswer::kYes;
  }
};

class CBenchHost : public CPreviewListHost {
 public:
  explicit CBenchHost(const CPreviewCounts& counts) : m_counts(counts) {}
  bool RootFolders(std::string& source, std::string& destination) const override {
    source = "C:\\Photos\\";
    destination = "D:\\Backup\\";
    return true;
  }
  int32_t CopyMode() const override { return 0; }
  void ListChanged() override {}
  void RememberExcludedPaths(const std::vector<std::string>&) override {}
  std::vector<std::string> StrayFolders() const override { return {}; }
  void SnapToMainWindow() override {}
  const CPreviewCounts& Counts() const override { return m_counts; }
  CFormatItem Format() const override { return CFormatItem(); }

 private:
  const CPreviewCounts& m_counts;
};

// Counts the cells the view draws.
class CCountingDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    ++cells;
    QStyledItemDelegate::paint(painter, option, index);
  }
  mutable size_t cells = 0;
};

// Rows of a photo library: a few thousand folders, numbered names, a few types; one in ten
// is a stray to delete, half of those the old copy of a file to copy.
std::vector<std::shared_ptr<CFilesListCtrlData>> MakeRows(size_t count, bool uniqueNames) {
  std::mt19937 random(7);
  std::vector<std::shared_ptr<const std::string>> folders;
  for (int i = 0; i < 4000; ++i) {
    folders.push_back(std::make_shared<const std::string>(
        "C:\\Photos\\" + std::to_string(2000 + i % 26) + "\\Trip " + std::to_string(i)));
  }
  std::vector<std::shared_ptr<const std::string>> types;
  for (const char* type : {"JPEG image", "PNG image", "Text document", "MPEG-4 video"}) {
    types.push_back(std::make_shared<const std::string>(type));
  }
  const double base = platform::CDateTime::FromParts(2020, 1, 1).LinearDays();
  std::vector<std::shared_ptr<CFilesListCtrlData>> rows;
  rows.reserve(count);
  for (size_t n = 0; n < count; ++n) {
    auto row = std::make_shared<CFilesListCtrlData>();
    // Names repeat across folders, as cameras number their pictures; with "unique" on the
    // command line every name differs (the names' ranking is then the sort's largest part).
    row->name = "IMG_" + std::to_string(uniqueNames ? n : random() % 100000) + ".JPG";
    row->folder = folders[random() % folders.size()];
    row->modified = platform::CDateTime::FromLinearDays(base + (random() % 2000000) / 1000.0);
    row->size = random() % 20000000;
    row->type = types[random() % types.size()];
    row->SetAttributes(0x20);
    row->action = random() % 10 == 0 ? kActionDelete : kActionCopy;
    // Half the strays are files renamed or moved in the source: the same size and time as a
    // file to copy.
    if (row->action == kActionDelete && !rows.empty() && random() % 2 == 0) {
      const CFilesListCtrlData& copy = *rows[random() % rows.size()];
      row->size = copy.size;
      row->modified = copy.modified;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

void Settle() {
  QApplication::processEvents();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  const size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
  const bool uniqueNames = argc > 2 && std::string(argv[2]) == "unique";

  CPreviewList list;
  CPreviewCounts counts(list);
  CBenchHost host(counts);
  CQuietPrompter prompter;
  CLaunchPool launches(prompter);
  SProgramOptions options;
  options.m_recallColumnWidths = 0;
  auto window = std::make_unique<CPreviewListDlg>(list, host, prompter, launches, options);
  auto* delegate = new CCountingDelegate(window.get());
  window->View()->setItemDelegate(delegate);
  window->resize(1200, 700);
  window->show();
  Settle();
  const auto [startMb, startPeak] = ResidentMegabytes();

  std::vector<std::shared_ptr<CFilesListCtrlData>> rows = MakeRows(count, uniqueNames);
  // Rows arrive as the preview delivers them: messages of 256 rows, up to 16 messages in one
  // delivery, the window drawn between deliveries.
  double slowestBatch = 0;
  double firstTenth = 0;
  double lastTenth = 0;
  auto started = Clock::now();
  for (size_t first = 0; first < rows.size(); first += 256 * 16) {
    const auto batchStart = Clock::now();
    for (size_t message = first; message < std::min(rows.size(), first + 256 * 16);
         message += 256) {
      const size_t end = std::min(rows.size(), message + 256);
      list.Append({rows.begin() + static_cast<ptrdiff_t>(message),
                   rows.begin() + static_cast<ptrdiff_t>(end)});
    }
    Settle();
    const double took = Seconds(batchStart);
    slowestBatch = std::max(slowestBatch, took);
    if (first < rows.size() / 10) {
      firstTenth += took;
    } else if (first >= rows.size() * 9 / 10) {
      lastTenth += took;
    }
  }
  rows.clear();
  rows.shrink_to_fit();
  std::printf(
      "rows arrived: %zu rows in %.2f s, slowest delivery %.1f ms; the first tenth took "
      "%.2f s, the last %.2f s\n",
      list.Count(), Seconds(started), slowestBatch * 1000, firstTenth, lastTenth);
  const auto [listMb, listPeak] = ResidentMegabytes();
  std::printf("memory with the list shown: %.0f MB (peak %.0f MB; %.0f MB before the rows)\n",
              listMb, listPeak, startMb);

  const char* names[] = {"Item Name", "In Folder",  "Date/Time", "Size",
                         "Type",      "Attributes", "Action"};
  double slowestSort = 0;
  for (int column = 0; column < kPreviewColumnCount; ++column) {
    started = Clock::now();
    const double cpuStarted = ThreadSeconds();
    window->View()->horizontalHeader()->sectionClicked(column);
    Settle();
    const double took = Seconds(started);
    slowestSort = std::max(slowestSort, took);
    std::printf("sort by %-10s %.2f s (processor %.2f s)\n", names[column], took,
                ThreadSeconds() - cpuStarted);
  }
  std::printf("slowest sort: %.2f s (target 1.5 s)\n", slowestSort);
  {
    // The same rows in a list that no window follows: the sort alone.
    CPreviewList bare;
    std::vector<std::shared_ptr<CFilesListCtrlData>> shared;
    for (size_t i = 0; i < list.Count(); ++i) {
      shared.push_back(std::shared_ptr<CFilesListCtrlData>(std::shared_ptr<void>(), &list.Row(i)));
    }
    bare.Append(shared);
    for (const int column : {kColName, kColType}) {
      const double cpuStarted = ThreadSeconds();
      bare.Sort(column, false);
      std::printf("  the list alone by %s: processor %.2f s\n", names[column],
                  ThreadSeconds() - cpuStarted);
    }
  }

  window->View()->scrollToBottom();
  Settle();
  delegate->cells = 0;
  window->View()->viewport()->repaint();
  const int visibleRows = window->View()->viewport()->height() /
                              window->View()->verticalHeader()->defaultSectionSize() +
                          1;
  std::printf("drawing at the bottom: %zu cells drawn for %d visible rows of %d columns\n",
              delegate->cells, visibleRows, kPreviewColumnCount);

  // 100,000 scattered rows (every tenth) selected, then excluded.
  std::vector<size_t> selected;
  for (size_t row = 0; row < list.Count() && selected.size() < 100000; row += 10) {
    selected.push_back(row);
  }
  started = Clock::now();
  SelectRows(window->View(), selected);
  Settle();
  window->View()->viewport()->repaint();
  std::printf("select %zu scattered rows and draw them: %.2f s\n", selected.size(),
              Seconds(started));
  started = Clock::now();
  window->Commands().Run(EListCommand::kExcludeAndForget);
  Settle();
  std::printf("exclude %zu scattered selected rows: %.2f s (target 1 s), %zu rows left\n",
              selected.size(), Seconds(started), list.Count());

  // 100,000 neighbouring rows.
  selected.clear();
  for (size_t row = 200000; row < 300000 && row < list.Count(); ++row) {
    selected.push_back(row);
  }
  SelectRows(window->View(), selected);
  Settle();
  started = Clock::now();
  window->Commands().Run(EListCommand::kExcludeAndForget);
  Settle();
  std::printf("exclude %zu neighbouring selected rows: %.2f s (target 1 s), %zu rows left\n",
              selected.size(), Seconds(started), list.Count());

  // Move detection with renames over the rows left: every stray against every copy row.
  started = Clock::now();
  CMoveDetect detect("C:\\Photos\\", "D:\\Backup\\", true);
  const bool any = detect.Gather(list) && detect.Detect(list);
  std::printf("move detection with renames over %zu rows: %.2f s, %zu moves%s\n", list.Count(),
              Seconds(started), detect.Moves().size(), any ? "" : " (none)");
  const auto [endMb, endPeak] = ResidentMegabytes();
  std::printf("peak memory of the run: %.0f MB (target 400 MB)\n", endPeak);
  window.reset();
  return 0;
}
