// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/DatesPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "core/ui/Widgets.h"
#include "profile/PageTexts.h"
#include "profile/SettingsExport.h"
#include "profile/ui/MenuEdit.h"

namespace {

using platform::CDateTime;
using namespace settings_codes;

QDate ToQDate(const CDateTime& date, const QDate& fallback) {
  CDateTime::SParts parts{};
  return date.GetParts(parts) ? QDate(parts.year, parts.month, parts.day) : fallback;
}

QTime ToQTime(const CDateTime& time) {
  CDateTime::SParts parts{};
  return time.GetParts(parts) ? QTime(parts.hour, parts.minute, parts.second) : QTime(0, 0);
}

CDateTime FromQDate(const QDate& date) {
  return CDateTime::FromParts(date.year(), date.month(), date.day());
}

// A time of day on the zero date, as the page rules take it.
CDateTime FromQTime(const QTime& time) {
  return CDateTime::FromParts(1899, 12, 30, time.hour(), time.minute(), time.second());
}

QDateEdit* MakeDatePicker(const char* objectName, const QString& name, QWidget* parent) {
  auto* picker = new QDateEdit(parent);
  picker->setObjectName(QString::fromLatin1(objectName));
  picker->setAccessibleName(name);
  picker->setCalendarPopup(true);
  picker->setMinimumDate(QDate(100, 1, 1));  // the years a stored date can hold
  picker->setMaximumDate(QDate(9999, 12, 31));
  return picker;
}

QTimeEdit* MakeTimePicker(const char* objectName, const QString& name, QWidget* parent) {
  auto* picker = new QTimeEdit(parent);
  picker->setObjectName(QString::fromLatin1(objectName));
  picker->setAccessibleName(name);
  picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  return picker;
}

}  // namespace

CDatesPage::CDatesPage(QWidget* parent) : CSettingsPage("datesPage", parent) {
  m_modes = new QButtonGroup(this);
  m_modes->addButton(MakeRadio(captions::kDatesAll, "datesAll", this), kNoFiltering);
  m_modes->addButton(MakeRadio(captions::kDatesToday, "datesToday", this), kDateToday);
  m_modes->addButton(MakeRadio(captions::kDatesRecent, "datesRecent", this), kDateRecent);
  m_modes->addButton(MakeRadio(captions::kDatesRange, "datesRange", this), kDateRange);

  m_count = new QLineEdit(this);
  m_count->setObjectName(QStringLiteral("recentCount"));
  m_count->setAccessibleName(QStringLiteral("Number of days, weeks, months or years"));
  m_count->setMaxLength(3);
  m_count->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_count));
  m_count->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) * 2);
  CMenuEdit::Install(m_count);
  m_unit = new QComboBox(this);
  m_unit->setObjectName(QStringLiteral("recentUnit"));
  NameComboBox(m_unit, QStringLiteral("Unit of the span"));
  for (const std::string_view unit : DateUnitTexts()) {
    m_unit->addItem(Qs(unit));
  }

  m_useFrom = MakeCheckBox("&from:", "useFromDate", this);
  m_fromDate = MakeDatePicker("fromDate", QStringLiteral("From date"), this);
  m_fromTime = MakeTimePicker("fromTime", QStringLiteral("From time"), this);
  m_useThrough = MakeCheckBox("t&hrough:", "useThroughDate", this);
  m_throughDate = MakeDatePicker("throughDate", QStringLiteral("Through date"), this);
  m_throughTime = MakeTimePicker("throughTime", QStringLiteral("Through time"), this);

  auto* recent = new QHBoxLayout;
  recent->addWidget(m_modes->button(kDateRecent));
  recent->addWidget(m_count);
  recent->addWidget(m_unit);
  recent->addStretch();

  const int indent = fontMetrics().averageCharWidth() * 4;
  auto* range = new QGridLayout;
  range->setColumnMinimumWidth(0, indent);
  range->addWidget(m_useFrom, 0, 1);
  range->addWidget(m_fromDate, 0, 2);
  range->addWidget(m_fromTime, 0, 3);
  range->addWidget(m_useThrough, 1, 1);
  range->addWidget(m_throughDate, 1, 2);
  range->addWidget(m_throughTime, 1, 3);
  range->setColumnStretch(4, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_modes->button(kNoFiltering));
  layout->addWidget(m_modes->button(kDateToday));
  layout->addLayout(recent);
  layout->addWidget(m_modes->button(kDateRange));
  layout->addLayout(range);
  layout->addStretch();

  connect(m_modes, &QButtonGroup::idClicked, this, &CDatesPage::OnModeChosen);
  connect(m_useFrom, &QCheckBox::clicked, this,
          [this](bool checked) { OnBoundClicked(true, checked); });
  connect(m_useThrough, &QCheckBox::clicked, this,
          [this](bool checked) { OnBoundClicked(false, checked); });
  connect(m_count, &QLineEdit::textChanged, this, &CDatesPage::NoteEdited);
  connect(m_unit, &QComboBox::currentIndexChanged, this, &CDatesPage::NoteEdited);
  for (QDateTimeEdit* picker :
       {static_cast<QDateTimeEdit*>(m_fromDate), static_cast<QDateTimeEdit*>(m_fromTime),
        static_cast<QDateTimeEdit*>(m_throughDate), static_cast<QDateTimeEdit*>(m_throughTime)}) {
    connect(picker, &QDateTimeEdit::dateTimeChanged, this, &CDatesPage::NoteEdited);
  }
  Load(CSettingsState());
}

