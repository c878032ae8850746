// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "run/DrivePreparation.h"

#include "core/PathText.h"
#include "core/Reporter.h"
#include "platform/Drives.h"
#include "platform/TextUtil.h"

namespace {

char UpperLetter(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

struct SDriveFigures {
  uint64_t free = 0;
  uint32_t cluster = 0;
};

// Free space first, then the cluster size, each failure with its message.
std::optional<SDriveFigures> QueryDrive(std::string_view path, CReporter& reporter,
                                        const CDriveQuery& query) {
  const std::string root = DriveRoot(path);
  const char letter = root.empty() ? (path.empty() ? '?' : UpperLetter(path[0])) : root[0];
  const std::optional<uint64_t> free = root.empty() ? std::nullopt : query.FreeSpace(path);
  if (!free) {
    reporter.Report(platform::Format("Please insert a disk into %c: and try again.", letter));
    return std::nullopt;
  }
  const uint32_t cluster = CClusterSize(root, path).Get(query);
  if (cluster == 0) {
    reporter.Report(platform::Format(
        "The cluster size for drive %c: was not determined.  Please select another drive.",
        letter));
    return std::nullopt;
  }
  return SDriveFigures{*free, cluster};
}

}  // namespace

std::optional<uint64_t> CDriveQuery::FreeSpace(std::string_view folder) const {
  const auto space = platform::GetDiskFreeSpace(folder);
  if (!space) {
    return std::nullopt;
  }
  return space->freeToCaller;
}

uint32_t CDriveQuery::ClusterSize(std::string_view folder) const {
  return platform::GetClusterSize(folder);
}

bool CDriveQuery::SameVolume(std::string_view a, std::string_view b) const {
  return platform::OnSameVolume(a, b);
}

CClusterSize::CClusterSize(std::string_view root, std::string_view folder) {
  if (root.size() > 2 && IsLetter(root[0]) && root[1] == ':' && root[2] == '\\') {
    m_root = std::string(root);
    m_folder = folder.empty() ? m_root : std::string(folder);
  }
}

uint32_t CClusterSize::Get(const CDriveQuery& query) const {
  if (m_root.empty()) {
    return 0;
  }
  return query.ClusterSize(m_folder);
}

std::optional<SDriveData> PrepareDrives(std::string_view sourcePath, std::string_view destPath,
                                        CReporter& reporter, const CDriveQuery& query) {
  const std::optional<SDriveFigures> source = QueryDrive(sourcePath, reporter, query);
  if (!source) {
    return std::nullopt;
  }
  SDriveData data;
  data.sourceCluster = source->cluster;
  const std::string sourceRoot = DriveRoot(sourcePath);
  if (!sourceRoot.empty() && sourceRoot == DriveRoot(destPath) &&
      query.SameVolume(sourcePath, destPath)) {
    data.destCluster = source->cluster;
    data.destFree = source->free;
    return data;
  }
  const std::optional<SDriveFigures> dest = QueryDrive(destPath, reporter, query);
  if (!dest) {
    return std::nullopt;
  }
  data.destCluster = dest->cluster;
  data.destFree = dest->free;
  return data;
}
