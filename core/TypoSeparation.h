// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

// The process-wide typo separation, set from the program options (1..9, 3 by default).
// Any thread may read it; the window thread sets it after the options are loaded or changed.
void SetTypoSeparation(int separation);
int TypoSeparation();
