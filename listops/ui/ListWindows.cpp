// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/ListWindows.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "platform/DriveMap.h"

void OnEnter(QWidget* widget, std::function<void()> action) {
  for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* shortcut = new QShortcut(QKeySequence(key), widget);
    shortcut->setContext(Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, widget, action);
  }
}

std::string DriveFormPath(const QString& posixPath) {
  const auto path = platform::ToWindowsPath(posixPath.toStdString());
  return path ? *path : std::string();
}

QString PosixFormPath(const std::string& path) {
  const auto posixPath = platform::ToPosixPath(path);
  return posixPath ? QString::fromStdString(*posixPath) : QString();
}
