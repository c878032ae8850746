// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Types.h"

// Moving, renaming, deleting and making things, by Windows-form path.
namespace platform {

// Renames or moves a file or folder; fails with kAlreadyExists when `to` exists. A file
// moved to another file system is copied (data and times) and then deleted.
EError MoveFile(std::string_view from, std::string_view to);
// Renames over an existing file in one step.
EError ReplaceFile(std::string_view from, std::string_view to);
// Deletes a file; a read-only file is refused with kAccessDenied, as on Windows.
EError DeleteFile(std::string_view path);
EError CreateDirectory(std::string_view path);
// Removes an empty folder.
EError RemoveDirectory(std::string_view path);
// Creates an empty file "<prefix><4 hex digits>.tmp" (prefix cut to 3 characters) that did
// not exist in `folder`, and returns its path.
std::optional<std::string> GetTempFileName(std::string_view folder, std::string_view prefix,
                                           EError* error = nullptr);
// Makes everything written to the file system that holds `folder` durable.
EError SyncFileSystem(std::string_view folder);
// Whether the path is a folder whose entries can be listed.
bool CanListFolder(std::string_view path);
// The process's current folder in Windows form, ending in a backslash only at a drive root.
std::optional<std::string> GetCurrentDirectory();
EError SetCurrentDirectory(std::string_view path);

}  // namespace platform
