// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/PreviewJob.h"

#include <exception>
#include <new>
#include <unordered_set>

#include "core/AppText.h"
#include "core/CIStringMap.h"
#include "core/FolderPaths.h"
#include "core/Message.h"
#include "core/PathText.h"
#include "core/Prompter.h"
#include "platform/DateTime.h"
#include "platform/FileInfo.h"
#include "platform/Shell.h"
#include "platform/TextUtil.h"
#include "preview/FolderLister.h"
#include "preview/FolderTree.h"
#include "preview/ListData.h"
#include "rules/Filter.h"
#include "rules/TimeCompare.h"

namespace {

std::string Lowercase(std::string_view text) {
  return platform::ToLower(text);
}

}  // namespace

// One folder of the source, listed once.
struct CPreviewJob::SFolderListing {
  std::vector<platform::SFindData> entries;
  bool complete = true;  // false when the stop flag cut the listing short
  bool listed = true;    // false when the folder could not be listed at all
};

CPreviewJob::~CPreviewJob() {
  EndRuns();
}

void CPreviewJob::SetUp(SPreviewSetup setup) {
  m_setup = std::move(setup);
  if (m_setup.search && m_setup.filter) {
    m_setup.search->Tree().SetRootState(m_setup.filter->RootState());
  }
}

uint64_t CPreviewJob::RoundUp(uint64_t size) const {
  return RoundUpToCluster(size, m_setup.clusterSize);
}

bool CPreviewJob::Check() {
  if (m_host == nullptr) {
    return CheckPoint();
  }
  m_host->WaitWhileSuspended();
  return m_host->StopValue() != 0;
}

void CPreviewJob::StopRun() {
  (m_host != nullptr ? *m_host : static_cast<CThreadJob&>(*this)).SetStop(1);
}

int32_t CPreviewJob::StopNow() const {
  return m_host != nullptr ? m_host->StopValue() : m_stop.load();
}

void CPreviewJob::PostDone() {
  if (m_notifyWnd != nullptr) {
    m_notifyWnd->Post(CMessage(kMsgPreviewDone, m_setup.previewRun ? 1 : 0, StopNow()));
  }
}

void CPreviewJob::RunWithin(CThreadJob& host, CMessageTarget* target, CRowSink* sink) {
  m_host = &host;
  m_notifyWnd = target;
  m_sink = sink;
  try {
    Run();
  } catch (...) {
    // Run turns the failures it expects into a stopped walk; anything else is one too.
    EndAfterFailure("unknown failure");
  }
  m_host = nullptr;
  m_sink = nullptr;
}

int32_t CPreviewJob::Run() {
  m_files = 0;
  m_folders = 0;
  m_totalSize = 0;
  m_spaceNeeded = 0;
  m_strayFolders.clear();
  m_lastFileFolder.clear();
  m_exactCase = m_setup.includeRenames && m_setup.previewRun;
  m_batcher = CMessageBatcher(m_notifyWnd, 50, kMessagesPerDelivery);
  m_announced = false;
  try {
    Walk();
  } catch (const std::bad_alloc&) {
    StopRun();  // the window treats the run as stopped
    if (m_setup.prompter != nullptr) {
      m_setup.prompter->Show(kOutOfMemoryText, EIcon::kStop);
    }
  } catch (const std::exception& error) {
    // A walk cut short is a stopped walk, never a complete list.
    StopRun();
    if (m_setup.prompter != nullptr) {
      m_setup.prompter->Show(platform::Format("The preview stopped: %.200s", error.what()),
                             EIcon::kStop);
    }
  }
  // The walk and the rules belong to this run only.
  m_setup.search.reset();
  m_setup.filter.reset();
  m_destination.Clear();
  m_gatherRoot.Clear();
  m_gathered.clear();
  m_gatherFolders.clear();
  m_gatheredNames.RemoveAll();
  m_typeNames.clear();
  m_folderText.reset();
  try {
    CloseBatch();
    m_batcher.Deliver();
  } catch (const std::bad_alloc&) {
  }
  m_pending.reset();
  m_batcher.Restart(nullptr);
  PostDone();
  return 0;
}

