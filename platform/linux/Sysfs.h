// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

namespace platform {

// Whether the kernel marks the block device (or the disk a partition lies on) removable.
bool BlockDeviceIsRemovable(unsigned major, unsigned minor);

}  // namespace platform
