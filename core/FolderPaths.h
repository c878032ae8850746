// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Questions about folders on disk, by drive-letter path.

// Creates every missing folder along a drive-letter path. `made`, when given, receives the
// folders this call created, outermost first.
bool CreateFolderPath(std::string_view path, std::vector<std::string>* made = nullptr);
// Whether a search for the path finds a file or a folder.
bool PathExists(std::string_view path);
// Whether the path is an existing folder; one trailing backslash is ignored, and paths of 2
// or fewer or of 260 or more characters are none.
bool IsExistingFolder(std::string_view path);
