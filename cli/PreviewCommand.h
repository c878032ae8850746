// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

struct SCliArguments;

// Exit statuses of the runner.
constexpr int kExitSuccess = 0;
constexpr int kExitFailed = 1;  // the folders or drives did not validate, or the data failed
constexpr int kExitUsage = 2;

// Previews the profile: the list on standard output, the statistics on standard error.
int RunPreviewCommand(const SCliArguments& arguments);
