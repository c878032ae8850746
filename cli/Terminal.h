// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

// True when standard error is a terminal that understands a redrawn line. Otherwise (a file,
// a pipe, the journal of a scheduled run, a "dumb" terminal) the runner writes plain lines
// only: no carriage returns and no escape codes.
bool StderrIsTerminal();
