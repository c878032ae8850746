// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QToolButton;
class QWidget;

// The main window's menu of tools and exports. The window manager's own window menu is not
// the program's to extend, so the same commands sit in a menu behind a button of the main
// window (also opened with F10 or a right click on the window), and their shortcuts work
// wherever the focus is in the main window.
//
// The menu keeps its commands in a fixed order, in groups divided by separators, whatever
// order they are added in: the notes and tools, the exports, Copy, then About. A command
// the order does not know goes last.
class CMainMenu : public QObject {
  Q_OBJECT

 public:
  explicit CMainMenu(QWidget* window);

  // The button that opens the menu, for the window's layout.
  QToolButton* Button() const { return m_button; }
  QMenu* Menu() const { return m_menu; }

  // Adds a command at its place; `enabled`, when given, is asked each time the menu opens
  // and before the shortcut acts. `text` may end in a tab and the shortcut's text.
  void Add(const QString& text, const QKeySequence& shortcut, std::function<void()> action,
           std::function<bool()> enabled = {});
  // A shortcut of the window that has no menu item.
  void AddShortcut(const QKeySequence& shortcut, std::function<void()> action,
                   std::function<bool()> enabled = {});

 private:
  struct SItem {
    int rank;
    QAction* action;
  };
  void Rebuild();

  QWidget* m_window;
  QMenu* m_menu;
  QToolButton* m_button;
  std::vector<SItem> m_items;  // in menu order
};
