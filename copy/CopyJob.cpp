// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/CopyJob.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <new>

#include "copy/AttributeWorker.h"
#include "core/AppText.h"
#include "core/CompareFiles.h"
#include "core/FolderPaths.h"
#include "core/Message.h"
#include "core/PathText.h"
#include "core/Prompter.h"
#include "platform/DebugMessages.h"
#include "platform/Drives.h"
#include "platform/FileInfo.h"
#include "platform/FileOps.h"
#include "platform/NameCase.h"
#include "platform/Security.h"
#include "platform/Shell.h"
#include "platform/System.h"
#include "platform/TextUtil.h"
#include "preview/ListData.h"
#include "preview/PreviewList.h"
#include "rules/DestinationLookup.h"

namespace {

using platform::EError;

constexpr const char* kCopyingText = "Status: Copying files...";
constexpr const char* kComparingText = "Status: Copying and comparing files...";
constexpr const char* kNotWrittenText = "Could not write the copied files to the disk.";

// Items under way per worker: enough that a worker finds the next file ready while the job's
// thread finishes the one before, few enough that a stop abandons little.
constexpr size_t kItemsPerWorker = 16;

// The items that may be under way without running out of open files. Each holds up to two
// until it is finished (its new copy, and the old copy it replaces), each worker two more
// while it copies, and the rest of the program keeps some for itself.
size_t WindowWithin(uint64_t openFiles, size_t workers) {
  constexpr uint64_t kKeptFree = 128;
  const uint64_t needed = kKeptFree + 2 * static_cast<uint64_t>(workers);
  const uint64_t room = openFiles > needed ? (openFiles - needed) / 2 : 0;
  return static_cast<size_t>(std::max<uint64_t>(room, 1));
}

std::string RenameFailedText(const std::string& destination) {
  return platform::Format(
      "Could not rename the temporary file to the destination filename: \"%.259s\"",
      destination.c_str());
}

bool Exists(const std::string& path) {
  return platform::FileExists(path);
}

uint64_t SizeOf(const std::string& path) {
  const auto info = platform::GetFileInfo(path);
  return info ? info->size : 0;
}

}  // namespace

CCopyJob::~CCopyJob() {
  EndRuns();
}

void CCopyJob::SetUp(SCopySetup setup) {
  m_setup = std::move(setup);
}

void CCopyJob::SetQueueMode(bool on) {
  if (on && !m_queueMode) {
    m_messages.Clear(true);
    m_queueFiles = 0;
    m_queueFolders = 0;
  }
  m_queueMode = on;
}

uint64_t CCopyJob::RoundUp(uint64_t size) const {
  return RoundUpToCluster(size, m_setup.clusterSize);
}

bool CCopyJob::RecycleOld() const {
  const int32_t dispose = m_setup.filter->Settings().disposeMode;
  return (dispose == kDisposeRecycle && m_destinationFixed) || dispose == kDisposeVersions;
}

void CCopyJob::CountFolder() {
  ++m_queueFolders;
}

int32_t CCopyJob::Run() {
  m_reporter.SetTarget(m_notifyWnd);
  m_copyStarted = false;
  if ((m_setup.list == nullptr && !m_setup.walk) || !m_setup.filter) {
    m_reporter.Post(CMessage(kMsgCopyDone));
    m_reporter.Deliver();
    return 0;
  }
  try {
    StartRun();
    CopyList();
  } catch (const std::bad_alloc&) {
    m_outOfMemory = true;
    EndEarly(kOutOfMemoryText);
  } catch (const std::exception& error) {
    EndEarly(platform::Format("The copy stopped: %.200s", error.what()));
  }
  EndRun();
  return 0;
}

void CCopyJob::StartRun() {
  const CFilter& filter = *m_setup.filter;
  m_stopOnError = filter.StopOnError() && !m_queueMode;
  m_verify = filter.VerifyCopies() && m_setup.copyMode < kCopyTreeOnly;
  m_copySecurity = filter.CopySecurity();
  if (!m_queueMode) {
    m_messages.Clear(true);
    m_queueFiles = 0;
    m_queueFolders = 0;
  }
  m_messagesAtStart = m_messages.Total();
  m_filesDone = 0;
  m_finishThenStop = false;
  m_outOfMemory = false;
  // A box the user cleared silences its window for this copy only.
  m_keepShowing.fill(true);
  m_freeSpace = m_setup.freeSpace;
  m_destinationFixed =
      platform::GetDriveType(DriveRoot(m_setup.destinationRoot)) == platform::EDriveType::kFixed;
  m_madeSure.RemoveAll();
  m_versionFolders.RemoveAll();
  m_versionFolderList.clear();
  m_abandonedFolders.clear();
  m_lookup.emplace(m_setup.destinationRoot);
  m_written.clear();
  m_nextRow = 0;
  m_versions = std::make_unique<CFileVersions>(filter.Options().useTwoDigits);
  // With security copying the attributes go first, in turn, as the security then follows.
  if (!m_copySecurity) {
    m_attributes = std::make_unique<CAttributeWorker>();
  }
  m_archiveMarks = std::make_unique<CArchiveMarks>(m_setup.destinationRoot);
  const size_t workers =
      m_setup.workers > 0 ? static_cast<size_t>(m_setup.workers) : CCopyWorkers::ForThisMachine();
  m_workersUsed = 1;
  if (workers > 1) {
    const size_t bufferSize =
        m_setup.buffer.empty() ? 65536 : std::min<size_t>(m_setup.buffer.size(), kSmallFile);
    m_workers = std::make_unique<CCopyWorkers>(workers, bufferSize);
    m_workersUsed = static_cast<int32_t>(m_workers->Count());
    m_window = std::min(m_workers->Count() * kItemsPerWorker,
                        WindowWithin(platform::OpenFilesAllowed(), m_workers->Count()));
  }
  m_turn.Start(std::max<size_t>(m_window, 1), [this](SItem& item) { return NameInTurn(item); });
  if (m_setup.buffer.empty()) {
    m_setup.buffer.resize(65536);
  }
  m_startedMs = platform::GetTickCountMs();
  if (m_setup.walk) {
    StartWalk();
  } else {
    PostSetup(m_startedMs);
  }
}

