// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>
#include <vector>

// The Debug Messages export: "Debug Messages", an empty line, then one line per message,
// every line ended by a carriage return and a line feed.
std::string DebugExportText(const std::vector<std::string>& lines);
