// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/linux/Sysfs.h"

#include <fstream>
#include <string>

namespace platform {

namespace {

bool ReadFlag(const std::string& path, bool& flag) {
  std::ifstream in(path);
  int value = 0;
  if (!(in >> value)) {
    return false;
  }
  flag = value == 1;
  return true;
}

}  // namespace

bool BlockDeviceIsRemovable(unsigned major, unsigned minor) {
  if (major == 0) {
    return false;  // not a block device (tmpfs, overlay and the like)
  }
  const std::string device =
      "/sys/dev/block/" + std::to_string(major) + ":" + std::to_string(minor);
  bool removable = false;
  if (ReadFlag(device + "/removable", removable)) {
    return removable;
  }
  // A partition: the flag sits on the disk it belongs to.
  return ReadFlag(device + "/../removable", removable) && removable;
}

}  // namespace platform
