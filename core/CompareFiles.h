// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>
#include <string_view>

// Compares two files byte for byte: an empty text when their contents are equal, otherwise
// why not: "Files differ.", "Could not open the source file.", "Could not open the
// destination file.", "Could not read the source file." or "Could not read the destination
// file.".
std::string CompareFileContents(std::string_view sourcePath, std::string_view destinationPath);