void CPreviewJob::EndAfterFailure(const std::string& reason) {
  // A walk cut short is a stopped walk, never a complete list; what it still held is dropped.
  StopRun();
  m_pending.reset();
  m_batcher.Restart(nullptr);
  m_setup.search.reset();
  m_setup.filter.reset();
  if (m_setup.prompter != nullptr) {
    m_setup.prompter->Show(platform::Format("The preview stopped: %.200s", reason.c_str()),
                           EIcon::kStop);
  }
  PostDone();
}

void CPreviewJob::Walk() {
  if (!m_setup.search || !m_setup.filter) {
    return;
  }
  CFolderTreeMgr& tree = m_setup.search->Tree();
  const size_t rootLength = m_setup.sourceRoot.size();
  const bool gather = m_setup.copyMode == kCopyGather;
  if (gather) {
    m_gatherRoot.List(m_setup.destinationRoot);
  }
  int64_t space = 0;
  const std::string rootFolder = tree.RootPath();
  SFolderListing rootListing;
  // The root is announced before anything is read, as every folder is before its entries.
  AnnounceFolder(rootFolder);
  CFolderLister lister(*m_setup.search, *m_setup.filter, [this] { return Check(); });
  CDestinationLookup lookup(m_setup.destinationRoot);
  bool first = true;
  while (std::optional<SListedFolder> listed = lister.Next()) {
    const std::string& folder = listed->path;
    if (!first) {
      AnnounceFolder(folder);
    }
    first = false;
    m_folderText = std::make_shared<const std::string>(DisplayFolder(folder));
    // The destination's own spelling of the folder; a link below the root is never entered.
    const SDestinationFolder destinationFolder =
        lookup.Folder(m_setup.destinationRoot + folder.substr(std::min(rootLength, folder.size())));
    SFolderListing listing;
    listing.entries = std::move(listed->entries);
    listing.complete = listed->complete;
    listing.listed = listed->listed;
    if (!gather) {
      if (destinationFolder.link.empty()) {
        m_destination.List(destinationFolder.path);
      } else {
        m_destination.Clear();
      }
    }
    for (const platform::SFindData& entry : listing.entries) {
      if (Check()) {
        break;
      }
      if ((entry.attributes & platform::kAttrDirectory) != 0) {
        continue;  // the lister has decided the subfolders
      }
      if (gather) {
        m_gatheredNames.SetAt(entry.name, nullptr);
      }
      if (m_setup.copyMode == kCopyTreeOnly || listed->state != kFolderTake) {
        continue;
      }
      const CDestinationIndex& index = gather ? m_gatherRoot : m_destination;
      const auto decision = m_setup.filter->DecideFile(folder, entry, m_exactCase, &index);
      if (!decision) {
        continue;
      }
      const int64_t needed = static_cast<int64_t>(RoundUp(entry.size)) -
                             static_cast<int64_t>(RoundUp(decision->freed));
      if (gather) {
        space -= TakeGathered(entry, folder, needed);
      } else if (folder != m_lastFileFolder) {
        ++m_folders;
        m_lastFileFolder = folder;
      }
      ++m_files;
      m_totalSize += entry.size;
      space += needed;
      PostItem(kActionCopy, MakeRow(entry, m_folderText, kActionCopy));
    }
    if (m_setup.copyMode == kCopyTreeOnly) {
      ListFolderToCreate(destinationFolder);
    }
    if (gather && folder == rootFolder) {
      // Every file of the tree lands in the destination's root: its strays are known only
      // once the whole tree has been seen.
      rootListing = std::move(listing);
    } else {
      space -= CheckStrays(folder, destinationFolder, listing, nullptr);
    }
    if (Check()) {
      break;
    }
  }
  if (gather && !Check()) {
    space -= CheckStrays(rootFolder, lookup.Folder(m_setup.destinationRoot), rootListing,
                         &m_gatheredNames);
  }
  m_spaceNeeded = space > 0 ? space : 0;
}

