// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

class CPrompter;
class QWidget;

// The desktop's folder and file choosers, speaking drive-letter paths.

// The folder browser with its title, opened at `start` (or the nearest folder above it);
// the chosen folder, or nothing when the user cancels. A folder that no drive holds is
// refused with a message.
std::optional<std::string> BrowseForFolder(QWidget* parent, const QString& title,
                                           std::string_view start, CPrompter& prompter);

// The save dialog for a text file, opened in `folder` when it is known; replacing an existing
// file asks first. Nothing when the user cancels; an empty path for a file that no drive
// holds.
std::optional<std::string> AskTextFileToSave(QWidget* parent, std::string_view folder);