void CCopyJob::PostSetup(uint64_t startedMs) {
  m_copyStarted = true;
  m_reporter.Post(CMessage(kMsgCopySetup, m_setup.copyMode == kCopyTreeOnly ? 1 : 0));
  CMessage status(kMsgStatusText);
  status.text = m_verify ? kComparingText : kCopyingText;
  m_reporter.Post(std::move(status));
  m_reporter.Estimate().Start(ListedWork(), startedMs);
}

uint64_t CCopyJob::ListedWork() const {
  const auto work = [](const CFilesListCtrlData& row) {
    return row.action == kActionCopy ? row.size + CEstCopyTime::kFileUnits
                                     : CEstCopyTime::kItemUnits;
  };
  uint64_t total = 0;
  if (m_feed) {
    for (const CFilesListCtrlData* row : m_feed->Rows()) {
      total += work(*row);
    }
    return total;
  }
  const CPreviewList& list = *m_setup.list;
  for (size_t i = 0; i < list.Count(); ++i) {
    total += work(list.Row(i));
  }
  return total;
}

void CCopyJob::StartWalk() {
  // A new row wakes the job's thread only when it waits for one.
  m_feed = std::make_unique<CRowFeed>([this] {
    if (m_rowAwaited.load()) {
      Notify();
    }
  });
  m_walk.SetUp(std::move(*m_setup.walk));
  m_setup.walk.reset();
  m_walkEnded = false;
  // Until the whole list stands, the window hears of the gathering only.
  m_reporter.Hold();
  m_walkThread = std::thread([this] {
    m_walk.RunWithin(*this, m_notifyWnd, m_feed.get());
    m_walkEnded = true;
    m_feed->End();
  });
}

void CCopyJob::JoinWalk() {
  if (m_walkThread.joinable()) {
    m_walkThread.join();
  }
}

void CCopyJob::GoLive() {
  if (!m_reporter.Holding()) {
    return;
  }
  // The walk's done message must be out before the copy's first.
  JoinWalk();
  PostSetup(m_startedMs);
  m_reporter.Release();
}

void CCopyJob::GoLiveOnceWalked() {
  if (m_reporter.Holding() && m_walkEnded.load() && m_stop == 0) {
    GoLive();
  }
}

void CCopyJob::EndRun() {
  AbandonAll();
  m_workers.reset();
  // A stop ends the walk too; without one it has ended already.
  JoinWalk();
  RemoveEmptyVersionFolders();
  RemoveAbandonedFolders();
  // A walk that was stopped before the copy did anything leaves nothing to report; anything
  // else is reported, whatever stopped it.
  if (m_reporter.Holding() &&
      (m_stop == 0 || m_reporter.Reported() || m_messages.Total() > m_messagesAtStart)) {
    GoLive();
  }
  if (m_outOfMemory && m_setup.prompter != nullptr) {
    m_reporter.Deliver();
    m_setup.prompter->Show(kOutOfMemoryText, EIcon::kStop);
  }
  if (m_attributes) {
    m_attributes->Finish();
    m_attributes.reset();
  }
  // What was copied must really be on the disk before the run says it is done, and before
  // any source loses its archive mark.
  const bool synced = platform::SyncFileSystem(m_setup.destinationRoot) == EError::kNone;
  if (!synced && m_filesDone > 0) {
    // The copies may not be on the disk after all: that must not pass as success.
    m_messages.Add(kMsgNotCopied, kNotWrittenText, DisplayFolder(m_setup.destinationRoot));
  }
  m_archiveMarks->Finish(synced);
  m_archiveMarks.reset();
  m_setup.filter.reset();
  m_setup.buffer = std::vector<char>();
  m_versions.reset();
  m_lookup.reset();
  m_written.clear();
  if (m_copyStarted) {
    m_reporter.Estimate().End();
  }
  m_reporter.Post(CMessage(kMsgCopyDone));
  m_reporter.Deliver();
  m_feed.reset();
}

void CCopyJob::EndAfterFailure(const std::string& reason) {
  // The files copied so far get their attributes; the rest of the list was not copied.
  EndEarly(platform::Format("The copy stopped: %.200s", reason.c_str()));
  try {
    AbandonAll();
  } catch (...) {
    AddDebugMessage("The copy could not clear up after a failure.");
  }
  m_workers.reset();
  JoinWalk();
  RemoveAbandonedFolders();
  m_attributes.reset();
  m_archiveMarks.reset();  // the copies are not known to be on the disk: the marks stay
  if (m_reporter.Holding()) {
    GoLive();
  }
  m_reporter.Post(CMessage(kMsgCopyDone));
  m_reporter.Deliver();
  m_feed.reset();
}

void CCopyJob::EndEarly(const std::string& reason) {
  // Whatever the list still held was not copied: that must not look like a finished copy.
  m_messages.Add(kMsgNotCopied, reason, DisplayFolder(m_setup.destinationRoot));
  SetStop(1);
}

void CCopyJob::FailLink(const std::string& source, const std::string& link) {
  const std::string error = LinkInTheWayText(link);
  m_messages.Add(kMsgNotCopied, error, source);
  ErrorWindow(kNotCopiedWindow, "Could not copy a file.", error, source);
}

bool CCopyJob::ErrorWindow(EWindowKind kind, const std::string& error, const std::string& reason,
                           const std::string& path) {
  if (!m_stopOnError || !m_keepShowing[kind] || m_setup.errorWindow == nullptr) {
    return true;
  }
  bool keepShowing = true;
  // The window shows where the copy stands while it asks, after the whole gathering.
  GoLive();
  m_reporter.Deliver();
  const bool goOn = m_setup.errorWindow->Ask(error, reason, path, keepShowing);
  m_keepShowing[kind] = keepShowing;
  if (!goOn) {
    SetStop(1);
  }
  return goOn;
}

void CCopyJob::RemoveEmptyVersionFolders() {
  if (!m_setup.filter || m_setup.filter->Settings().disposeMode != kDisposeVersions) {
    return;
  }
  // Empty "~Versions" folders go; folders that hold versions stay.
  for (const std::string& folder : m_versionFolderList) {
    platform::RemoveDirectory(folder);
  }
}

void CCopyJob::RemoveAbandonedFolders() {
  // Folders made ahead for items that a stop abandoned: they go again, innermost first,
  // unless something else has come into them (then they count as made).
  for (auto it = m_abandonedFolders.rbegin(); it != m_abandonedFolders.rend(); ++it) {
    if (platform::RemoveDirectory(*it) != EError::kNone && IsExistingFolder(*it)) {
      CountFolder();
    }
  }
  m_abandonedFolders.clear();
}

