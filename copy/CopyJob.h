// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

#include "copy/ArchiveMarks.h"
#include "copy/AttributeWorker.h"
#include "copy/CopyMsgs.h"
#include "copy/CopyProgress.h"
#include "copy/CopyReporter.h"
#include "copy/CopyWorkers.h"
#include "copy/FileVersions.h"
#include "copy/NamingTurn.h"
#include "copy/RowFeed.h"
#include "core/CIStringMap.h"
#include "core/Message.h"
#include "core/ThreadJob.h"
#include "platform/DateTime.h"
#include "platform/File.h"
#include "preview/PreviewJob.h"
#include "rules/DestinationLookup.h"
#include "rules/Filter.h"

class CFilesListCtrlData;
class CPreviewList;
class CPrompter;

// A snapshot of the item being copied, posted to the window so that it can show the current
// file while the list item itself stays with the list.
struct CItemInfo {
  std::string name;
  std::string folder;
  platform::CDateTime modified;
  uint64_t size = 0;
  std::string type;
  std::string attributes;
  int32_t action = 0;
  int32_t listFlags = 0;
  int32_t reserved = 0;
};

// What a copy needs; the job owns the walk, the rules and the buffer for the run.
struct SCopySetup {
  const CPreviewList* list = nullptr;  // read item by item; not changed while the copy runs
  std::string sourceRoot;              // ends in a backslash
  std::string destinationRoot;         // ends in a backslash
  uint32_t clusterSize = 0;            // of the destination drive
  int32_t copyMode = 0;
  std::unique_ptr<CFilter> filter;
  std::vector<char> buffer;                 // a whole number of clusters
  int64_t freeSpace = 0;                    // of the destination drive
  CPrompter* prompter = nullptr;            // the finish-this-file question
  CCopyErrorWindow* errorWindow = nullptr;  // the questions after errors
  // How many files are copied at once: 0 sizes it to the machine; 1 copies every file in
  // turn on the job's own thread.
  int32_t workers = 0;
  // When set, the list is gathered while the copy goes on: this walk runs within the copy's
  // run, posts its rows and its done message to the target as the gathering of a Copy does
  // (the window's list fills as before), and hands the rows to the copy as it lists them;
  // `list` is not read. The copy's own messages all follow the walk's done message.
  std::unique_ptr<SPreviewSetup> walk;
};

// Carries out the preview list on a worker thread: creates folders, deletes stray files and
// copies files, each through a temporary file in its destination folder; the old destination
// file is given up only once the new data is complete. Every failure becomes a copy message.
//
// Small files are copied by several threads at once (CCopyWorkers) while the job's own
// thread plans the items and finishes them strictly in list order: only the job's thread
// renames, deletes, reports and asks, so the destination changes, the messages and the
// questions come as if one thread copied file after file, and a stop leaves every item after
// the last finished one as it was (the temporary files of the items under way are deleted).
class CCopyJob : public CThreadJob {
 public:
  CCopyJob() = default;
  ~CCopyJob() override;

  // Before Start, on the window thread.
  void SetUp(SCopySetup setup);
  // Queue mode keeps the messages and the counts across the profiles of a queue; entering
  // it starts them afresh.
  void SetQueueMode(bool on);
  bool QueueMode() const { return m_queueMode; }

  // Valid once the copy-done message has arrived.
  const CCopyMsgs& Messages() const { return m_messages; }
  CCopyMsgs& Messages() { return m_messages; }
  int32_t FilesDone() const { return m_filesDone; }       // this run
  int32_t ReportedFiles() const { return m_queueFiles; }  // this run, or the whole queue
  int32_t ReportedFolders() const { return m_queueFolders; }
  // Whether this run posted its setup message: a copy whose list was gathered while it ran
  // and stopped before it had done anything posts only its done message.
  bool CopyStarted() const { return m_copyStarted; }
  // How many threads copied files in the last run (1: the job's own thread alone).
  int32_t WorkersUsed() const { return m_workersUsed; }

