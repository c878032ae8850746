// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "copy/ui/CopyResultsDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/ui/Widgets.h"

namespace {

QLineEdit* Figure(const std::string& text, const char* name, QWidget* parent) {
  auto* field = new QLineEdit(QString::fromStdString(text), parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setReadOnly(true);
  return field;
}

}  // namespace

CCopyResultsDlg::CCopyResultsDlg(const SContent& content, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("copyResults"));
  setWindowTitle(QStringLiteral("Copy Statistics and Messages"));
  auto* figures = new QFormLayout;
  const auto addFigure = [&](const char* caption, const std::string& text, const char* name) {
    QLineEdit* field = Figure(text, name, this);
    auto* label = new QLabel(QString::fromLatin1(caption), this);
    SetLabelFor(label, field);
    figures->addRow(label, field);
  };
  if (!content.files.empty()) {
    addFigure("Files:", content.files, "files");
  }
  addFigure("Folders:", content.folders, "folders");
  addFigure("Elapsed time:", content.elapsed, "elapsed");

  auto* caption = new QLabel(QStringLiteral("&Messages:"), this);
  m_messages = new QTreeWidget(this);
  m_messages->setObjectName(QStringLiteral("messages"));
  m_messages->setHeaderHidden(true);
  m_messages->setUniformRowHeights(true);
  SetLabelFor(caption, m_messages);
  AddNode(m_messages->invisibleRootItem(), content.tree);
  m_messages->expandToDepth(0);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeButton"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(figures);
  layout->addWidget(caption);
  layout->addWidget(m_messages, 1);
  layout->addWidget(buttons);
  resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 24);
}

void CCopyResultsDlg::AddNode(QTreeWidgetItem* parent, const SMessageNode& node) {
  auto* item = new QTreeWidgetItem(parent, QStringList(QString::fromStdString(node.text)));
  for (const SMessageNode& child : node.children) {
    AddNode(item, child);
  }
}
