// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QWidget;

// Small pieces the list windows share.

// Runs `action` when Enter or Return is pressed while `widget` has the focus (a view's
// keyboard form of a double click).
void OnEnter(QWidget* widget, std::function<void()> action);

// UTF-8 text to and from Qt.
inline QString Qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string Std(const QString& text) {
  return text.toStdString();
}

// A file chosen in a file dialog (a POSIX path) in the program's drive-letter form; empty
// when no drive holds it.
std::string DriveFormPath(const QString& posixPath);
// A drive-letter path for a file dialog to start at; empty when it cannot be shown.
QString PosixFormPath(const std::string& path);