const CFilesListCtrlData* CCopyJob::NextRow(void (CCopyJob::*whileWaiting)()) {
  if (!m_feed) {
    const CPreviewList& list = *m_setup.list;
    return m_nextRow < list.Count() ? &list.Row(m_nextRow++) : nullptr;
  }
  while (true) {
    bool ended = false;
    if (const CFilesListCtrlData* row = m_feed->Next(ended)) {
      ++m_nextRow;
      return row;
    }
    // After a stop no more rows are needed, and nothing under way is finished: waiting here
    // for a row or a file would find the first file done, again and again, until the walk
    // has seen the stop too.
    if (ended || m_stop != 0) {
      return nullptr;
    }
    // The walk is behind: finish what is ready meanwhile, then wait for a row or a file.
    (this->*whileWaiting)();
    m_awaited = m_underWay.empty() ? nullptr : m_underWay.front().get();
    m_rowAwaited = true;
    std::unique_lock lock(m_eventMutex);
    m_event.wait(lock, [this] {
      return m_feed->Ready() || (!m_underWay.empty() && m_underWay.front()->done.load());
    });
    m_rowAwaited = false;
    m_awaited = nullptr;
  }
}

void CCopyJob::Notify() {
  // Taking the lock orders the change before the job's test of it: no wake-up is lost.
  { std::lock_guard lock(m_eventMutex); }
  m_event.notify_one();
}

void CCopyJob::CopyList() {
  if (m_workers) {
    CopyAtOnce();
  } else {
    CopyInTurn();
  }
}

void CCopyJob::CopyInTurn() {
  while (const CFilesListCtrlData* row = NextRow(&CCopyJob::NothingToDo)) {
    if (CheckPoint()) {
      break;
    }
    GoLiveOnceWalked();
    DoItem(*row);
  }
}

void CCopyJob::DoItem(const CFilesListCtrlData& row) {
  if (row.action == kActionCopy && row.size > kSmallFile) {
    // A large file may ask about a stop in its middle: that waits for the whole list.
    GoLive();
    if (CheckPoint()) {
      return;
    }
  }
  m_reporter.ItemStarted();
  switch (row.action) {
    case kActionCreate:
      CreateItem(row);
      break;
    case kActionDelete:
      DeleteItem(row);
      break;
    default: {
      SItem item;
      item.row = &row;
      PlanFile(row, item.plan);
      CopyItem(item);
      break;
    }
  }
}

void CCopyJob::CopyAtOnce() {
  while (true) {
    const CFilesListCtrlData* row = NextRow(&CCopyJob::FinishReady);
    if (row == nullptr) {
      // The last items may still hand rows out again (a file that ran out of space beside
      // others): the list is through only when they are all finished.
      const uint64_t takeBacks = m_takeBacks;
      if (m_stop == 0) {
        FinishAll();
      }
      if (m_stop == 0 && TakenBack(takeBacks, nullptr)) {
        continue;
      }
      break;
    }
    if (CheckPoint()) {
      break;
    }
    const uint64_t takeBacks = m_takeBacks;
    FinishReady();
    GoLiveOnceWalked();
    if (m_stop != 0) {
      break;
    }
    if (TakenBack(takeBacks, nullptr)) {
      continue;  // this row comes again
    }
    Dispatch(*row);
    if (m_stop != 0) {
      break;
    }
  }
  AbandonAll();  // what a stop left under way
}

void CCopyJob::Dispatch(const CFilesListCtrlData& row) {
  const uint64_t takeBacks = m_takeBacks;
  auto item = std::make_unique<SItem>();
  item->row = &row;
  item->rowIndex = LastRowIndex();
  if (row.action != kActionCopy) {
    // Folders to create and files to delete are done in turn as they are finished; a
    // deletion waits for a copy to the same name that is under way, and the other way round.
    if (row.action == kActionDelete) {
      item->conflictKey = m_lookup->Folder(WithBackslash(row.Folder())).path + row.name;
      if (m_underWayKeys.contains(item->conflictKey)) {
        FinishAll();
      }
    }
    if (!TakenBack(takeBacks, item.get())) {
      Enqueue(std::move(item), false);
    }
    return;
  }
  SFilePlan& plan = item->plan;
  if (PlanDestination(row, plan)) {
    // A file whose destination an item under way writes or deletes (a namesake in another
    // letter case) is looked at only once that item is done.
    item->conflictKey = plan.destination;
    if (m_underWayKeys.contains(item->conflictKey)) {
      FinishAll();
      if (m_stop != 0 || TakenBack(takeBacks, item.get())) {
        return;
      }
    }
    PlanExisting(row, plan);
  }
  if (plan.failure != EPlanFailure::kNone) {
    Enqueue(std::move(item), false);  // reported when it is finished
  } else if (row.size > kSmallFile || !FitsWhateverHappens(plan)) {
    CopyLargeFile(std::move(item));
  } else {
    item->spaceHeld = std::min<int64_t>(
        0, static_cast<int64_t>(RoundUp(plan.oldSize)) - static_cast<int64_t>(plan.needed));
    Enqueue(std::move(item), true);
  }
}

void CCopyJob::CopyLargeFile(std::unique_ptr<SItem> item) {
  // Copied alone, in turn: it may ask about a stop in its middle (once the whole list
  // stands), and whether it fits depends on everything before it.
  const uint64_t takeBacks = m_takeBacks;
  FinishAll();
  if (TakenBack(takeBacks, item.get())) {
    return;
  }
  if (m_stop == 0 && item->row->size > kSmallFile) {
    GoLive();
  }
  if (CheckPoint()) {
    Abandon(*item);
    return;
  }
  m_reporter.ItemStarted();
  CopyItem(*item);
}

