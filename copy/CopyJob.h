// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "copy/AttributeWorker.h"
#include "copy/CopyMsgs.h"
#include "copy/CopyProgress.h"
#include "copy/FileVersions.h"
#include "core/CIStringMap.h"
#include "core/Message.h"
#include "core/MessageBatcher.h"
#include "core/ThreadJob.h"
#include "platform/DateTime.h"
#include "platform/File.h"
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
};

// Carries out the preview list on a worker thread: creates folders, deletes stray files and
// copies files, each through a temporary file in its destination folder; the old destination
// file is given up only once the new data is complete. Every failure becomes a copy message.
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

 protected:
  int32_t Run() override;
  void EndAfterFailure(const std::string& reason) override;

 private:
  enum EWindowKind { kCompareWindow, kFolderWindow, kDriveFullWindow, kNotCopiedWindow };

  // Where one listed file goes, once its destination has been looked at.
  struct SFilePlan {
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
  };
  // How a step of copying one file went.
  struct SFileResult {
    bool ok = true;
    std::string error;           // why not (empty when the user stopped it)
    bool diskFull = false;       // the write ran out of space
    bool keepTemporary = false;  // the temporary file holds the only copy of the new data
    std::string placed;          // where the new data stands once it has a name
  };
  static SFileResult Failed(std::string error, bool diskFull = false);

  // The steps of a run.
  void StartRun();
  uint64_t ListedWork() const;
  void CopyList();
  void RemoveEmptyVersionFolders();
  void EndRun();

  void CopyItem(const CFilesListCtrlData& row);
  void CreateItem(const CFilesListCtrlData& row);
  void DeleteItem(const CFilesListCtrlData& row);
  bool MakeFolder(const std::string& path);
  bool MakeSure(const std::string& folder, CMapCIStringToPtr& done, bool countFolder);

  // The steps of a copy item. Nothing when the file is not to be copied (the reason is
  // recorded).
  std::optional<SFilePlan> PlanFile(const CFilesListCtrlData& row);
  bool MakeVersionsFolder(SFilePlan& plan);
  // False when the file cannot fit even in its old copy's place (reported).
  bool MakeRoom(SFilePlan& plan);
  void ReportDriveFull(const std::string& source);
  // Copies into the temporary file and puts it in place of the old destination file.
  SFileResult CopyOneFile(const SFilePlan& plan, platform::CFile& to, const std::string& temporary);
  void FinishCopied(const SFilePlan& plan, const std::string& placed);
  void FailFile(const SFilePlan& plan, const SFileResult& result);

  // The steps of copying one file. `existing` is cleared when the old file went meanwhile.
  SFileResult HoldExisting(platform::CFile& guard, std::string& existing);
  SFileResult CopyData(platform::CFile& from, platform::CFile& to, const SFilePlan& plan);
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
  void HandOverAttributes(const std::string& source, const std::string& destination);
  void CopySecurity(const std::string& source, const std::string& destination);
  // The error window, when it is to be shown; false when the user chose to stop.
  bool ErrorWindow(EWindowKind kind, const std::string& error, const std::string& reason,
                   const std::string& path);
  void EndEarly(const std::string& reason);
  // A file not copied because its destination path leads through a link to a folder.
  void FailLink(const std::string& source, const std::string& link);
  void PostItemInfo(const CFilesListCtrlData& row, bool sizeShown);
  void Post(CMessage message);
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
  int64_t m_freeSpace = 0;
  static constexpr uint64_t kWritebackStep = 16 * 1048576;
  int32_t m_filesDone = 0;
  int32_t m_queueFiles = 0;
  int32_t m_queueFolders = 0;
  std::array<bool, 4> m_keepShowing{true, true, true, true};
  CCopyMsgs m_messages;
  // Posts go out a few times a second; every question first delivers what is held.
  CMessageBatcher m_outbox;
  CEstCopyTime m_estimate;
  CMapCIStringToPtr m_madeSure;
  CMapCIStringToPtr m_versionFolders;
  std::vector<std::string> m_versionFolderList;  // made by this run, in the order made
  std::unique_ptr<CFileVersions> m_versions;
  std::unique_ptr<CAttributeWorker> m_attributes;
  std::optional<CDestinationLookup> m_lookup;  // for the run
  std::unordered_set<std::string> m_written;   // destination files this run wrote
};
