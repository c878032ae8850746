// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "listops/ui/StrayFoldersDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include "core/Prompter.h"
#include "core/ui/Widgets.h"
#include "listops/FolderRows.h"
#include "listops/LaunchJob.h"
#include "listops/ui/ListWindows.h"

CStrayFoldersDlg::CStrayFoldersDlg(const std::vector<std::string>& strays,
                                   const CFormatItem& format, CLaunchPool& launches,
                                   CPrompter& prompter, QWidget* parent)
    : QDialog(parent),
      m_folders(ExistingStrayFolders(strays)),
      m_launches(launches),
      m_prompter(prompter) {
  setObjectName(QStringLiteral("strayFoldersWindow"));
  setWindowTitle(QStringLiteral("Stray Destination Folders"));
  auto* caption = new QLabel(Qs(StrayFoldersCaption(m_folders.size(), format)), this);
  caption->setObjectName(QStringLiteral("caption"));
  caption->setWordWrap(true);
  QStringList texts;
  for (const std::string& folder : m_folders) {
    texts << Qs(folder);
  }
  auto* model = new QStringListModel(texts, this);
  m_view = new QListView(this);
  m_view->setObjectName(QStringLiteral("strayFolders"));
  m_view->setModel(model);
  m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_view->setUniformItemSizes(true);
  SetLabelFor(caption, m_view);
  m_view->setAccessibleName(QStringLiteral("Stray destination folders"));
  connect(m_view, &QAbstractItemView::doubleClicked, this, &CStrayFoldersDlg::OpenFolder);
  OnEnter(m_view, [this] { OpenFolder(); });
  auto* open = MakeButton(QStringLiteral("&Open Folder"), "openFolderButton", this);
  auto* close = MakeButton(QStringLiteral("Close"), "closeButton", this);
  open->setDefault(true);
  connect(open, &QPushButton::clicked, this, &CStrayFoldersDlg::OpenFolder);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(open);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  layout->addWidget(m_view, 1);
  layout->addLayout(buttons);
  resize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 18);
}

void CStrayFoldersDlg::OpenFolder() {
  const QModelIndex current = m_view->currentIndex();
  size_t row = 0;
  if (current.isValid() && m_view->selectionModel()->isSelected(current)) {
    row = static_cast<size_t>(current.row());
  } else if (m_folders.size() != 1) {
    m_prompter.Show("Please select a folder.", EIcon::kExclamation);
    return;
  }
  m_launches.Launch(m_folders[row], true);
}