  // Files up to this size are copied by the worker threads; larger ones by the job's own
  // thread, alone, where a stop in the middle asks whether to finish the file.
  static constexpr uint64_t kSmallFile = 1048576;

 protected:
  int32_t Run() override;
  void EndAfterFailure(const std::string& reason) override;

 private:
  enum EWindowKind { kCompareWindow, kFolderWindow, kDriveFullWindow, kNotCopiedWindow };
  // Why a listed file is not copied, found while its destination was looked at.
  enum class EPlanFailure { kNone, kSkipped, kLink, kFolder, kProtected };

  // Where one listed file goes, once its destination has been looked at.
  struct SFilePlan {
    const CFilesListCtrlData* row = nullptr;
    std::string name;            // the source's name, which the copy takes
    std::string source;          // its path
    std::string folder;          // the destination folder, as spelt on disk
    std::string destination;     // the folder and the source's name
    std::string existing;        // the old destination file (perhaps spelt otherwise), or empty
    std::string existingName;    // its name
    std::string versionsFolder;  // empty unless the old file is kept as a version
    uint64_t oldSize = 0;        // what replacing the old file gives back
    uint64_t needed = 0;         // the new file's size in whole clusters
    bool tight = false;          // it fits only in the old copy's place
    bool countsFolder = false;   // the destination folder was made sure of for this file
    std::vector<std::string> madeFolders;  // folders made for this file, outermost first
    EPlanFailure failure = EPlanFailure::kNone;
    std::string failurePath;    // the link, or the folder that could not be made
    std::string failureReason;  // why the destination is protected
  };
  // How a step of copying one file went.
  struct SFileResult {
    bool ok = true;
    std::string error;           // why not (empty when the user stopped it)
    bool diskFull = false;       // the write ran out of space
    bool keepTemporary = false;  // the temporary file holds the only copy of the new data
    std::string placed;          // where the new data stands once it has a name
  };
  // The source as the copy read it.
  struct SSourceState {
    uint32_t attributes = 0;
    platform::FileTime lastWrite = 0;
    uint64_t size = 0;
  };
  // One listed item on its way through the copy: planned, copied (perhaps by a worker) and
  // finished in list order.
  struct SItem {
    const CFilesListCtrlData* row = nullptr;
    size_t rowIndex = 0;  // its place among the rows, to hand it out again
    SFilePlan plan;
    std::string temporary;         // empty while the new data has no name
    platform::CFile to;            // the temporary file while it is written
    bool unnamed = false;          // `to` is a file without a name, open until it is named
    bool linked = false;           // named in its turn; `to` stays open until it is finished
    uint64_t number = 0;           // its place in the turn for naming new files
    bool attributesGiven = false;  // `to` has its attributes already
    platform::CFile guard;         // keeps the old destination file from others until it goes
    std::string existing;          // the old destination file, unless it went meanwhile
    SSourceState source;
    SFileResult result;
    std::vector<uint64_t> writes;  // the bytes of each write, reported when it is finished
    std::string conflictKey;       // its destination path, while it is under way
    int64_t spaceHeld = 0;         // what it may take from the free space, while under way
    std::exception_ptr failure;    // what a worker could not turn into a result
    std::atomic<bool> done{false};
  };
  static SFileResult Failed(std::string error, bool diskFull = false);

  // The steps of a run.
  void StartRun();
  void PostSetup(uint64_t startedMs);
  uint64_t ListedWork() const;
  void CopyList();
  void CopyInTurn();
  void CopyAtOnce();
  void RemoveEmptyVersionFolders();
  void RemoveAbandonedFolders();
  void EndRun();

  // The list, or the rows of the walk as they come; null at its end. `whileWaiting` runs
  // while the walk has no row ready.
  const CFilesListCtrlData* NextRow(void (CCopyJob::*whileWaiting)());
  // The index the row last handed out had.
  size_t LastRowIndex() const { return m_nextRow - 1; }
  void NothingToDo() {}

