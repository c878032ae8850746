// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/SizesPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/Prompter.h"
#include "core/ui/Widgets.h"
#include "profile/PageTexts.h"
#include "profile/SettingsExport.h"
#include "profile/ui/MenuEdit.h"

namespace {

using namespace settings_codes;

void ShowSize(QLineEdit* box, const std::string& text, int32_t unit) {
  // The longer limit first, so that the text is never cut on its way in.
  box->setMaxLength(MaxSizeDigits(0));
  box->setText(Qs(text));
  box->setMaxLength(MaxSizeDigits(unit));
}

}  // namespace

CSizesPage::CSizesPage(CPrompter& prompter, QWidget* parent)
    : CSettingsPage("sizesPage", parent), m_prompter(prompter) {
  m_modes = new QButtonGroup(this);
  m_modes->addButton(MakeRadio(captions::kSizesAll, "sizesAll", this), kNoFiltering);
  m_modes->addButton(MakeRadio(captions::kSizesLimits, "sizesLimits", this), kSizeLimits);
  m_least = MakeBound(captions::kAtLeast, "useLeastSize", "leastSize", "leastUnit");
  m_most = MakeBound(captions::kAtMost, "useMostSize", "mostSize", "mostUnit");

  const int indent = fontMetrics().averageCharWidth() * 4;
  auto* bounds = new QGridLayout;
  bounds->setColumnMinimumWidth(0, indent);
  int row = 0;
  for (const SBound* bound : {&m_least, &m_most}) {
    bounds->addWidget(bound->use, row, 1);
    bounds->addWidget(bound->size, row, 2);
    bounds->addWidget(bound->unit, row, 3);
    ++row;
  }
  bounds->setColumnStretch(4, 1);

  auto* note = new QLabel(
      QStringLiteral(
          "You may enter up to nine digits for \"byte(s)\" or up to four digits otherwise."),
      this);
  note->setObjectName(QStringLiteral("sizeDigitsNote"));
  note->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_modes->button(kNoFiltering));
  layout->addWidget(m_modes->button(kSizeLimits));
  layout->addLayout(bounds);
  layout->addSpacing(fontMetrics().height() / 2);
  layout->addWidget(note);
  layout->addStretch();

  connect(m_modes, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) {
      ApplyEnables();
      NoteEdited();
    }
  });
  for (const SBound* bound : {&m_least, &m_most}) {
    connect(bound->use, &QCheckBox::toggled, this, &CSizesPage::NoteEdited);
    connect(bound->size, &QLineEdit::textChanged, this, &CSizesPage::NoteEdited);
    connect(bound->unit, &QComboBox::activated, this, [this, bound] { OnUnitChosen(*bound); });
  }
  Load(CSettingsState());
}

CSizesPage::SBound CSizesPage::MakeBound(std::string_view caption, const char* checkName,
                                         const char* sizeName, const char* unitName) {
  SBound bound;
  bound.use = MakeCheckBox(caption, checkName, this);
  const QString name = AccessibleText(Qs(caption));
  bound.size = new QLineEdit(this);
  bound.size->setObjectName(QString::fromLatin1(sizeName));
  bound.size->setAccessibleName(name + QStringLiteral(" size"));
  bound.size->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), bound.size));
  CMenuEdit::Install(bound.size);
  bound.size->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) +
                              fontMetrics().averageCharWidth() * 2);
  bound.unit = new QComboBox(this);
  bound.unit->setObjectName(QString::fromLatin1(unitName));
  NameComboBox(bound.unit, name + QStringLiteral(" unit"));
  for (const std::string_view unit : SizeUnitTexts()) {
    bound.unit->addItem(Qs(unit));
  }
  return bound;
}

void CSizesPage::Show(const CSettingsState& settings) {
  ShowControls(LoadSizesPage(settings));
}

void CSizesPage::Read(CSettingsState& settings) const {
  ReadSizesPage(Controls(), settings);
}

void CSizesPage::ShowTexts(SShownSettings& shown) const {
  shown.leastSize = Utf8(m_least.size->text());
  shown.mostSize = Utf8(m_most.size->text());
}

void CSizesPage::ApplyEnables() {
  const bool enabled = SizeBoundsEnabled(m_modes->checkedId());
  for (const SBound* bound : {&m_least, &m_most}) {
    bound->use->setEnabled(enabled);
    bound->size->setEnabled(enabled);
    bound->unit->setEnabled(enabled);
  }
}

bool CSizesPage::Validate() {
  SSizesPage page = Controls();
  std::string message;
  const bool valid = ValidateSizesPage(page, message);
  if (page.mode != m_modes->checkedId()) {
    ShowControls(page);  // the silent fall-back to no size filtering
    ApplyEnables();
  }
  if (!valid) {
    m_prompter.Show(message, EIcon::kExclamation);
  }
  return valid;
}

SSizesPage CSizesPage::Controls() const {
  SSizesPage page;
  page.mode = m_modes->checkedId();
  page.useLeast = m_least.use->isChecked();
  page.leastText = Utf8(m_least.size->text());
  page.leastUnit = m_least.unit->currentIndex();
  page.useMost = m_most.use->isChecked();
  page.mostText = Utf8(m_most.size->text());
  page.mostUnit = m_most.unit->currentIndex();
  return page;
}

void CSizesPage::ShowControls(const SSizesPage& page) {
  m_modes->button(page.mode)->setChecked(true);
  m_least.use->setChecked(page.useLeast);
  m_least.unit->setCurrentIndex(page.leastUnit);
  ShowSize(m_least.size, page.leastText, page.leastUnit);
  m_most.use->setChecked(page.useMost);
  m_most.unit->setCurrentIndex(page.mostUnit);
  ShowSize(m_most.size, page.mostText, page.mostUnit);
}

void CSizesPage::OnUnitChosen(const SBound& bound) {
  const int32_t unit = bound.unit->currentIndex();
  ShowSize(bound.size, SizeTextForUnit(Utf8(bound.size->text()), unit), unit);
  NoteEdited();
}
