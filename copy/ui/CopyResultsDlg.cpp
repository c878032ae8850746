// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/ui/CopyResultsDlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "copy/ui/MessageTreeModel.h"
#include "core/Prompter.h"
#include "core/TextFile.h"
#include "core/ui/ExportDialog.h"
#include "core/ui/Widgets.h"

namespace {

// Where the last results window stood, for the next one (this run of the program only).
QRect g_lastGeometry;

QLineEdit* Figure(const std::string& text, const char* name, bool applies, QWidget* parent) {
  auto* field = new QLineEdit(QString::fromStdString(text), parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setReadOnly(true);
  // Read-only figures on grey; a darker grey for one that does not apply to a folder tree.
  QPalette palette = field->palette();
  const QColor grey = palette.color(QPalette::Window);
  palette.setColor(QPalette::Base, applies ? grey : grey.darker(115));
  field->setPalette(palette);
  return field;
}

}  // namespace

CCopyResultsDlg::CCopyResultsDlg(const SContent& content, CPrompter& prompter, QWidget* parent)
    : QDialog(parent),
      m_prompter(prompter),
      m_exportText(content.exportText),
      m_desktopFolder(content.desktopFolder) {
  setObjectName(QStringLiteral("copyResults"));
  setWindowTitle(QStringLiteral("Copy Statistics and Messages"));
  setSizeGripEnabled(true);
  auto* figures = new QFormLayout;
  const auto addFigure = [&](const char* caption, QLineEdit* field) {
    auto* label = new QLabel(QString::fromLatin1(caption), this);
    SetLabelFor(label, field);
    figures->addRow(label, field);
  };
  addFigure("Files:", Figure(content.files, "files", !content.foldersOnly, this));
  addFigure("Folders:", Figure(content.folders, "folders", true, this));
  addFigure("Elapsed time:", Figure(content.elapsed, "elapsed", true, this));

  auto* caption = new QLabel(QStringLiteral("Messages:"), this);
  m_model = new CMessageTreeModel(content.tree, this);
  m_messages = new QTreeView(this);
  m_messages->setObjectName(QStringLiteral("messages"));
  m_messages->setModel(m_model);
  m_messages->setHeaderHidden(true);
  m_messages->setUniformRowHeights(true);
  m_messages->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  m_messages->header()->setStretchLastSection(false);
  SetLabelFor(caption, m_messages);
  m_messages->expand(m_model->index(0, 0));
  m_messages->setCurrentIndex(m_model->index(0, 0));

  m_expand = MakeButton(QStringLiteral("E&xpand"), "expandButton", this);
  m_withDetails = new QCheckBox(QStringLiteral("&With Details"), this);
  m_withDetails->setObjectName(QStringLiteral("withDetails"));
  connect(m_expand, &QPushButton::clicked, this, &CCopyResultsDlg::ExpandOrCollapse);
  auto* treeCommands = new QHBoxLayout;
  treeCommands->addWidget(m_expand);
  treeCommands->addWidget(m_withDetails);
  treeCommands->addStretch();

  auto* advice = new QLabel(
      QStringLiteral("After correcting any problems, try pressing Copy (All) again."), this);
  advice->setObjectName(QStringLiteral("advice"));
  if (!content.hasMessages) {
    m_expand->setEnabled(false);
    m_withDetails->setEnabled(false);
    advice->hide();
  }

  QPushButton* exportButton = MakeButton(QStringLiteral("&Export"), "exportButton", this);
  QPushButton* close = MakeButton(QStringLiteral("&Close"), "closeButton", this);
  close->setDefault(true);
  connect(exportButton, &QPushButton::clicked, this, &CCopyResultsDlg::Export);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(exportButton);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(figures);
  layout->addWidget(caption);
  layout->addWidget(m_messages, 1);
  layout->addLayout(treeCommands);
  layout->addWidget(advice);
  layout->addLayout(buttons);
  resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 24);
  if (g_lastGeometry.isValid()) {
    setGeometry(g_lastGeometry);
  }
}

void CCopyResultsDlg::hideEvent(QHideEvent* event) {
  g_lastGeometry = geometry();
  QDialog::hideEvent(event);
}

void CCopyResultsDlg::ExpandOrCollapse() {
  const QModelIndex root = m_model->index(0, 0);
  const int kinds = m_model->rowCount(root);
  m_expanded = !m_expanded;
  for (int kind = 0; kind < kinds; ++kind) {
    const QModelIndex kindNode = m_model->index(kind, 0, root);
    if (!m_expanded) {
      m_messages->collapse(kindNode);
      for (int path = 0; path < m_model->rowCount(kindNode); ++path) {
        m_messages->collapse(m_model->index(path, 0, kindNode));
      }
      continue;
    }
    m_messages->expand(kindNode);
    if (m_withDetails->isChecked()) {
      // The paths open too, so that their reasons show.
      for (int path = 0; path < m_model->rowCount(kindNode); ++path) {
        m_messages->expand(m_model->index(path, 0, kindNode));
      }
    }
  }
  m_expand->setText(m_expanded ? QStringLiteral("C&ollapse") : QStringLiteral("E&xpand"));
  m_withDetails->setEnabled(!m_expanded);
}

void CCopyResultsDlg::Export() {
  const std::string path = AskExportPath(this, m_desktopFolder, m_prompter);
  if (!path.empty()) {
    WriteExportFile(path, m_exportText, m_prompter);
  }
}
