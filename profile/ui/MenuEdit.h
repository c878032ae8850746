// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QObject>

#include "profile/ui/EditorContext.h"

class QLineEdit;
class QMenu;

// The right-click menu of a text field: "&Undo", "Cu&t", "&Copy", "&Paste", "&Delete",
// "Select &All" and, in a field that holds a folder path, "&Open Folder". It opens at the
// mouse, or in the middle of the field when the keyboard asks for it.
class CMenuEdit : public QObject {
  Q_OBJECT

 public:
  // Puts the menu on the field (the field owns it). With `explore` the field holds a folder
  // path, and "&Open Folder" shows its folder.
  static CMenuEdit* Install(QLineEdit* field, FExploreFolder explore = {});

  // The menu as it would open now, its items enabled by the field's state.
  QMenu* BuildMenu(QWidget* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CMenuEdit(QLineEdit* field, FExploreFolder explore);

  QLineEdit* m_field;
  FExploreFolder m_explore;
};

// The menu on a folder-path field, exploring through the context.
void InstallFolderFieldMenu(QLineEdit* field, SEditorContext& context);
