// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/ConfirmDropDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/ui/Widgets.h"
#include "profile/EntryDrops.h"
#include "profile/ui/SettingsPage.h"

namespace {

constexpr int kTake = 0;  // include, or match
constexpr int kExclude = 1;

}  // namespace

CConfirmDropDlg::CConfirmDropDlg(EListKind kind, size_t count, EEntryTag preset, QWidget* parent)
    : QDialog(parent), m_kind(kind) {
  setObjectName(QStringLiteral("confirmDropDialog"));
  setWindowTitle(QStringLiteral("Confirm Drop Type"));
  auto* question = new QLabel(Qs(DropTypeQuestion(count)), this);
  question->setObjectName(QStringLiteral("question"));

  const bool subfolders = kind == EListKind::kSubfolders;
  m_tags = new QButtonGroup(this);
  QRadioButton* take = subfolders ? MakeRadio("&Include", "includeTag", this)
                                  : MakeRadio("&Match", "matchTag", this);
  QRadioButton* exclude = MakeRadio("&Exclude", "excludeTag", this);
  m_tags->addButton(take, kTake);
  m_tags->addButton(exclude, kExclude);
  (preset == EEntryTag::kExclude ? exclude : take)->setChecked(true);

  auto* tags = new QHBoxLayout;
  tags->addWidget(take);
  if (subfolders) {
    m_withSubfolders = MakeCheckBox("&with its subfolders", "withSubfolders", this);
    m_withSubfolders->setChecked(preset != EEntryTag::kIncludeOnly);
    tags->addWidget(m_withSubfolders);
  }
  tags->addSpacing(fontMetrics().averageCharWidth() * 4);
  tags->addWidget(exclude);
  tags->addStretch();

  QDialogButtonBox* buttons = MakeOkCancel(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(question);
  layout->addLayout(tags);
  layout->addWidget(buttons);
  connect(m_tags, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) {
      ApplyEnables();
    }
  });
  ApplyEnables();
}

EEntryTag CConfirmDropDlg::Tag() const {
  if (m_tags->checkedId() == kExclude) {
    return EEntryTag::kExclude;
  }
  if (m_kind != EListKind::kSubfolders) {
    return EEntryTag::kMatch;
  }
  return m_withSubfolders->isChecked() ? EEntryTag::kIncludeSubs : EEntryTag::kIncludeOnly;
}

void CConfirmDropDlg::ApplyEnables() {
  if (m_withSubfolders != nullptr) {
    m_withSubfolders->setEnabled(m_tags->checkedId() == kTake);
  }
}
