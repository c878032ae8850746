// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/FoldersPage.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/ui/Widgets.h"
#include "platform/TextUtil.h"
#include "profile/PageRules.h"
#include "profile/PageTexts.h"

namespace {

constexpr int kMaxPath = 259;

QLineEdit* MakePathBox(const char* objectName, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(objectName));
  box->setMaxLength(kMaxPath);
  return box;
}

// A path as the settings keep it: at most 259 bytes, never cut inside a character.
std::string PathText(const QLineEdit* box) {
  return std::string(platform::CutUtf8(Utf8(box->text()), kMaxPath));
}

}  // namespace

CFoldersPage::CFoldersPage(QWidget* parent) : CSettingsPage("foldersPage", parent) {
  m_source = MakePathBox("sourcePath", this);
  m_destination = MakePathBox("destinationPath", this);
  auto* sourceLabel = new QLabel(QStringLiteral("&Source folder:"), this);
  auto* destinationLabel = new QLabel(QStringLiteral("&Destination folder:"), this);
  SetLabelFor(sourceLabel, m_source);
  SetLabelFor(destinationLabel, m_destination);

  auto* paths = new QFormLayout;
  paths->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
  paths->addRow(sourceLabel, m_source);
  paths->addRow(destinationLabel, m_destination);

  m_modes = new QButtonGroup(this);
  auto* modes = new QVBoxLayout;
  static constexpr std::array<const char*, 3> kModeNames = {"copyIntoFolders", "copyGather",
                                                            "copyTreeOnly"};
  const auto texts = CopyModeTexts();
  for (int mode = 0; mode < static_cast<int>(texts.size()); ++mode) {
    QRadioButton* button = MakeRadio(texts[static_cast<size_t>(mode)], kModeNames[mode], this);
    m_modes->addButton(button, mode);
    modes->addWidget(button);
  }
  m_modes->button(kCopyIntoFolders)->setChecked(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(paths);
  layout->addSpacing(fontMetrics().height() / 2);
  layout->addLayout(modes);
  layout->addStretch();

  connect(m_source, &QLineEdit::textChanged, this, &CFoldersPage::NoteEdited);
  connect(m_destination, &QLineEdit::textChanged, this, &CFoldersPage::NoteEdited);
  connect(m_modes, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked && !Loading()) {
      OnModeChosen();
    }
  });
}

void CFoldersPage::Show(const CSettingsState& settings) {
  m_source->setText(Qs(settings.sourcePath));
  m_destination->setText(Qs(settings.destinationPath));
  const int32_t mode = ShownPosition(settings.copyMode, 3, kCopyIntoFolders);
  m_modes->button(mode)->setChecked(true);
  // Told even when the mode stays: the pages that follow it are loaded anew.
  OnModeChosen();
}

void CFoldersPage::Read(CSettingsState& settings) const {
  settings.sourcePath = PathText(m_source);
  settings.destinationPath = PathText(m_destination);
  settings.copyMode = CopyMode();
}

void CFoldersPage::SetNameFont(const QFont& font) {
  m_source->setFont(font);
  m_destination->setFont(font);
}

void CFoldersPage::SetFolderTexts(const std::string& source, const std::string& destination) {
  if (PathText(m_source) != source) {
    m_source->setText(Qs(source));
  }
  if (PathText(m_destination) != destination) {
    m_destination->setText(Qs(destination));
  }
}

int32_t CFoldersPage::CopyMode() const {
  const int mode = m_modes->checkedId();
  return mode < 0 ? kCopyIntoFolders : mode;
}

void CFoldersPage::OnModeChosen() {
  NoteEdited();
  emit copyModeChanged(CopyMode());
}
