// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ui/MainMenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QShortcut>
#include <QToolButton>
#include <QWidget>
#include <algorithm>

namespace {

// The menu's commands in their order; a rank's tens are its group, and a separator stands
// between two groups.
struct SPlace {
  const char* text;
  int rank;
};
constexpr SPlace kPlaces[] = {
    {"Show &Program Notes", 10},
    {"&Set Attributes...", 11},
    {"Alter &Version Filenames...", 12},
    {"&Launch File/Windows Explorer", 13},
    {"&Export Preview List...", 20},
    {"Expor&t Settings...", 21},
    {"C&opy...", 30},
    {"&About Brevant", 40},
};
constexpr int kUnknownRank = 90;

int RankOf(const QString& text) {
  const QString caption = text.section(QLatin1Char('\t'), 0, 0);
  for (const SPlace& place : kPlaces) {
    if (caption == QLatin1String(place.text)) {
      return place.rank;
    }
  }
  return kUnknownRank;
}

}  // namespace

CMainMenu::CMainMenu(QWidget* window)
    : QObject(window),
      m_window(window),
      m_menu(new QMenu(window)),
      m_button(new QToolButton(window)) {
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

void CMainMenu::Add(const QString& text, const QKeySequence& shortcut, std::function<void()> action,
                    std::function<bool()> enabled) {
  // The action belongs to this object, so that rebuilding the menu keeps it.
  auto* item = new QAction(text.section(QLatin1Char('\t'), 0, 0), this);
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
    // A disabled action ignores its shortcut: once the menu is gone, the shortcut's own
    // check above decides again.
    connect(m_menu, &QMenu::aboutToHide, item, [item] { item->setEnabled(true); });
  }
  const int rank = RankOf(text);
  const auto after =
      std::upper_bound(m_items.begin(), m_items.end(), rank,
                       [](int value, const SItem& held) { return value < held.rank; });
  m_items.insert(after, SItem{rank, item});
  Rebuild();
}

void CMainMenu::Rebuild() {
  m_menu->clear();  // drops the separators; the actions belong to this object
  int group = -1;
  for (const SItem& item : m_items) {
    if (group != -1 && item.rank / 10 != group) {
      m_menu->addSeparator();
    }
    group = item.rank / 10;
    m_menu->addAction(item.action);
  }
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
