// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/MenuEdit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include "profile/FieldMenu.h"
#include "profile/ui/SettingsPage.h"

namespace {

QAction* AddItem(QMenu* menu, const char* text, const char* objectName, bool enabled) {
  QAction* action = menu->addAction(QString::fromLatin1(text));
  action->setObjectName(QString::fromLatin1(objectName));
  action->setEnabled(enabled);
  return action;
}

bool ClipboardHasText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr && data->hasText() && !data->text().isEmpty();
}

}  // namespace

CMenuEdit::CMenuEdit(QLineEdit* field, FExploreFolder explore)
    : QObject(field), m_field(field), m_explore(std::move(explore)) {
  setObjectName(QStringLiteral("fieldMenu"));
  field->installEventFilter(this);
}

CMenuEdit* CMenuEdit::Install(QLineEdit* field, FExploreFolder explore) {
  return new CMenuEdit(field, std::move(explore));
}

QMenu* CMenuEdit::BuildMenu(QWidget* parent) {
  SFieldState state;
  state.readOnly = m_field->isReadOnly();
  state.canUndo = m_field->isUndoAvailable();
  state.hasSelection = m_field->hasSelectedText();
  state.clipboardHasText = ClipboardHasText();
  state.empty = m_field->text().isEmpty();
  state.allSelected = !state.empty && m_field->selectedText() == m_field->text();
  const SFieldMenuEnables enables = FieldMenuEnables(state);

  auto* menu = new QMenu(parent);
  menu->setObjectName(QStringLiteral("fieldContextMenu"));
  QLineEdit* field = m_field;
  connect(AddItem(menu, "&Undo", "undoItem", enables.undo), &QAction::triggered, field,
          &QLineEdit::undo);
  menu->addSeparator();
  connect(AddItem(menu, "Cu&t", "cutItem", enables.cut), &QAction::triggered, field,
          &QLineEdit::cut);
  connect(AddItem(menu, "&Copy", "copyItem", enables.copy), &QAction::triggered, field,
          &QLineEdit::copy);
  connect(AddItem(menu, "&Paste", "pasteItem", enables.paste), &QAction::triggered, field,
          &QLineEdit::paste);
  connect(AddItem(menu, "&Delete", "deleteItem", enables.erase), &QAction::triggered, field,
          &QLineEdit::del);
  menu->addSeparator();
  connect(AddItem(menu, "Select &All", "selectAllItem", enables.selectAll), &QAction::triggered,
          field, &QLineEdit::selectAll);
  if (m_explore) {
    menu->addSeparator();
    connect(AddItem(menu, "&Open Folder", "openFolderItem", true), &QAction::triggered, this,
            [this] { m_explore(FolderToOpen(Utf8(m_field->text()))); });
  }
  return menu;
}

bool CMenuEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched != m_field || event->type() != QEvent::ContextMenu) {
    return QObject::eventFilter(watched, event);
  }
  const auto* request = static_cast<QContextMenuEvent*>(event);
  const QPoint at =
      request->reason() == QContextMenuEvent::Mouse ? request->pos() : m_field->rect().center();
  QMenu* menu = BuildMenu(m_field);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(m_field->mapToGlobal(at));
  return true;
}

void InstallFolderFieldMenu(QLineEdit* field, SEditorContext& context) {
  CMenuEdit::Install(field, [&context](const std::string& folder) { context.explore(folder); });
}
