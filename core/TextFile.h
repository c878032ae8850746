// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>
#include <string_view>

class CPrompter;

// What a written text file is called in the messages about it.
struct STextFileMessages {
  const char* couldNotOpen;
  const char* couldNotWrite;
  const char* finished;
};

// The exports of the copy report and of the debug messages.
inline constexpr STextFileMessages kExportFileMessages{"Could not open the export file.",
                                                       "Could not write to the export file.",
                                                       "Finished writing the export file."};

// Writes `text` to the file at `path` (replacing what it held), makes it durable, and says
// how it went. True when the whole text reached the disk.
bool WriteTextFile(const std::string& path, std::string_view text, CPrompter& prompter,
                   const STextFileMessages& messages);

// Writes an export file with the export file's messages.
inline bool WriteExportFile(const std::string& path, std::string_view text, CPrompter& prompter) {
  return WriteTextFile(path, text, prompter, kExportFileMessages);
}