void CCopyJob::Enqueue(std::unique_ptr<SItem> item, bool toWorkers) {
  const uint64_t takeBacks = m_takeBacks;
  WaitForRoom();
  if (m_stop != 0) {
    Abandon(*item);
    return;
  }
  if (TakenBack(takeBacks, item.get())) {
    return;
  }
  SItem* queued = item.get();
  if (!queued->conflictKey.empty()) {
    m_underWayKeys.insert(queued->conflictKey);
  }
  m_spaceHeld += queued->spaceHeld;
  queued->number = m_turn.Add(queued);
  m_underWay.push_back(std::move(item));
  if (!toWorkers) {
    queued->done = true;
    return;
  }
  try {
    m_workers->Submit([this, queued](char* buffer, size_t bufferSize) {
      try {
        CopyToTemporary(*queued, false, buffer, bufferSize);
        // A new file is named by the worker once every item before it is through: the
        // folder entries are made on several threads, and still in list order.
        if (queued->unnamed && queued->result.ok) {
          m_turn.Ready(queued->number);
        }
      } catch (...) {
        queued->failure = std::current_exception();
      }
      // Only the item the job's thread waits for wakes it: it then finishes all that are done.
      // (Both sides write, then read what the other wrote, in one order: no wake-up is lost.)
      queued->done.store(true);
      if (m_awaited.load() == queued) {
        Notify();
      }
    });
  } catch (...) {
    queued->failure = std::current_exception();
    queued->done = true;
  }
}

void CCopyJob::WaitUntilDone(const SItem& item) {
  m_awaited = &item;
  std::unique_lock lock(m_eventMutex);
  m_event.wait(lock, [&item] { return item.done.load(); });
  m_awaited = nullptr;
}

void CCopyJob::WaitForRoom() {
  // With the workers behind, room is made for half the window at a time: the job's thread
  // and the workers then take turns in batches, not item by item, each turn a wake-up.
  while (m_underWay.size() >= m_window && m_stop == 0) {
    WaitUntilDone(*m_underWay[(m_underWay.size() - 1) / 2]);
    // Files end out of order: the first may still be under way, and nothing is finished
    // before it.
    WaitUntilDone(*m_underWay.front());
    FinishReady();
  }
}

void CCopyJob::FinishReady() {
  while (!m_underWay.empty() && m_underWay.front()->done.load(std::memory_order_acquire)) {
    if (CheckPoint()) {
      return;
    }
    std::unique_ptr<SItem> item = std::move(m_underWay.front());
    m_underWay.pop_front();
    FinishItem(*item);
  }
}

void CCopyJob::FinishAll() {
  while (!m_underWay.empty() && m_stop == 0) {
    WaitUntilDone(*m_underWay.front());
    FinishReady();
  }
}

void CCopyJob::FinishItem(SItem& item) {
  // Whatever a worker's turn did to the item is seen from here on.
  m_turn.Settle(item.number);
  FinishInTurn(item);
  m_turn.Pass(item.number);
}

void CCopyJob::FinishInTurn(SItem& item) {
  m_underWayKeys.erase(item.conflictKey);
  m_spaceHeld -= item.spaceHeld;
  if (item.failure) {
    Abandon(item);
    std::rethrow_exception(item.failure);
  }
  m_reporter.ItemStarted();
  switch (item.row->action) {
    case kActionCreate:
      CreateItem(*item.row);
      return;
    case kActionDelete:
      DeleteItem(*item.row);
      return;
    default:
      break;
  }
  if (!ReportPlan(item.plan)) {
    return;
  }
  m_reporter.CurrentItem(*item.row, true);
  if (RanOutBesideOthers(item)) {
    CopyAgainAlone(item);
  } else {
    for (const uint64_t bytes : item.writes) {
      m_reporter.BytesWritten(bytes);
    }
  }
  CompleteItem(item);
}

bool CCopyJob::RanOutBesideOthers(const SItem& item) const {
  return !item.result.ok && item.result.diskFull && !m_underWay.empty() && m_stop == 0;
}

void CCopyJob::CopyAgainAlone(SItem& item) {
  // The temporary files of the files after it took space that a copy in turn would have
  // left to this one.
  TakeBackUnderWay();
  Discard(item);
  item.writes.clear();
  item.result = SFileResult{};
  item.attributesGiven = false;
  CopyToTemporary(item, true, m_setup.buffer.data(), m_setup.buffer.size());
}

bool CCopyJob::TakenBack(uint64_t takeBacks, SItem* item) {
  if (takeBacks == m_takeBacks) {
    return false;
  }
  if (item != nullptr) {
    PlanGoesBack(item->plan);
  }
  return true;
}

void CCopyJob::PlanGoesBack(const SFilePlan& plan) {
  // Planned again, its folder is made sure of (and counted) again.
  if (plan.countsFolder) {
    m_madeSure.RemoveKey(plan.folder);
  }
  // And the folders it made are made again, as its own, so that a stop that abandons it
  // takes them away too. Only empty folders go, and only its own folder and those above it:
  // a "~Versions" folder stays known as made, and so stays.
  for (auto it = plan.madeFolders.rbegin(); it != plan.madeFolders.rend(); ++it) {
    if (plan.folder.size() > it->size() && plan.folder.starts_with(*it) &&
        plan.folder[it->size()] == '\\') {
      platform::RemoveDirectory(*it);
    }
  }
}

void CCopyJob::TakeBackUnderWay() {
  if (m_underWay.empty()) {
    return;
  }
  ++m_takeBacks;
  // The file that ran out is not through, so none after it was named; none will be now.
  m_turn.Close();
  const size_t first = m_underWay.front()->rowIndex;
  for (const std::unique_ptr<SItem>& item : m_underWay) {
    WaitUntilDone(*item);
    Discard(*item);
  }
  // Once nothing of theirs is left in their folders, innermost first.
  for (auto it = m_underWay.rbegin(); it != m_underWay.rend(); ++it) {
    PlanGoesBack((*it)->plan);
  }
  m_underWay.clear();
  m_underWayKeys.clear();
  m_spaceHeld = 0;
  m_turn.Reopen();
  if (m_feed) {
    m_feed->Rewind(first);
  }
  m_nextRow = first;
}

void CCopyJob::Discard(SItem& item) {
  if (item.linked) {
    // Named in its turn but never reported: the destination keeps only what the run tells of.
    item.to.Unlink(item.plan.destination);
    item.linked = false;
  }
  item.to.Close();
  item.guard.Close();
  if (!item.temporary.empty()) {
    platform::DeleteFile(item.temporary);
    item.temporary.clear();
  }
}

