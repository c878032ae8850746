// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QMimeData;
class QWidget;

// Files and folders dropped from the file manager (a "text/uri-list" of local files).

// The dropped items as drive-letter paths. An item outside every drive keeps its local path,
// which names nothing inside the program, so it is refused as neither file nor folder.
std::vector<std::string> DroppedPaths(const QMimeData* data);
bool HasDroppedFiles(const QMimeData* data);

// Takes file drops on a widget (for a list view, on its viewport) and hands the paths on once
// the drop itself has ended, so that a question about them never holds the file manager up.
// Other drops (plain text on a text box) go on to the widget as before.
class CFileDropTarget : public QObject {
  Q_OBJECT

 public:
  using FDropped = std::function<void(const std::vector<std::string>& paths)>;
  CFileDropTarget(QWidget* widget, FDropped dropped);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FDropped m_dropped;
};

void AcceptFileDrops(QWidget* widget, CFileDropTarget::FDropped dropped);