void CDatesPage::Show(const CSettingsState& settings) {
  ShowControls(LoadDatesPage(settings, m_now()));
}

void CDatesPage::Read(CSettingsState& settings) const {
  ReadDatesPage(Controls(), m_now(), settings);
}

void CDatesPage::ShowTexts(SShownSettings& shown) const {
  shown.recentCount = Utf8(m_count->text());
  shown.fromDate = Utf8(m_fromDate->text());
  shown.fromTime = Utf8(m_fromTime->text());
  shown.throughDate = Utf8(m_throughDate->text());
  shown.throughTime = Utf8(m_throughTime->text());
}

void CDatesPage::ApplyEnables() {
  const SDatesEnables enables = DatesPageEnables(m_modes->checkedId());
  m_count->setEnabled(enables.recent);
  m_unit->setEnabled(enables.recent);
  for (QWidget* control : std::initializer_list<QWidget*>{
           m_useFrom, m_fromDate, m_fromTime, m_useThrough, m_throughDate, m_throughTime}) {
    control->setEnabled(enables.range);
  }
}

SDatesPage CDatesPage::Controls() const {
  SDatesPage page;
  page.mode = m_modes->checkedId();
  page.countText = Utf8(m_count->text());
  page.unit = m_unit->currentIndex();
  page.useFrom = m_useFrom->isChecked();
  page.useThrough = m_useThrough->isChecked();
  page.fromDate = FromQDate(m_fromDate->date());
  page.fromTime = FromQTime(m_fromTime->time());
  page.throughDate = FromQDate(m_throughDate->date());
  page.throughTime = FromQTime(m_throughTime->time());
  return page;
}

void CDatesPage::ShowControls(const SDatesPage& page) {
  const QDate today = ToQDate(m_now(), QDate::currentDate());
  m_modes->button(page.mode)->setChecked(true);
  m_count->setText(Qs(page.countText));
  m_unit->setCurrentIndex(ShownPosition(page.unit, m_unit->count(), kUnitDays));
  m_useFrom->setChecked(page.useFrom);
  m_useThrough->setChecked(page.useThrough);
  m_fromDate->setDate(ToQDate(page.fromDate, today));
  m_fromTime->setTime(ToQTime(page.fromTime));
  m_throughDate->setDate(ToQDate(page.throughDate, today));
  m_throughTime->setTime(ToQTime(page.throughTime));
}

void CDatesPage::OnModeChosen(int mode) {
  SDatesPage page = Controls();
  ChooseDateMode(page, mode);
  ShowControls(page);
  ApplyEnables();
  NoteEdited();
}

void CDatesPage::OnBoundClicked(bool fromBound, bool checked) {
  SDatesPage page = Controls();
  SetDateBound(page, fromBound, checked);
  ShowControls(page);
  ApplyEnables();
  NoteEdited();
}