  // The walk of a copy that gathers its list as it goes.
  void StartWalk();
  void JoinWalk();
  // Once the whole list stands: the copy's setup and everything held is posted, and the
  // reports go out as they happen from then on. Waits for the walk to end.
  void GoLive();
  void GoLiveOnceWalked();

  // One item in turn, on the job's thread.
  void DoItem(const CFilesListCtrlData& row);
  void CreateItem(const CFilesListCtrlData& row);
  void DeleteItem(const CFilesListCtrlData& row);
  void CopyItem(SItem& item);
  bool MakeFolder(const std::string& path);
  // Makes a folder of a file's plan, once per run; false (recorded in the plan) when it
  // cannot be made.
  bool MakeSure(const std::string& folder, CMapCIStringToPtr& done, SFilePlan& plan);
  void ReportFolderFailure(const std::string& path);

  // Several items at once: handed out in list order, finished in list order.
  void Dispatch(const CFilesListCtrlData& row);
  void Enqueue(std::unique_ptr<SItem> item, bool toWorkers);
  void CopyLargeFile(std::unique_ptr<SItem> item);
  void FinishReady();
  void FinishAll();
  void WaitForRoom();
  void WaitUntilDone(const SItem& item);
  void FinishItem(SItem& item);
  void FinishInTurn(SItem& item);
  // Names a complete new file when its turn comes, on whichever thread that is.
  bool NameInTurn(SItem& item);
  void Abandon(SItem& item);
  // What an item that will not be finished leaves behind goes: its temporary file, and the
  // name of a new file named in its turn.
  void Discard(SItem& item);
  void AbandonAll();
  // A file that ran out of space while others were copied beside it: they go back to be
  // handed out again, and it is copied again alone, as it would have been in turn.
  bool RanOutBesideOthers(const SItem& item) const;
  void TakeBackUnderWay();
  // A planned item goes back to be planned again: its folder is made sure of again, and the
  // folders it made go, to be made again.
  void PlanGoesBack(const SFilePlan& plan);
  void CopyAgainAlone(SItem& item);
  // Whether items were taken back since `takeBacks` was read: an item being handed out then
  // goes back too (its folder, made already, to be made sure of again).
  bool TakenBack(uint64_t takeBacks, SItem* item);
  bool FitsWhateverHappens(const SFilePlan& plan) const;
  void Notify();

  // The steps of a copy item. The plan records why a file is not to be copied; reporting it
  // is left to the caller, which does it in list order.
  void PlanFile(const CFilesListCtrlData& row, SFilePlan& plan);
  bool PlanDestination(const CFilesListCtrlData& row, SFilePlan& plan);
  void PlanExisting(const CFilesListCtrlData& row, SFilePlan& plan);
  bool MakeVersionsFolder(SFilePlan& plan);
  // Counts the folder made for the file and reports why it is not copied; false then.
  bool ReportPlan(const SFilePlan& plan);
  // False when the file cannot fit even in its old copy's place (reported).
  bool MakeRoom(SFilePlan& plan);
  void ReportDriveFull(const std::string& source);
  // Copies the source into a new temporary file, on a worker or on the job's thread
  // (`live`: the writes are reported as they happen, and a large file may ask about a stop).
  void CopyToTemporary(SItem& item, bool live, char* buffer, size_t bufferSize);
  bool CreateTemporary(SItem& item);
  // Puts the new data in place of the old destination file and reports the file.
  void CompleteItem(SItem& item);
  SFileResult PutCopyInPlace(SItem& item);
  SFileResult NameNewCopy(SItem& item);
  void FinishCopied(const SFilePlan& plan, const std::string& placed, const SSourceState& source,
                    bool attributesGiven);
  void FailFile(const SFilePlan& plan, const SFileResult& result);

