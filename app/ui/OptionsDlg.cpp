// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ui/OptionsDlg.h"

#include <string>
#include <utility>

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/ui/OptionsPages.h"
#include "core/Prompter.h"
#include "core/ui/Widgets.h"

int COptionsDlg::s_lastPage = 0;

COptionsDlg::COptionsDlg(const SProgramOptions& current, CPrompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_result(current) {
  setObjectName(QStringLiteral("optionsWindow"));
  setWindowTitle(QStringLiteral("Options"));

  m_tabs = new QTabWidget(this);
  m_tabs->setObjectName(QStringLiteral("optionsPages"));
  const std::pair<COptionsPage* (*)(QWidget*), const char*> pages[] = {
      {NewStartupPage, "Startup"}, {NewPreviewPage, "Preview"}, {NewFileTimesPage, "File Times"},
      {NewNumbersPage, "Numbers"}, {NewFontsPage, "Fonts"},     {NewTyposPage, "Typos"}};
  for (const auto& [make, title] : pages) {
    COptionsPage* page = make(m_tabs);
    page->Load(current);
    m_tabs->addTab(page, QString::fromUtf8(title));
    m_pages.push_back(page);
  }
  if (s_lastPage >= 0 && s_lastPage < m_tabs->count()) {
    m_shownPage = s_lastPage;
  }
  m_tabs->setCurrentIndex(m_shownPage);
  connect(m_tabs, &QTabWidget::currentChanged, this, &COptionsDlg::PageChanged);

  QPushButton* ok = MakeButton(QStringLiteral("OK"), "okButton", this);
  QPushButton* cancel = MakeButton(QStringLiteral("Cancel"), "cancelButton", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &COptionsDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &COptionsDlg::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_tabs);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void COptionsDlg::accept() {
  for (int index = 0; index < static_cast<int>(m_pages.size()); ++index) {
    if (!PageMayBeLeft(index)) {
      return;
    }
  }
  SProgramOptions edited = m_result;
  for (const COptionsPage* page : m_pages) {
    page->Read(edited);
  }
  m_result = edited;
  QDialog::accept();
}

void COptionsDlg::PageChanged(int index) {
  if (m_turningBack) {
    return;
  }
  if (!PageMayBeLeft(m_shownPage)) {
    return;
  }
  m_shownPage = index;
  s_lastPage = index;
}

bool COptionsDlg::PageMayBeLeft(int index) {
  std::string message;
  QWidget* field = m_pages[static_cast<size_t>(index)]->Check(message);
  if (field == nullptr) {
    return true;
  }
  m_turningBack = true;
  m_tabs->setCurrentIndex(index);
  m_turningBack = false;
  m_shownPage = index;
  s_lastPage = index;
  m_prompter.Show(message, EIcon::kExclamation);
  field->setFocus();
  if (auto* edit = qobject_cast<QLineEdit*>(field)) {
    edit->selectAll();
  }
  return false;
}
