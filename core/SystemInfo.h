// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

// What the program learns about its platform at start: whether it is a current system (it
// decides the default of two-digit version numbers) and whether files carry security
// information (it decides whether the file-security settings are offered).
bool OsIsXpOrLater();
bool OsHasFileSecurity();