void CCopyJob::Abandon(SItem& item) {
  Discard(item);
  m_abandonedFolders.insert(m_abandonedFolders.end(), item.plan.madeFolders.begin(),
                            item.plan.madeFolders.end());
}

void CCopyJob::AbandonAll() {
  // Only after a stop (or a failure that ended the run): every worker soon sees it.
  m_turn.Close();
  for (const std::unique_ptr<SItem>& item : m_underWay) {
    WaitUntilDone(*item);
    Abandon(*item);
  }
  m_underWay.clear();
  m_underWayKeys.clear();
  m_spaceHeld = 0;
  m_turn.Reopen();
}

bool CCopyJob::FitsWhateverHappens(const SFilePlan& plan) const {
  // The items under way may all succeed: what they would take is taken already.
  return static_cast<int64_t>(plan.needed) <= m_freeSpace + m_spaceHeld;
}

bool CCopyJob::MakeFolder(const std::string& path) {
  if (CreateFolderPath(path)) {
    return true;
  }
  ReportFolderFailure(path);
  return false;
}

void CCopyJob::ReportFolderFailure(const std::string& path) {
  const std::string shown = DisplayFolder(path);
  if (!m_messages.Contains(kMsgFolderFailed, "", shown)) {
    m_messages.Add(kMsgFolderFailed, "", shown);
    ErrorWindow(kFolderWindow, "Could not create a folder.", "", shown);
  }
}

bool CCopyJob::MakeSure(const std::string& folder, CMapCIStringToPtr& done, SFilePlan& plan) {
  if (done.Contains(folder)) {
    return true;
  }
  if (!CreateFolderPath(folder, &plan.madeFolders)) {
    plan.failure = EPlanFailure::kFolder;
    plan.failurePath = folder;
    return false;
  }
  done.SetAt(folder, nullptr);
  return true;
}

void CCopyJob::CreateItem(const CFilesListCtrlData& row) {
  const SDestinationFolder target = m_lookup->Folder(WithBackslash(row.FullPath()));
  if (!target.link.empty()) {
    const std::string shown = DisplayFolder(row.FullPath());
    const std::string reason = LinkInTheWayText(target.link);
    m_messages.Add(kMsgFolderFailed, reason, shown);
    ErrorWindow(kFolderWindow, "Could not create a folder.", reason, shown);
  } else if (const std::string path = DisplayFolder(target.path);
             !IsExistingFolder(path) && MakeFolder(path)) {
    CountFolder();
  }
  m_reporter.ItemDone(CEstCopyTime::kItemUnits);
}

void CCopyJob::DeleteItem(const CFilesListCtrlData& row) {
  m_reporter.CurrentItem(row, false);
  const SDestinationFolder target = m_lookup->Folder(WithBackslash(row.Folder()));
  if (!target.link.empty()) {
    // Deleting through the link would delete a file that is not the backup's.
    m_messages.Add(kMsgNotCopied, LinkInTheWayText(target.link), row.FullPath());
    ErrorWindow(kNotCopiedWindow, "Could not copy a file.", LinkInTheWayText(target.link),
                row.FullPath());
    return;
  }
  // Only the very name listed goes. Where the disk takes two spellings for one name, another
  // spelling is another file: the copy of a renamed source file, just written.
  const auto entry = m_lookup->Entry(target.path, row.name);
  const std::string path = target.path + row.name;
  if (!entry || entry->name != row.name || m_written.contains(path) ||
      platform::DeleteFile(path) != EError::kNone) {
    return;  // a stray file that cannot be deleted is passed over
  }
  m_lookup->Changed(target.path, {}, row.name);
  m_freeSpace += static_cast<int64_t>(RoundUp(row.size));
  ++m_filesDone;
  ++m_queueFiles;
  const std::string folder = WithBackslash(row.Folder());
  if (!m_madeSure.Contains(folder)) {
    m_madeSure.SetAt(folder, nullptr);
    CountFolder();
  }
  m_reporter.ItemDone(CEstCopyTime::kItemUnits);
}

void CCopyJob::CopyItem(SItem& item) {
  if (!ReportPlan(item.plan)) {
    return;
  }
  m_reporter.CurrentItem(*item.row, true);
  if (!MakeRoom(item.plan)) {
    return;
  }
  CopyToTemporary(item, true, m_setup.buffer.data(), m_setup.buffer.size());
  CompleteItem(item);
}

void CCopyJob::PlanFile(const CFilesListCtrlData& row, SFilePlan& plan) {
  if (PlanDestination(row, plan)) {
    PlanExisting(row, plan);
  }
}

bool CCopyJob::PlanDestination(const CFilesListCtrlData& row, SFilePlan& plan) {
  plan.row = &row;
  if (row.Folder().size() < 3) {
    plan.failure = EPlanFailure::kSkipped;
    return false;
  }
  plan.name = row.name;
  const std::string sourceFolder = WithBackslash(row.Folder());
  plan.source = sourceFolder + row.name;
  std::string requested = m_setup.destinationRoot;
  if (m_setup.copyMode != kCopyGather && sourceFolder.size() > m_setup.sourceRoot.size()) {
    requested += sourceFolder.substr(m_setup.sourceRoot.size());
  }
  // The destination folder as it is spelt on disk; a link below the root is never written
  // through.
  const SDestinationFolder target = m_lookup->Folder(requested);
  if (!target.link.empty()) {
    plan.failure = EPlanFailure::kLink;
    plan.failurePath = target.link;
    return false;
  }
  plan.folder = target.path;
  plan.destination = plan.folder + row.name;
  return true;
}

void CCopyJob::PlanExisting(const CFilesListCtrlData& row, SFilePlan& plan) {
  const CFilter& filter = *m_setup.filter;
  if (!m_madeSure.Contains(plan.folder)) {
    if (!MakeSure(plan.folder, m_madeSure, plan)) {
      return;
    }
    plan.countsFolder = true;
    // A folder just made holds nothing: its files need not be looked for.
    if (!plan.madeFolders.empty() &&
        plan.madeFolders.back() ==
            std::string_view(plan.folder).substr(0, plan.folder.size() - 1)) {
      m_lookup->Made(plan.folder);
    }
  }
  // The file it replaces may be spelt otherwise; the copy takes the source's spelling.
  if (const auto existing = m_lookup->Entry(plan.folder, row.name)) {
    plan.existingName = existing->name;
    plan.existing = plan.folder + existing->name;
  }
  std::string reason;
  if (!plan.existing.empty() && filter.IsProtectedDestination(plan.existing, reason)) {
    plan.failure = EPlanFailure::kProtected;
    plan.failureReason = std::move(reason);
    return;
  }
  if (VersionsApply(filter.Settings(), row.size) && !MakeVersionsFolder(plan)) {
    return;
  }
  plan.oldSize = !plan.existing.empty() && !filter.OldFilesKept() ? SizeOf(plan.existing) : 0;
  plan.needed = RoundUp(row.size);
}