int64_t CPreviewJob::TakeGathered(const platform::SFindData& entry, const std::string& folder,
                                  int64_t needed) {
  // The window keeps only the newest of same-named files. One that passed its check after
  // a namesake was listed displaced that namesake: take the namesake back out of the totals.
  int64_t displacedSpace = 0;
  auto [taken, added] = m_gathered.try_emplace(entry.name);
  if (!added) {
    --m_files;
    m_totalSize -= taken->second.size;
    displacedSpace = taken->second.space;
    const auto folderCount = m_gatherFolders.find(taken->second.folder);
    if (folderCount != m_gatherFolders.end() && --folderCount->second == 0) {
      m_gatherFolders.erase(folderCount);
      --m_folders;
    }
  }
  taken->second = SGathered{entry.size, needed, folder};
  if (m_gatherFolders[folder]++ == 0) {
    ++m_folders;
  }
  return displacedSpace;
}

void CPreviewJob::ListFolderToCreate(const SDestinationFolder& destinationFolder) {
  // Nothing is made behind a link: what it leads to is not the backup's.
  if (destinationFolder.exists || !destinationFolder.link.empty()) {
    return;
  }
  const std::string counterpart = DisplayFolder(destinationFolder.path);
  if (IsExistingFolder(counterpart) || m_setup.filter->IsPathExcluded(counterpart) ||
      !m_setup.filter->TestFolderName(counterpart)) {
    return;
  }
  ++m_folders;
  auto row = std::make_shared<CFilesListCtrlData>();
  const size_t slash = counterpart.find_last_of('\\');
  row->name = std::string(LastName(counterpart));
  row->folder = std::make_shared<const std::string>(
      DisplayFolder(slash == std::string::npos ? std::string() : counterpart.substr(0, slash + 1)));
  if (!m_folderType.name) {
    const platform::SFileType type = platform::GetFolderType();
    m_folderType = {std::make_shared<const std::string>(type.name), type.icon};
  }
  row->type = m_folderType.name;
  row->iconIndex = m_folderType.icon;
  row->action = kActionCreate;
  PostItem(kActionCreate, std::move(row));
}

int64_t CPreviewJob::CheckStrays(const std::string& sourceFolder,
                                 const SDestinationFolder& destination,
                                 const SFolderListing& listing,
                                 const CMapCIStringToPtr* otherFiles) {
  // What a source folder that cannot be read holds is unknown, so nothing in its
  // counterpart counts as stray: its backup must not be offered for deletion. Nor is a link
  // in the destination ever entered: what it leads to lies outside the backup.
  if (!listing.listed || !destination.link.empty()) {
    return 0;
  }
  const std::string& destinationFolder = destination.path;
  const bool deleteStrays = m_setup.filter->Settings().deleteStrayFiles != 0;
  // The source's names: folders (and, when strays are deleted, files) without regard to
  // case; files with their exact case when names must match exactly.
  CMapCIStringToPtr namesIgnoringCase;
  std::unordered_set<std::string> exactNames;
  size_t taken = 0;
  for (const platform::SFindData& entry : listing.entries) {
    const bool folder = (entry.attributes & platform::kAttrDirectory) != 0;
    if (!folder && !deleteStrays) {
      continue;
    }
    ++taken;
    if (!folder && m_exactCase) {
      exactNames.insert(entry.name);
    } else {
      namesIgnoringCase.SetAt(entry.name, nullptr);
    }
  }
  const bool complete =
      listing.complete && taken == namesIgnoringCase.GetCount() + exactNames.size();
  if (m_setup.copyMode == kCopyGather) {
    m_destination.List(destinationFolder);
  }
  int64_t straySpace = 0;
  bool firstStrayFile = true;
  std::shared_ptr<const std::string> strayFolderText;
  for (const platform::SFindData& entry : m_destination.Entries()) {
    if (Check()) {
      break;
    }
    const bool folder = (entry.attributes & platform::kAttrDirectory) != 0;
    if (namesIgnoringCase.Contains(entry.name) || exactNames.contains(entry.name) ||
        (!folder && otherFiles != nullptr && otherFiles->Contains(entry.name))) {
      continue;
    }
    // A name may hold "*" or "?" here: look it up as it is, not as a pattern.
    if (!complete &&
        platform::GetFileAttributes(sourceFolder + entry.name) != platform::kInvalidAttributes) {
      continue;
    }
    if (folder) {
      if (!platform::EqualsNoCase(entry.name, "~Versions")) {
        m_strayFolders.push_back(destinationFolder + entry.name);
      }
      continue;
    }
    const std::string path = destinationFolder + entry.name;
    if (!deleteStrays || m_setup.filter->IsPathExcluded(path)) {
      continue;
    }
    straySpace += static_cast<int64_t>(RoundUp(entry.size));
    ++m_files;
    if (firstStrayFile) {
      ++m_folders;
      firstStrayFile = false;
      strayFolderText = std::make_shared<const std::string>(DisplayFolder(destinationFolder));
    }
    auto row = MakeRow(entry, strayFolderText, kActionDelete);
    // The destination listing leaves out the stored flags; a listed stray shows them.
    const uint32_t attributes = platform::GetFileAttributes(path);
    if (attributes != platform::kInvalidAttributes) {
      row->SetAttributes(attributes);
    }
    PostItem(kActionDelete, std::move(row));
  }
  return straySpace;
}

