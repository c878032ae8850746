// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ui/MainMenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QShortcut>
#include <QToolButton>
#include <QWidget>

CMainMenu::CMainMenu(QWidget* window)
    : QObject(window), m_window(window), m_menu(new QMenu(window)), m_button(new QToolButton(window)) {
  m_menu->setObjectName(QStringLiteral("mainMenu"));
  m_button->setObjectName(QStringLiteral("menuButton"));
  m_button->setText(QStringLiteral("Tools"));
  m_button->setAccessibleName(QStringLiteral("Tools"));
  m_button->setToolTip(QStringLiteral("Tools and exports (F10)"));
  m_button->setPopupMode(QToolButton::InstantPopup);
  m_button->setMenu(m_menu);
  auto* open = new QShortcut(QKeySequence(Qt::Key_F10), window);
  connect(open, &QShortcut::activated, m_button, &QToolButton::showMenu);
  window->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(window, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { m_menu->popup(m_window->mapToGlobal(at)); });
}

void CMainMenu::Add(const QString& text, const QKeySequence& shortcut,
                    std::function<void()> action, std::function<bool()> enabled) {
  QAction* item = m_menu->addAction(text);
  item->setShortcut(shortcut);
  item->setShortcutContext(Qt::WindowShortcut);
  // The window holds the action too, so its shortcut works while the menu is closed.
  m_window->addAction(item);
  connect(item, &QAction::triggered, this, [action, enabled] {
    if (!enabled || enabled()) {
      action();
    }
  });
  if (enabled) {
    connect(m_menu, &QMenu::aboutToShow, item, [item, enabled] { item->setEnabled(enabled()); });
  }
}

void CMainMenu::AddSeparator() {
  m_menu->addSeparator();
}

void CMainMenu::AddShortcut(const QKeySequence& shortcut, std::function<void()> action,
                            std::function<bool()> enabled) {
  auto* key = new QShortcut(shortcut, m_window);
  connect(key, &QShortcut::activated, this, [action, enabled] {
    if (!enabled || enabled()) {
      action();
    }
  });
}
