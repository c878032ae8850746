// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Text arithmetic on the program's drive-letter paths ("C:\a\b"). Nothing here asks the
// file system.

// The path with one trailing backslash: folders end in one while paths are joined. An empty
// text becomes "\".
std::string WithBackslash(std::string_view path);

// The folder as windows and messages show it: a trailing backslash dropped, except from a
// drive root ("C:\" keeps its backslash, so it still names the root).
std::string DisplayFolder(std::string_view folder);

// The last name of a path: the text after its last backslash. Trailing backslashes are
// ignored first, so a folder path ("C:\a\b\") gives its own name ("b"); a drive root
// ("C:\") has none.
std::string_view LastName(std::string_view path);

// The folder that holds the last name, ending in a backslash ("C:\a\b" -> "C:\a\"); empty
// when the path has no backslash or no last name (a drive root).
std::string ParentFolder(std::string_view path);

// "X:\" for a path that begins with a drive letter (upper-cased), else empty.
std::string DriveRoot(std::string_view path);

// A size rounded up to whole clusters (0 stays 0; a cluster size of 0 leaves it as it is).
uint64_t RoundUpToCluster(uint64_t size, uint32_t clusterSize);