bool CCopyJob::MakeVersionsFolder(SFilePlan& plan) {
  const SDestinationFolder versions = m_lookup->Folder(plan.folder + "~Versions\\");
  if (!versions.link.empty()) {
    plan.failure = EPlanFailure::kLink;
    plan.failurePath = versions.link;
    return false;
  }
  plan.versionsFolder = versions.path;
  if (m_versionFolders.Contains(plan.versionsFolder)) {
    return true;
  }
  if (!MakeSure(plan.versionsFolder, m_versionFolders, plan)) {
    return false;
  }
  // Only a folder this copy makes is taken away again when it stays empty.
  if (!versions.exists) {
    m_versionFolderList.push_back(plan.versionsFolder);
  }
  return true;
}

bool CCopyJob::ReportPlan(const SFilePlan& plan) {
  if (plan.countsFolder) {
    CountFolder();
  }
  switch (plan.failure) {
    case EPlanFailure::kNone:
      return true;
    case EPlanFailure::kSkipped:
      break;
    case EPlanFailure::kLink:
      FailLink(plan.source, plan.failurePath);
      break;
    case EPlanFailure::kFolder:
      ReportFolderFailure(plan.failurePath);
      break;
    case EPlanFailure::kProtected:
      m_messages.Add(kMsgSkipped, plan.failureReason, plan.existing);
      break;
  }
  return false;
}

bool CCopyJob::MakeRoom(SFilePlan& plan) {
  if (static_cast<int64_t>(plan.needed) <= m_freeSpace) {
    return true;
  }
  const uint64_t current = plan.existing.empty() ? 0 : SizeOf(plan.existing);
  if (static_cast<int64_t>(RoundUp(current)) + m_freeSpace < static_cast<int64_t>(plan.needed)) {
    ReportDriveFull(plan.source);
    return false;
  }
  // It fits only in the old copy's place. The old copy is still given up only once the new
  // data is complete: try, and report a full drive if it really does not fit.
  plan.tight = true;
  return true;
}

void CCopyJob::ReportDriveFull(const std::string& source) {
  m_messages.Add(kMsgDriveFull, "", source);
  ErrorWindow(kDriveFullWindow, "There isn't enough space on the destination drive.", "", source);
}

void CCopyJob::CopyToTemporary(SItem& item, bool live, char* buffer, size_t bufferSize) {
  const SFilePlan& plan = item.plan;
  // A worker may take an item up while the copy is suspended or stopping: it waits, and
  // makes nothing after a stop.
  if (CheckPoint()) {
    item.result = Failed({});
    return;
  }
  if (!CreateTemporary(item)) {
    item.result = Failed("Could not open a temporary file.");
    return;
  }
  platform::CFile from;
  if (from.Open(plan.source, platform::EAccess::kRead, platform::EShare::kOthersMayRead) !=
      EError::kNone) {
    // Looked up by attributes, not by a search: "*" and "?" are ordinary in names here.
    item.result = Failed(Exists(plan.source) ? "This source file is in use."
                                             : "This source file is missing.");
    return;
  }
  item.existing = plan.existing;
  if (SFileResult held = HoldExisting(item.guard, item.existing); !held.ok) {
    item.result = std::move(held);
    return;
  }
  if (SFileResult copied = CopyData(from, item.to, item, live, buffer, bufferSize); !copied.ok) {
    item.result = std::move(copied);
    return;
  }
  if (SFileResult completed = CompleteData(from, item.to, !item.existing.empty()); !completed.ok) {
    item.result = std::move(completed);
    return;
  }
  // The source's attributes as it was copied, read through the open file.
  const platform::SFileInfo& info = from.Info();
  item.source = SSourceState{info.attributes, info.times.lastWrite, info.size};
  from.Close();
  if (!item.unnamed) {
    item.to.Close();
    return;
  }
  // A new file gets its attributes before it has a name, so it comes into view complete;
  // one that is to be verified gets them only once it has passed.
  if (!m_verify) {
    const auto given =
        m_setup.filter->FreshDestinationAttributes(item.source.attributes, plan.name);
    item.attributesGiven = !given || item.to.SetAttributes(*given, plan.name) == EError::kNone;
  }
}

bool CCopyJob::CreateTemporary(SItem& item) {
  const SFilePlan& plan = item.plan;
  // A file copied again may get a named temporary file where its first try had none.
  item.unnamed = false;
  // A new file is written without a name and named once it is complete: the folder changes
  // once, not twice (no temporary name to make and rename), and a run that is killed leaves
  // nothing behind. A file that replaces another needs a name to go through the disposal.
  if (plan.existing.empty() && m_unnamedOffered.load(std::memory_order_relaxed)) {
    const EError made = item.to.CreateUnnamed(plan.folder);
    if (made == EError::kNone) {
      item.unnamed = true;
      return true;
    }
    if (made == EError::kNotSupported) {
      m_unnamedOffered.store(false, std::memory_order_relaxed);
    }
  }
  // The temporary file is made, and held, at once under a fresh name.
  if (item.to.CreateTemporary(plan.folder, "BV", item.temporary) != EError::kNone) {
    item.temporary.clear();
    return false;
  }
  return true;
}

void CCopyJob::CompleteItem(SItem& item) {
  SFileResult result = std::move(item.result);
  if (result.ok) {
    result = PutCopyInPlace(item);
  }
  if (result.ok) {
    FinishCopied(item.plan, result.placed, item.source, item.attributesGiven);
    return;
  }
  item.to.Close();
  item.guard.Close();
  if (!item.temporary.empty() && !result.keepTemporary) {
    platform::DeleteFile(item.temporary);
  }
  FailFile(item.plan, result);
}