  // The steps of copying one file. `existing` is cleared when the old file went meanwhile.
  SFileResult HoldExisting(platform::CFile& guard, std::string& existing);
  SFileResult CopyData(platform::CFile& from, platform::CFile& to, SItem& item, bool live,
                       char* buffer, size_t bufferSize);
  // Asked when a stop comes in the middle of a file; false: abandon the file.
  bool FinishAfterStop(const std::string& source, const std::string& destination);
  SFileResult CompleteData(platform::CFile& from, platform::CFile& to, bool replacing);
  SFileResult ClearRenameTo(const std::string& renameTo);
  SFileResult PutInPlace(const SFilePlan& plan, const std::string& existing,
                         const std::string& temporary, const std::string& renameTo);
  // `placed` is set when the new data took the old file's name in the same step.
  SFileResult DisposeOld(const std::string& existing, const std::string& temporary,
                         const std::string& renameTo);
  bool RestoreOld(const std::string& destination, const std::string& renameTo);
  // `given`: the destination has its attributes already.
  void GiveAttributes(const SFilePlan& plan, const std::string& destination,
                      const SSourceState& source, bool given);
  void CopySecurity(const std::string& source, const std::string& destination);
  // The error window, when it is to be shown; false when the user chose to stop.
  bool ErrorWindow(EWindowKind kind, const std::string& error, const std::string& reason,
                   const std::string& path);
  void EndEarly(const std::string& reason);
  // A file not copied because its destination path leads through a link to a folder.
  void FailLink(const std::string& source, const std::string& link);
  uint64_t RoundUp(uint64_t size) const;
  bool RecycleOld() const;
  void CountFolder();

  SCopySetup m_setup;
  bool m_queueMode = false;
  bool m_stopOnError = true;
  bool m_verify = false;
  bool m_copySecurity = false;
  bool m_finishThenStop = false;
  bool m_destinationFixed = false;
  bool m_copyStarted = false;
  bool m_outOfMemory = false;
  int32_t m_messagesAtStart = 0;
  int32_t m_workersUsed = 1;
  uint64_t m_startedMs = 0;
  int64_t m_freeSpace = 0;
  static constexpr uint64_t kWritebackStep = 16 * 1048576;
  int32_t m_filesDone = 0;
  int32_t m_queueFiles = 0;
  int32_t m_queueFolders = 0;
  std::array<bool, 4> m_keepShowing{true, true, true, true};
  CCopyMsgs m_messages;
  // Posts go out a few times a second; every question first delivers what is held.
  CCopyReporter m_reporter;
  CMapCIStringToPtr m_madeSure;
  CMapCIStringToPtr m_versionFolders;
  std::vector<std::string> m_versionFolderList;  // made by this run, in the order made
  std::unique_ptr<CFileVersions> m_versions;
  std::unique_ptr<CAttributeWorker> m_attributes;
  std::unique_ptr<CArchiveMarks> m_archiveMarks;
  std::optional<CDestinationLookup> m_lookup;  // for the run
  std::unordered_set<std::string> m_written;   // destination files this run wrote

  // Where the rows come from.
  size_t m_nextRow = 0;  // of the list, or of the feed
  std::unique_ptr<CRowFeed> m_feed;
  CPreviewJob m_walk;
  std::thread m_walkThread;
  std::atomic<bool> m_walkEnded{false};

  // The items under way, in list order, and what they hold. The workers go first, as they
  // work on the items and tell of their progress through the event.
  std::mutex m_eventMutex;
  std::condition_variable m_event;
  std::atomic<const SItem*> m_awaited{nullptr};  // the item the job's thread waits for
  std::atomic<bool> m_rowAwaited{false};         // the job's thread waits for the walk
  std::deque<std::unique_ptr<SItem>> m_underWay;
  size_t m_window = 0;  // how many items may be under way
  CNamingTurn<SItem> m_turn;
  // Whether the destination takes files without a name; cleared, for the run, at the first
  // that it does not.
  std::atomic<bool> m_unnamedOffered{true};
  uint64_t m_takeBacks = 0;
  int64_t m_spaceHeld = 0;
  // The destination paths of the items under way, whatever their letter case.
  std::unordered_set<std::string, CMapCIStringToPtr::SHash, CMapCIStringToPtr::SEqual>
      m_underWayKeys;
  std::vector<std::string> m_abandonedFolders;  // made for items that were abandoned
  std::unique_ptr<CCopyWorkers> m_workers;
};
