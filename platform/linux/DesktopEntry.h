// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

// The parts of a desktop launcher file that launching needs.
struct SDesktopEntry {
  std::string path;
  std::string type;  // "Application" or "Link"
  std::string exec;  // the command line with its field codes
  std::string url;   // for links
};

std::optional<SDesktopEntry> ReadDesktopEntry(const std::string& posixPath);

// The desktop's default application for a MIME type, from the mimeapps.list files and the
// mimeinfo.cache of the XDG folders.
std::optional<SDesktopEntry> DefaultApplicationFor(const std::string& mimeType);

// The command (program first) that opens `items` with the entry; empty when the entry has no
// usable command. Items are appended when the command names no place for them.
std::vector<std::string> ExpandExec(const SDesktopEntry& entry,
                                    const std::vector<std::string>& items, bool itemsAreUrls);

}  // namespace platform
