// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

// The desktop shell: deleting into the trash, launching documents, programs and folders,
// resolving shortcuts and naming file types.
namespace platform {

// Deletes a file or (with everything in it) a folder, silently. With `recycle` the item goes
// to the desktop's trash and the call fails when it cannot; nothing is deleted for good then.
EError ShellDelete(std::string_view path, bool recycle);

// Launch results follow the Windows shell: above 32 is success; otherwise 2 (not found),
// 3 (path not found), 5 (access denied), 8 (out of memory) or 31 (no association).
constexpr int kShellOk = 42;
constexpr int kShellFileNotFound = 2;
constexpr int kShellPathNotFound = 3;
constexpr int kShellAccessDenied = 5;
constexpr int kShellOutOfMemory = 8;
constexpr int kShellNoAssociation = 31;

// Carries out "open" or "explore" on a document, program, folder or web address, with
// Windows-style command-line parameters. The Windows program names notepad.exe, wordpad.exe
// and explorer stand for the desktop's text editor, rich-text editor and file manager;
// explorer's "/select," parameter shows an item selected in its folder.
int ShellExecute(std::string_view verb, std::string_view target, std::string_view parameters);

// Starts a program with arguments (POSIX paths) without waiting; false when it cannot start.
// Replaceable so that tests can see what would be started.
using ProcessStarter =
    std::function<bool(const std::string& program, const std::vector<std::string>& arguments)>;
void SetProcessStarter(ProcessStarter starter);  // an empty function restores the real one

// How long "show the item selected" waits for the file manager's answer before it opens the
// folder instead (10 seconds); for tests. 0 restores the default.
void SetFileManagerWait(int milliseconds);

// Splits a Windows-style command line into arguments (quotes group, backslashes are kept).
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The target of a shortcut: a symbolic link, or a .desktop launcher (its program or web
// address), in Windows form where it is a path. Nothing when it is no shortcut or cannot be
// resolved.
std::optional<std::string> ResolveShortcut(std::string_view path);

// The desktop's name for a file's type ("PNG image"), from the name alone.
std::string GetFileTypeName(std::string_view fileName);
// The desktop's name for the type of a folder.
std::string GetFolderTypeName();

// A file type as lists show it: its name and its icon. `icon` numbers an entry of the
// process-wide list of type icons (TypeIcon), shared by every list, as the system's small
// icon list is; -1 for none.
struct SFileType {
  std::string name;
  int32_t icon = -1;
};
SFileType GetFileType(std::string_view fileName);
SFileType GetFolderType();

// An entry of the list of type icons: the icon theme's name for it and the generic name to
// fall back on ("image-png", "image-x-generic"). Empty names for an unknown number.
struct STypeIcon {
  std::string name;
  std::string genericName;
};
STypeIcon TypeIcon(int32_t icon);

// Whether the file is a program this platform can start (an executable type with the execute
// permission), whatever its name ends in.
bool IsProgramFile(std::string_view path);

}  // namespace platform
