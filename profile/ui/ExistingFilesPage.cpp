// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/ExistingFilesPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "core/Prompter.h"
#include "core/ui/Widgets.h"
#include "profile/PageTexts.h"

namespace {

QComboBox* MakeList(const char* objectName, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(objectName));
  return list;
}

}  // namespace

CExistingFilesPage::CExistingFilesPage(CPrompter& prompter, QWidget* parent)
    : CSettingsPage("existingFilesPage", parent), m_prompter(prompter) {
  m_overwrite = MakeList("overwriteMode", this);
  for (const std::string_view choice : OverwriteTexts()) {
    m_overwrite->addItem(Qs(choice));
  }
  auto* overwriteLabel = new QLabel(QStringLiteral("&Overwrite existing destination files:"), this);
  SetLabelFor(overwriteLabel, m_overwrite);
  auto* overwrite = new QHBoxLayout;
  overwrite->addWidget(overwriteLabel);
  overwrite->addWidget(m_overwrite);
  overwrite->addStretch();

  m_dispose = new QButtonGroup(this);
  static constexpr std::array<const char*, 3> kDisposeNames = {"disposeDelete", "disposeRecycle",
                                                               "disposeVersions"};
  auto* dispose = new QVBoxLayout;
  const auto disposeTexts = DisposeTexts();
  for (int mode = 0; mode < static_cast<int>(disposeTexts.size()); ++mode) {
    QRadioButton* button =
        MakeRadio(disposeTexts[static_cast<size_t>(mode)], kDisposeNames[mode], this);
    m_dispose->addButton(button, mode);
    dispose->addWidget(button);
  }

  m_versionLimit = MakeList("versionLimit", this);
  for (const std::string& limit : VersionLimitTexts()) {
    m_versionLimit->addItem(Qs(limit));
  }
  m_versionSizeLimit = MakeList("versionSizeLimit", this);
  for (const std::string& limit : VersionSizeLimitTexts()) {
    m_versionSizeLimit->addItem(Qs(limit));
  }
  auto* versionLimitLabel = new QLabel(QStringLiteral("&Limit on the number of versions:"), this);
  auto* sizeLimitLabel = new QLabel(QStringLiteral("&File-size limit:"), this);
  SetLabelFor(versionLimitLabel, m_versionLimit);
  SetLabelFor(sizeLimitLabel, m_versionSizeLimit);
  auto* versions = new QHBoxLayout;
  versions->addSpacing(fontMetrics().averageCharWidth() * 4);
  versions->addWidget(versionLimitLabel);
  versions->addWidget(m_versionLimit);
  versions->addSpacing(fontMetrics().averageCharWidth() * 3);
  versions->addWidget(sizeLimitLabel);
  versions->addWidget(m_versionSizeLimit);
  versions->addStretch();

  auto* testsLabel = new QLabel(QStringLiteral("Include additional comparison tests:"), this);
  QCheckBox* testSize =
      m_flags.Add(captions::kTestSize, "testSize", &CSettingsState::testSize, this);
  QCheckBox* testArchive =
      m_flags.Add(captions::kTestArchive, "testArchive", &CSettingsState::testArchive, this);
  auto* tests = new QHBoxLayout;
  tests->addWidget(testsLabel);
  tests->addWidget(testSize);
  tests->addWidget(testArchive);
  tests->addStretch();

  m_includeNewFiles = m_flags.Add(captions::kIncludeNewFiles, "includeNewFiles",
                                  &CSettingsState::includeNewFiles, this);
  m_deleteStrayFiles = m_flags.Add(captions::kDeleteStrayFiles, "deleteStrayFiles",
                                   &CSettingsState::deleteStrayFiles, this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(overwrite);
  layout->addLayout(dispose);
  layout->addLayout(versions);
  layout->addSpacing(fontMetrics().height() / 2);
  layout->addLayout(tests);
  layout->addSpacing(fontMetrics().height() / 2);
  layout->addWidget(m_includeNewFiles);
  layout->addWidget(m_deleteStrayFiles);
  layout->addStretch();

  connect(m_overwrite, &QComboBox::activated, this,
          [this] { RepairAfter(EExistingFilesChange::kOverwriteChoice); });
  connect(m_includeNewFiles, &QCheckBox::clicked, this,
          [this] { RepairAfter(EExistingFilesChange::kIncludeNewFiles); });
  connect(m_deleteStrayFiles, &QCheckBox::clicked, this,
          [this] { RepairAfter(EExistingFilesChange::kDeleteStrayFiles); });
  connect(m_dispose, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) {
      ApplyEnables();
    }
  });
  for (QComboBox* list : {m_overwrite, m_versionLimit, m_versionSizeLimit}) {
    connect(list, &QComboBox::currentIndexChanged, this, &CExistingFilesPage::NoteEdited);
  }
  for (QCheckBox* box : findChildren<QCheckBox*>()) {
    connect(box, &QCheckBox::toggled, this, &CExistingFilesPage::NoteEdited);
  }
  connect(m_dispose, &QButtonGroup::idToggled, this, &CExistingFilesPage::NoteEdited);
  Load(CSettingsState());
}

void CExistingFilesPage::Show(const CSettingsState& settings) {
  CSettingsState shown = settings;
  if (m_gather) {
    ApplyGatherMode(shown);
  }
  ShowChoices(shown);
}

void CExistingFilesPage::ShowChoices(const CSettingsState& settings) {
  m_overwrite->setCurrentIndex(
      ShownPosition(settings.overwriteMode, m_overwrite->count(), kOverwriteNewer));
  m_dispose->button(ShownPosition(settings.disposeMode, 3, kDisposeDelete))->setChecked(true);
  m_versionLimit->setCurrentIndex(VersionLimitPosition(settings.versionLimit));
  m_versionSizeLimit->setCurrentIndex(
      ShownPosition(settings.versionSizeLimit, m_versionSizeLimit->count(), 0));
  m_flags.Show(settings);
}

void CExistingFilesPage::Read(CSettingsState& settings) const {
  settings.overwriteMode = m_overwrite->currentIndex();
  settings.disposeMode = m_dispose->checkedId();
  settings.versionLimit = VersionLimitFromPosition(m_versionLimit->currentIndex());
  settings.versionSizeLimit = m_versionSizeLimit->currentIndex();
  m_flags.Read(settings);
}

void CExistingFilesPage::ApplyEnables() {
  const SExistingFilesEnables enables = ExistingFilesEnables(m_gather, m_dispose->checkedId());
  m_overwrite->setEnabled(enables.overwrite);
  m_deleteStrayFiles->setEnabled(enables.deleteStrayFiles);
  m_versionLimit->setEnabled(enables.versionLists);
  m_versionSizeLimit->setEnabled(enables.versionLists);
}

void CExistingFilesPage::SetGather(bool gather) {
  m_gather = gather;
  if (gather) {
    CSettingsState settings;
    Read(settings);
    ApplyGatherMode(settings);
    ShowChoices(settings);
  }
  ApplyEnables();
}

void CExistingFilesPage::RepairAfter(EExistingFilesChange change) {
  CSettingsState settings;
  Read(settings);
  std::string message;
  if (!RepairExistingFiles(settings, change, message)) {
    return;
  }
  m_prompter.Show(message, EIcon::kStop);
  ShowChoices(settings);
}