const CPreviewJob::SRowType& CPreviewJob::RowType(const std::string& fileName) {
  const size_t dot = fileName.find_last_of('.');
  const std::string key =
      dot == std::string::npos ? std::string() : Lowercase(fileName.substr(dot));
  auto& cached = m_typeNames[key];
  if (!cached.name) {
    const platform::SFileType type = platform::GetFileType(fileName);
    cached = {std::make_shared<const std::string>(type.name), type.icon};
  }
  return cached;
}

std::shared_ptr<CFilesListCtrlData> CPreviewJob::MakeRow(
    const platform::SFindData& data, const std::shared_ptr<const std::string>& folder,
    int32_t action) {
  auto row = std::make_shared<CFilesListCtrlData>();
  row->name = data.name;
  row->folder = folder;
  row->modified = platform::CDateTime::FromFileTime(data.lastWriteTime);
  row->size = data.size;
  const SRowType& type = RowType(data.name);
  row->type = type.name;
  row->iconIndex = type.icon;
  row->SetAttributes(data.attributes);
  row->action = action;
  return row;
}

void CPreviewJob::AnnounceFolder(const std::string& folder) {
  if (m_notifyWnd == nullptr) {
    return;
  }
  CloseBatch();
  m_batcher.Post(CMessage(kMsgFolderStarted));
  CMessage current(kMsgCurrentFolder);
  current.text = folder;
  m_batcher.Post(std::move(current));
  // The first folder goes out at once, so the window shows that the walk has begun. While
  // gathering, the window's answers to the checks depend on every folder and row before
  // them, so each goes out at once.
  if (!m_announced || m_setup.copyMode == kCopyGather) {
    m_batcher.Deliver();
  }
  m_announced = true;
}

void CPreviewJob::PostItem(int32_t action, std::shared_ptr<CFilesListCtrlData> row) {
  if (m_notifyWnd == nullptr) {
    return;
  }
  row->action = action;
  if (m_sink != nullptr) {
    m_sink->Take(row);
  }
  if (!m_pending) {
    m_pending = std::make_shared<std::vector<std::shared_ptr<CFilesListCtrlData>>>();
    m_pending->reserve(kBatch);
  }
  m_pending->push_back(std::move(row));
  const bool gather = m_setup.copyMode == kCopyGather;
  if (m_pending->size() >= kBatch || gather) {
    CloseBatch();
  }
  if (gather) {
    m_batcher.Deliver();
  }
}

void CPreviewJob::CloseBatch() {
  if (!m_pending || m_pending->empty()) {
    return;
  }
  CMessage message(kMsgAddItems, static_cast<int64_t>(m_pending->size()));
  message.Attach(std::move(m_pending));
  m_pending.reset();
  m_batcher.Post(std::move(message));
}
