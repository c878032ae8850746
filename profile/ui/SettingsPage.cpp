// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/SettingsPage.h"

#include <QCheckBox>
#include <QRadioButton>

CSettingsPage::CSettingsPage(const char* objectName, QWidget* parent) : QWidget(parent) {
  setObjectName(QString::fromLatin1(objectName));
}

void CSettingsPage::Load(const CSettingsState& settings) {
  const bool wasLoading = m_loading;
  m_loading = true;
  Show(settings);
  ApplyEnables();
  m_loading = wasLoading;
}

void CSettingsPage::NoteEdited() {
  if (!m_loading) {
    emit edited();
  }
}

QString Qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Utf8(const QString& text) {
  return text.toStdString();
}

QCheckBox* MakeCheckBox(std::string_view caption, const char* objectName, QWidget* parent) {
  auto* box = new QCheckBox(Qs(caption), parent);
  box->setObjectName(QString::fromLatin1(objectName));
  return box;
}

QRadioButton* MakeRadio(std::string_view caption, const char* objectName, QWidget* parent) {
  auto* button = new QRadioButton(Qs(caption), parent);
  button->setObjectName(QString::fromLatin1(objectName));
  return button;
}