CCopyJob::SFileResult CCopyJob::PutCopyInPlace(SItem& item) {
  if (item.linked) {
    return NameNewCopy(item);  // named in its turn: in place already, stop or not
  }
  if (m_stop != 0) {
    return Failed({});
  }
  // The old versions are pruned and renumbered only now that the new data is complete, so
  // that a copy that fails or is abandoned leaves them as they were.
  std::string renameTo;
  if (!item.existing.empty() && !item.plan.versionsFolder.empty()) {
    renameTo = m_versions->RenameToPath(item.plan.versionsFolder, item.plan.name,
                                        m_setup.filter->Settings().versionLimit);
  }
  if (SFileResult cleared = ClearRenameTo(renameTo); !cleared.ok) {
    return cleared;
  }
  item.guard.Close();
  if (item.unnamed) {
    return NameNewCopy(item);
  }
  return PutInPlace(item.plan, item.existing, item.temporary, renameTo);
}

CCopyJob::SFileResult CCopyJob::NameNewCopy(SItem& item) {
  const EError named = item.linked ? EError::kNone : item.to.LinkAs(item.plan.destination);
  item.to.Close();
  if (named != EError::kNone) {
    return Failed(RenameFailedText(item.plan.destination));
  }
  SFileResult result;
  result.placed = item.plan.destination;
  return result;
}

bool CCopyJob::NameInTurn(SItem& item) {
  // While the run stops nothing more comes into view; the job's thread decides on the item.
  if (m_stop != 0) {
    return false;
  }
  try {
    if (item.to.LinkAs(item.plan.destination) == EError::kNone) {
      item.linked = true;
    } else {
      item.result = Failed(RenameFailedText(item.plan.destination));
    }
  } catch (...) {
    // Left to the job's thread, which names it when it finishes it. The turn moves on all the
    // same: held here, another worker could take the item up again while that thread names it.
  }
  return true;
}

void CCopyJob::FinishCopied(const SFilePlan& plan, const std::string& placed,
                            const SSourceState& source, bool attributesGiven) {
  // A later "delete" item of this folder must not take the file just written.
  m_written.insert(placed);
  const std::string_view placedName = std::string_view(placed).substr(plan.folder.size());
  m_lookup->Changed(plan.folder, placedName,
                    plan.existingName != placedName ? plan.existingName : std::string());
  ++m_filesDone;
  ++m_queueFiles;
  m_freeSpace += static_cast<int64_t>(RoundUp(plan.oldSize)) - static_cast<int64_t>(plan.needed);
  m_reporter.ItemDone(CEstCopyTime::kFileUnits);
  const std::string difference = m_verify ? CompareFileContents(plan.source, placed) : "";
  if (difference.empty()) {
    GiveAttributes(plan, placed, source, attributesGiven);
  } else {
    // A copy that does not match leaves its source archive-marked, so that the next run
    // copies it again.
    m_messages.Add(kMsgCompareFailed, difference, plan.source);
    ErrorWindow(kCompareWindow, "The copied file does not match its source file.", difference,
                plan.source);
  }
  // The file is in place: it gets its security settings even when the copy stops now.
  if (m_copySecurity) {
    CopySecurity(plan.source, placed);
  }
  if (m_finishThenStop) {
    SetStop(1);
  }
}

void CCopyJob::FailFile(const SFilePlan& plan, const SFileResult& result) {
  m_reporter.FileFailed();
  if (m_stop != 0) {
    return;  // abandoned at the user's word: no failure
  }
  if (plan.tight && result.diskFull) {
    ReportDriveFull(plan.source);
  } else {
    m_messages.Add(kMsgNotCopied, result.error, plan.source);
    ErrorWindow(kNotCopiedWindow, "Could not copy a file.", result.error, plan.source);
  }
  // The user asked to stop once this file was done; failing it is done with it too.
  if (m_finishThenStop) {
    SetStop(1);
  }
}

CCopyJob::SFileResult CCopyJob::Failed(std::string error, bool diskFull) {
  SFileResult result;
  result.ok = false;
  result.error = std::move(error);
  result.diskFull = diskFull;
  return result;
}

bool CCopyJob::FinishAfterStop(const std::string& source, const std::string& destination) {
  const std::string question = platform::Format(
      "Do you want to finish copying \"%.259s\" to \"%.259s\"?\n\nClick Cancel to resume "
      "copying files.",
      source.c_str(), destination.c_str());
  GoLive();
  m_reporter.Deliver();
  const EAnswer answer =
      m_setup.prompter != nullptr
          ? m_setup.prompter->Ask(
                SPrompt{question, {}, EButtons::kYesNoCancel, EIcon::kQuestion, EAnswer::kYes})
          : EAnswer::kNo;
  if (answer == EAnswer::kNo) {
    return false;
  }
  m_finishThenStop = answer == EAnswer::kYes;
  SetStop(0);
  m_reporter.ItemStarted();
  return true;
}

CCopyJob::SFileResult CCopyJob::CopyData(platform::CFile& from, platform::CFile& to, SItem& item,
                                         bool live, char* buffer, size_t bufferSize) {
  // What the source held when it was opened; once the kernel has copied that much, no
  // further call is made to find the end.
  const uint64_t expected = from.Info().size;
  // Only a large file asks whether to finish it when a stop comes in its middle; a small
  // one is abandoned, as it would be before its first byte.
  const bool mayAsk = live && item.row->size > kSmallFile;
  uint64_t written = 0;
  uint64_t writebackMark = 0;
  while (expected == 0 || written != expected) {
    if (CheckPoint() &&
        (written == 0 || !mayAsk || !FinishAfterStop(item.plan.source, item.plan.destination))) {
      return Failed({});
    }
    size_t done = 0;
    bool readFailed = false;
    const EError result = to.CopyFrom(from, buffer, bufferSize, done, readFailed);
    if (result != EError::kNone) {
      return readFailed ? Failed("Could not read from this source file.")
                        : Failed("Not all of the source-file bytes were copied.",
                                 result == EError::kDiskFull);
    }
    if (done == 0) {
      break;
    }
    written += done;
    // A large file goes to the disk as it is copied rather than all at the run's end.
    if (written - writebackMark >= kWritebackStep) {
      to.StartWriteback();
      writebackMark = written;
    }
    if (live) {
      m_reporter.BytesWritten(done);
    } else {
      item.writes.push_back(done);
    }
  }
  return {};
}

