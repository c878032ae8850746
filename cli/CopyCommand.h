// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

struct SCliArguments;

// Exit statuses of a copy.
constexpr int kCopyExitClean = 0;     // no messages
constexpr int kCopyExitMessages = 1;  // the copy recorded messages
constexpr int kCopyExitUsage = 2;
constexpr int kCopyExitNotValid = 3;  // the folders or drives did not validate

// Copies a profile, a queue or two folders: progress on standard error, the Copy Statistics
// and Messages on standard output.
int RunCopyCommand(const SCliArguments& arguments);
