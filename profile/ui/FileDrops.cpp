// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/FileDrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "platform/DriveMap.h"

std::vector<std::string> DroppedPaths(const QMimeData* data) {
  std::vector<std::string> paths;
  if (data == nullptr) {
    return paths;
  }
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) {
      continue;
    }
    const std::string local = url.toLocalFile().toStdString();
    const std::optional<std::string> path = platform::ToWindowsPath(local);
    paths.push_back(path ? *path : local);
  }
  return paths;
}

bool HasDroppedFiles(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) {
    return false;
  }
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) {
      return true;
    }
  }
  return false;
}

CFileDropTarget::CFileDropTarget(QWidget* widget, FDropped dropped)
    : QObject(widget), m_dropped(std::move(dropped)) {
  widget->setAcceptDrops(true);
  widget->installEventFilter(this);
}

bool CFileDropTarget::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (!HasDroppedFiles(drag->mimeData())) {
        break;
      }
      drag->setDropAction(Qt::CopyAction);
      drag->accept();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      if (!HasDroppedFiles(drop->mimeData())) {
        break;
      }
      drop->setDropAction(Qt::CopyAction);
      drop->accept();
      QTimer::singleShot(0, this,
                         [this, paths = DroppedPaths(drop->mimeData())] { m_dropped(paths); });
      return true;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void AcceptFileDrops(QWidget* widget, CFileDropTarget::FDropped dropped) {
  new CFileDropTarget(widget, std::move(dropped));
}
