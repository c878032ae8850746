// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/CIStringMap.h"
#include "core/Message.h"
#include "core/MessageBatcher.h"
#include "core/ThreadJob.h"
#include "preview/FolderTree.h"
#include "preview/RowSink.h"
#include "rules/DestinationIndex.h"
#include "rules/DestinationLookup.h"
#include "rules/Filter.h"

class CFilesListCtrlData;
class CPrompter;
namespace platform {
struct SFindData;
}

// What a preview run needs; the job owns the walk and the rules for the run.
struct SPreviewSetup {
  std::string sourceRoot;       // ends in a backslash
  std::string destinationRoot;  // ends in a backslash
  uint32_t clusterSize = 0;     // of the destination drive
  std::unique_ptr<CFileSearch> search;
  std::unique_ptr<CFilter> filter;
  int32_t copyMode = 0;
  bool previewRun = true;       // false: the first phase of a Copy
  bool includeRenames = false;  // names then compare with their exact case
  uint64_t spaceAvailable = 0;
  CPrompter* prompter = nullptr;  // for the out-of-memory message
};

// Walks the source tree on a worker thread, decides every folder and file by the rules, looks
// for stray destination entries, and posts each listed item to its target. It only reads;
// it never changes the destination.
class CPreviewJob : public CThreadJob {
 public:
  CPreviewJob() = default;
  ~CPreviewJob() override;

  // Before Start, on the window thread.
  void SetUp(SPreviewSetup setup);

  // Runs the walk on the calling thread as a part of `host`'s run (a copy that starts while
  // its list is gathered), instead of as a run of its own: the host's stop request and
  // suspension hold for it, its messages go to `target`, and every listed row also goes to
  // `sink`, in list order. Returns once the done message is posted.
  void RunWithin(CThreadJob& host, CMessageTarget* target, CRowSink* sink);

  // The totals of the last run, valid once its done message has arrived.
  int32_t Files() const { return m_files; }
  int32_t Folders() const { return m_folders; }
  uint64_t TotalSize() const { return m_totalSize; }
  int64_t SpaceNeeded() const { return m_spaceNeeded; }
  uint64_t SpaceAvailable() const { return m_setup.spaceAvailable; }
  const std::vector<std::string>& StrayFolders() const { return m_strayFolders; }

 protected:
  int32_t Run() override;
  void EndAfterFailure(const std::string& reason) override;

 private:
  struct SFolderListing;

  // The check point between steps, the stop request and its value: the host's, when the
  // walk runs within another job.
  bool Check();
  void StopRun();
  int32_t StopNow() const;
  void PostDone();

  void Walk();
  void ListFolderToCreate(const SDestinationFolder& destinationFolder);
  // Lists the stray entries of a destination folder and returns the space their deletion
  // frees. `otherFiles`, when given, names more source files that the folder's files stand for.
  int64_t CheckStrays(const std::string& sourceFolder, const SDestinationFolder& destination,
                      const SFolderListing& listing, const CMapCIStringToPtr* otherFiles);
  // Counts a file listed in gather mode; returns the space of a namesake that it displaced.
  int64_t TakeGathered(const platform::SFindData& entry, const std::string& folder, int64_t needed);
  std::shared_ptr<CFilesListCtrlData> MakeRow(const platform::SFindData& data,
                                              const std::shared_ptr<const std::string>& folder,
                                              int32_t action);
  // A file's type name (shared by every row of that type) and icon.
  struct SRowType {
    std::shared_ptr<const std::string> name;
    int32_t icon = -1;
  };
  const SRowType& RowType(const std::string& fileName);
  // Rows go to the window in messages of up to kBatch rows, and the messages in deliveries a
  // few times a second, which keeps the threads from waking each other for every row of a
  // long list.
  void PostItem(int32_t action, std::shared_ptr<CFilesListCtrlData> row);
  void AnnounceFolder(const std::string& folder);
  void CloseBatch();
  static constexpr size_t kBatch = 256;
  static constexpr size_t kMessagesPerDelivery = 16;
  std::shared_ptr<std::vector<std::shared_ptr<CFilesListCtrlData>>> m_pending;
  CMessageBatcher m_batcher;
  bool m_announced = false;
  uint64_t RoundUp(uint64_t size) const;

  SPreviewSetup m_setup;
  CThreadJob* m_host = nullptr;
  CRowSink* m_sink = nullptr;
  bool m_exactCase = false;
  int32_t m_files = 0;
  int32_t m_folders = 0;
  uint64_t m_totalSize = 0;
  int64_t m_spaceNeeded = 0;
  std::vector<std::string> m_strayFolders;

  // For the current folder of the walk.
  std::shared_ptr<const std::string> m_folderText;
  std::string m_lastFileFolder;
  CDestinationIndex m_destination;
  CDestinationIndex m_gatherRoot;
  std::unordered_map<std::string, SRowType> m_typeNames;
  SRowType m_folderType;

  // Gather mode: the files listed so far by name (the window keeps only the newest of each
  // name), how many each source folder has listed, and every file name the walk has met.
  struct SGathered {
    uint64_t size = 0;
    int64_t space = 0;
    std::string folder;
  };
  std::unordered_map<std::string, SGathered, CMapCIStringToPtr::SHash, CMapCIStringToPtr::SEqual>
      m_gathered;
  std::unordered_map<std::string, int32_t> m_gatherFolders;
  CMapCIStringToPtr m_gatheredNames;
};
