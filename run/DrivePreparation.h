// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CReporter;

// Cluster size and free space of a drive, asked of the volume that holds a folder.
class CDriveQuery {
 public:
  virtual ~CDriveQuery() = default;
  // Bytes available to the user; nothing when the drive cannot be asked.
  virtual std::optional<uint64_t> FreeSpace(std::string_view folder) const;
  // 0 when not determined.
  virtual uint32_t ClusterSize(std::string_view folder) const;
  // Whether both folders are on one volume (then one query serves both).
  virtual bool SameVolume(std::string_view a, std::string_view b) const;
};

// The cluster size of one drive.
class CClusterSize {
 public:
  // Accepts a root of the form "X:\"; anything else leaves the root empty. `folder`, when
  // given, names the place on that drive whose volume is asked.
  explicit CClusterSize(std::string_view root, std::string_view folder = {});
  virtual ~CClusterSize() = default;

  const std::string& Root() const { return m_root; }
  // Bytes per cluster, 0 when the root is empty or the query fails.
  uint32_t Get(const CDriveQuery& query = CDriveQuery()) const;

 private:
  std::string m_root;
  std::string m_folder;
};

struct SDriveData {
  uint32_t sourceCluster = 0;
  uint32_t destCluster = 0;
  uint64_t destFree = 0;
};

// Before every preview and copy: both cluster sizes and the destination's free space. A
// drive that cannot be asked is reported ("Please insert a disk into E: and try again." or
// the cluster-size message) and ends the preparation with nothing.
std::optional<SDriveData> PrepareDrives(std::string_view sourcePath, std::string_view destPath,
                                        CReporter& reporter,
                                        const CDriveQuery& query = CDriveQuery());