CCopyJob::SFileResult CCopyJob::DisposeOld(const std::string& existing,
                                           const std::string& temporary,
                                           const std::string& renameTo) {
  if (!renameTo.empty()) {
    if (platform::MoveFile(existing, renameTo) != EError::kNone) {
      return Failed(platform::Format(
          "Could not rename the old destination file to the rename-to filename: \"%.259s\", "
          "\"%.259s\"",
          existing.c_str(), renameTo.c_str()));
    }
    return {};
  }
  if (!RecycleOld()) {
    // Deleting the old file and renaming the new one into place is one step: the name never
    // stands empty.
    if (platform::ReplaceFile(temporary, existing) != EError::kNone) {
      return Failed(platform::Format("Could not delete the old destination file: \"%.259s\"",
                                     existing.c_str()));
    }
    SFileResult replaced;
    replaced.placed = existing;
    return replaced;
  }
  platform::SetFileAttributes(existing, platform::kAttrNormal);
  if (platform::ShellDelete(existing, true) != EError::kNone) {
    return Failed(platform::Format("Could not recycle the old destination file: \"%.259s\"",
                                   existing.c_str()));
  }
  return {};
}

CCopyJob::SFileResult CCopyJob::HoldExisting(platform::CFile& guard, std::string& existing) {
  if (existing.empty()) {
    return {};
  }
  EError locked = guard.Open(existing, platform::EAccess::kReadWrite, platform::EShare::kNoSharing);
  if (locked == EError::kFileNotFound) {
    existing.clear();  // gone meanwhile: nothing to keep from others
    return {};
  }
  if (locked == EError::kAccessDenied &&
      (platform::GetFileAttributes(existing) & platform::kAttrReadOnly) != 0) {
    // A read-only file cannot be opened for writing; reading still shows whether a writer
    // holds it.
    locked = guard.Open(existing, platform::EAccess::kRead, platform::EShare::kNoSharing);
  }
  if (locked != EError::kNone) {
    return Failed(platform::Format("The destination file is in use: \"%.259s\"", existing.c_str()));
  }
  return {};
}

CCopyJob::SFileResult CCopyJob::CompleteData(platform::CFile& from, platform::CFile& to,
                                             bool replacing) {
  // The times go onto the new data before it takes the destination's name (a rename keeps
  // them); a failure to set them is no failure of the copy. They are the source's as it was
  // opened, so that its copy is stamped before this copy read it.
  const platform::SFileTimes& times = from.Info().times;
  to.SetTimes(&times.lastAccess, &times.lastWrite);
  // A file that replaces an older copy must be on the disk before the older copy goes.
  if (replacing) {
    const EError flushed = to.Flush();
    if (flushed != EError::kNone) {
      // Space that delayed allocation could not find counts as a full drive.
      return Failed("Not all of the source-file bytes were copied.", flushed == EError::kDiskFull);
    }
  }
  return {};
}

CCopyJob::SFileResult CCopyJob::ClearRenameTo(const std::string& renameTo) {
  if (renameTo.empty() || !Exists(renameTo)) {
    return {};
  }
  platform::SetFileAttributes(renameTo, platform::kAttrNormal);
  if (platform::ShellDelete(renameTo, RecycleOld()) != EError::kNone) {
    return Failed(platform::Format(RecycleOld() ? "Could not recycle the rename-to file: \"%.259s\""
                                                : "Could not delete the rename-to file: \"%.259s\"",
                                   renameTo.c_str()));
  }
  return {};
}

CCopyJob::SFileResult CCopyJob::PutInPlace(const SFilePlan& plan, const std::string& existing,
                                           const std::string& temporary,
                                           const std::string& renameTo) {
  SFileResult result;
  if (!existing.empty()) {
    result = DisposeOld(existing, temporary, renameTo);
    if (!result.ok) {
      return result;
    }
  }
  if (!result.placed.empty()) {
    // The new data has the old file's name; it takes the source's spelling of it.
    if (existing != plan.destination &&
        platform::ChangeNameCase(existing, plan.destination) != EError::kNone) {
      AddDebugMessage("Could not spell \"%.259s\" as \"%.259s\".", existing.c_str(),
                      plan.destination.c_str());
      return result;
    }
    result.placed = plan.destination;
    return result;
  }
  if (platform::MoveFile(temporary, plan.destination) != EError::kNone) {
    result = Failed(RenameFailedText(plan.destination));
    if (!existing.empty() && !RestoreOld(existing, renameTo)) {
      // The old copy has gone aside and cannot come back: the new data is all that is left.
      result.keepTemporary = true;
      result.error += platform::Format(" The new copy is kept as \"%.259s\".", temporary.c_str());
    }
    return result;
  }
  result.placed = plan.destination;
  return result;
}

bool CCopyJob::RestoreOld(const std::string& destination, const std::string& renameTo) {
  return !renameTo.empty() && platform::MoveFile(renameTo, destination) == EError::kNone;
}

void CCopyJob::GiveAttributes(const SFilePlan& plan, const std::string& destination,
                              const SSourceState& source, bool given) {
  const CFilter& filter = *m_setup.filter;
  // A destination that replaced its old copy by rename kept nothing of it: it is new too,
  // and most new files already have the attributes they are to have.
  if (const auto attributes =
          given ? std::nullopt
                : filter.FreshDestinationAttributes(source.attributes, LastName(destination))) {
    if (m_attributes) {
      m_attributes->Add(destination, *attributes);
    } else {
      platform::SetFileAttributes(destination, *attributes);
    }
  }
  if (filter.ClearsArchive(source.attributes)) {
    m_archiveMarks->Add(plan.source, source.lastWrite, source.size);
  }
}

void CCopyJob::CopySecurity(const std::string& source, const std::string& destination) {
  platform::EError error = EError::kNone;
  const auto security = platform::ReadFileSecurity(source, &error);
  if (!security) {
    m_messages.Add(kMsgSecurityFailed,
                   error == EError::kOutOfMemory
                       ? "Could not allocate the needed buffer.  Length needed: 0"
                       : "Could not read file-security information.",
                   source);
    return;
  }
  if (platform::WriteFileSecurity(destination, *security) != EError::kNone) {
    m_messages.Add(kMsgSecurityFailed, "Could not write file-security information.", source);
  }
}
