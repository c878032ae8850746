// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ui/DebugMessagesDlg.h"

#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include "app/DebugExport.h"
#include "core/Prompter.h"
#include "core/TextFile.h"
#include "core/ui/ExportDialog.h"
#include "core/ui/Widgets.h"
#include "platform/DebugMessages.h"

CDebugMessagesDlg::CDebugMessagesDlg(const std::string& desktopFolder, CPrompter& prompter,
                                     QWidget* parent)
    : QDialog(parent), m_desktopFolder(desktopFolder), m_prompter(prompter) {
  setObjectName(QStringLiteral("debugMessages"));
  setWindowTitle(QStringLiteral("Debug Messages"));
  setSizeGripEnabled(true);
  QStringList lines;
  for (const std::string& line : GetDebugMessages()) {
    lines.append(QString::fromStdString(line));
  }
  m_lines = new QStringListModel(lines, this);
  m_list = new QListView(this);
  m_list->setObjectName(QStringLiteral("messages"));
  m_list->setModel(m_lines);
  m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_list->setUniformItemSizes(true);
  m_list->setAccessibleName(QStringLiteral("Debug messages"));
  m_list->setMinimumSize(fontMetrics().averageCharWidth() * 70, fontMetrics().height() * 12);

  QPushButton* clear = MakeButton(QStringLiteral("&Clear"), "clearButton", this);
  QPushButton* exportButton = MakeButton(QStringLiteral("&Export"), "exportButton", this);
  QPushButton* close = MakeButton(QStringLiteral("Close"), "closeButton", this);
  close->setDefault(true);
  connect(clear, &QPushButton::clicked, this, &CDebugMessagesDlg::Clear);
  connect(exportButton, &QPushButton::clicked, this, &CDebugMessagesDlg::Export);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(clear);
  buttons->addWidget(exportButton);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_list, 1);
  layout->addLayout(buttons);
}

void CDebugMessagesDlg::Clear() {
  m_lines->setStringList({});
  ClearDebugMessages();
}

void CDebugMessagesDlg::Export() {
  const std::string path = AskExportPath(this, m_desktopFolder, m_prompter);
  if (path.empty()) {
    return;
  }
  std::vector<std::string> lines;
  for (const QString& line : m_lines->stringList()) {
    lines.push_back(line.toStdString());
  }
  WriteExportFile(path, DebugExportText(lines), m_prompter);
}
