// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>
#include <vector>

// The process-wide list of diagnostic lines that the Debug Messages window shows. Any
// thread may add a line.
void AddDebugMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::vector<std::string> GetDebugMessages();
void ClearDebugMessages();
