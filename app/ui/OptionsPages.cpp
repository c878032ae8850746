// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ui/OptionsPages.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QVBoxLayout>

#include "core/OptionPages.h"
#include "core/ui/Widgets.h"

namespace {

QCheckBox* MakeCheck(const char* caption, const char* objectName, QWidget* parent) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
  box->setObjectName(QString::fromLatin1(objectName));
  return box;
}

QRadioButton* MakeRadio(const char* caption, const char* objectName, QWidget* parent) {
  auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromLatin1(objectName));
  return button;
}

QLabel* MakeLabel(const char* text, const char* objectName, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(QString::fromLatin1(objectName));
  label->setTextFormat(Qt::PlainText);
  return label;
}

// A paragraph that explains a page; it wraps to the page's width.
QLabel* MakeExplanation(const char* text, QWidget* parent) {
  QLabel* label = MakeLabel(text, "explanation", parent);
  label->setWordWrap(true);
  return label;
}

// A field for a few characters, as wide as `characters` digits and its frame.
QLineEdit* MakeShortField(const char* objectName, int characters, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(objectName));
  const int text = field->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('0')));
  field->setFixedWidth(text + 4 * field->fontMetrics().averageCharWidth());
  return field;
}

// The distance from a check box's left edge to its text, so that a note lines up under it.
int CheckBoxTextIndent(const QWidget* widget) {
  const QStyle* style = widget->style();
  return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget) +
         style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget);
}

int Flag(const QAbstractButton* button) {
  return button->isChecked() ? 1 : 0;
}

std::string ToStd(const QString& text) {
  return text.toUtf8().toStdString();
}

class CStartupPage : public COptionsPage {
 public:
  explicit CStartupPage(QWidget* parent) : COptionsPage(parent) {
    setObjectName(QStringLiteral("startupPage"));
    m_restorePlacement =
        MakeCheck("&Restore the previous position of the main window.", "restorePlacement", this);
    QLabel* note =
        MakeLabel("(Uncheck this option if you change screen properties.)", "placementNote", this);
    note->setContentsMargins(CheckBoxTextIndent(m_restorePlacement), 0, 0, 0);
    m_showNotes = MakeCheck("&Show the Program Notes.", "showProgramNotes", this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_restorePlacement);
    layout->addWidget(note);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addWidget(m_showNotes);
    layout->addStretch();
  }

  void Load(const SProgramOptions& options) override {
    m_restorePlacement->setChecked(options.m_restorePlacement != 0);
    m_showNotes->setChecked(options.m_showDayTip != 0);
  }
  void Read(SProgramOptions& options) const override {
    options.m_restorePlacement = Flag(m_restorePlacement);
    options.m_showDayTip = Flag(m_showNotes);
  }

 private:
  QCheckBox* m_restorePlacement = nullptr;
  QCheckBox* m_showNotes = nullptr;
};

class CPreviewPage : public COptionsPage {
 public:
  explicit CPreviewPage(QWidget* parent) : COptionsPage(parent) {
    setObjectName(QStringLiteral("previewPage"));
    m_recallWidths =
        MakeCheck("&Remember the column widths of the preview list.", "recallColumnWidths", this);
    m_adjustWidths = MakeCheck("&Adjust column widths of the preview list to fit their content.",
                               "adjustColumnWidths", this);
    m_confirmCopying =
        MakeCheck("&Confirm copying without first previewing.", "confirmCopying", this);
    m_detectMoves = MakeCheck("&Detect possible file moves.", "detectMoves", this);
    m_includeRenames = MakeCheck("&Include renamed files.", "includeRenames", this);

    auto* layout = new QVBoxLayout(this);
    for (QCheckBox* box :
         {m_recallWidths, m_adjustWidths, m_confirmCopying, m_detectMoves, m_includeRenames}) {
      layout->addWidget(box);
    }
    layout->addStretch();
    // Only a click changes the rule's input; loading applies it once itself.
    connect(m_detectMoves, &QCheckBox::clicked, this, [this] { ApplyRenamesRule(); });
  }

  void Load(const SProgramOptions& options) override {
    m_recallWidths->setChecked(options.m_recallColumnWidths != 0);
    m_adjustWidths->setChecked(options.m_adjustColumnWidths != 0);
    m_confirmCopying->setChecked(options.m_confirmCopying != 0);
    m_detectMoves->setChecked(options.m_detectMoves != 0);
    m_includeRenames->setChecked(options.m_includeRenames != 0);
    ApplyRenamesRule();
  }
  void Read(SProgramOptions& options) const override {
    options.m_recallColumnWidths = Flag(m_recallWidths);
    options.m_adjustColumnWidths = Flag(m_adjustWidths);
    options.m_confirmCopying = Flag(m_confirmCopying);
    options.m_detectMoves = Flag(m_detectMoves);
    options.m_includeRenames = Flag(m_includeRenames);
  }

 private:
  void ApplyRenamesRule() {
    const SRenamesBox box =
        RenamesBoxFor(m_detectMoves->isChecked(), m_includeRenames->isChecked());
    m_includeRenames->setChecked(box.checked);
    m_includeRenames->setEnabled(box.enabled);
  }

  QCheckBox* m_recallWidths = nullptr;
  QCheckBox* m_adjustWidths = nullptr;
  QCheckBox* m_confirmCopying = nullptr;
  QCheckBox* m_detectMoves = nullptr;
  QCheckBox* m_includeRenames = nullptr;
};

class CFileTimesPage : public COptionsPage {
 public:
  explicit CFileTimesPage(QWidget* parent) : COptionsPage(parent) {
    setObjectName(QStringLiteral("fileTimesPage"));
    QLabel* explanation = MakeExplanation(
        "When copying between internal and external drives, file times can be off by a few "
        "seconds or even an hour.  Setting a positive comparison tolerance and/or allowing a "
        "one-hour difference may prevent identical files from being viewed as being different.",
        this);
    QLabel* label = MakeLabel("&Comparison tolerance (hh : mm : ss):", "toleranceLabel", this);
    m_hours = MakeShortField("thresholdHours", 2, this);
    m_minutes = MakeShortField("thresholdMinutes", 2, this);
    m_seconds = MakeShortField("thresholdSeconds", 2, this);
    SetLabelFor(label, m_hours);
    m_minutes->setAccessibleName(QStringLiteral("Comparison tolerance minutes"));
    m_seconds->setAccessibleName(QStringLiteral("Comparison tolerance seconds"));
    m_hourDiff = MakeCheck("&Allow a one-hour difference.", "hourDiff", this);

    auto* tolerance = new QHBoxLayout;
    tolerance->addWidget(label);
    tolerance->addWidget(m_hours);
    tolerance->addWidget(new QLabel(QStringLiteral(":"), this));
    tolerance->addWidget(m_minutes);
    tolerance->addWidget(new QLabel(QStringLiteral(":"), this));
    tolerance->addWidget(m_seconds);
    tolerance->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(tolerance);
    layout->addWidget(m_hourDiff);
    layout->addStretch();
  }

  void Load(const SProgramOptions& options) override {
    const SFileTimesFields fields = FileTimesFieldsFor(options);
    m_hours->setText(QString::fromStdString(fields.hours));
    m_minutes->setText(QString::fromStdString(fields.minutes));
    m_seconds->setText(QString::fromStdString(fields.seconds));
    m_hourDiff->setChecked(options.m_hourDiff != 0);
  }
  void Read(SProgramOptions& options) const override {
    SFieldError error;
    ReadFileTimesFields(Fields(), options, error);  // Check() has passed before a read
    options.m_hourDiff = Flag(m_hourDiff);
  }
  QWidget* Check(std::string& message) const override {
    SProgramOptions scratch;
    SFieldError error;
    if (ReadFileTimesFields(Fields(), scratch, error)) {
      return nullptr;
    }
    message = error.message;
    switch (error.field) {
      case EFileTimesField::kHours:
        return m_hours;
      case EFileTimesField::kMinutes:
        return m_minutes;
      case EFileTimesField::kSeconds:
        break;
    }
    return m_seconds;
  }

 private:
  SFileTimesFields Fields() const {
    return SFileTimesFields{ToStd(m_hours->text()), ToStd(m_minutes->text()),
                            ToStd(m_seconds->text())};
  }

  QLineEdit* m_hours = nullptr;
  QLineEdit* m_minutes = nullptr;
  QLineEdit* m_seconds = nullptr;
  QCheckBox* m_hourDiff = nullptr;
};

class CNumbersPage : public COptionsPage {
 public:
  explicit CNumbersPage(QWidget* parent) : COptionsPage(parent) {
    setObjectName(QStringLiteral("numbersPage"));
    m_useSeparator = MakeCheck("&Insert thousands separators.", "useThousandsSep", this);
    m_choices = new QButtonGroup(this);
    m_choices->addButton(MakeRadio("&Comma", "sepComma", this),
                         static_cast<int>(EThousandsSepChoice::kComma));
    m_choices->addButton(MakeRadio("&Period", "sepPeriod", this),
                         static_cast<int>(EThousandsSepChoice::kPeriod));
    m_choices->addButton(MakeRadio("&Space", "sepSpace", this),
                         static_cast<int>(EThousandsSepChoice::kSpace));
    m_choices->addButton(MakeRadio("&Other:", "sepOther", this),
                         static_cast<int>(EThousandsSepChoice::kOther));
    m_other = MakeShortField("sepOtherText", 1, this);
    m_other->setMaxLength(1);
    m_other->setAccessibleName(QStringLiteral("Other separator"));
    m_useTwoDigits = MakeCheck("Use two digits in version numbers when at least 10 are needed.",
                               "useTwoDigits", this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_useSeparator);
    layout->addLayout(ChoicesGrid());
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addWidget(m_useTwoDigits);
    layout->addStretch();

    // Also when arrow keys move the choice, which radio buttons do without a click.
    connect(m_useSeparator, &QCheckBox::toggled, this, [this] { ApplyEnabling(); });
    connect(m_choices, &QButtonGroup::idToggled, this, [this] { ApplyEnabling(); });
  }

  void Load(const SProgramOptions& options) override {
    m_useSeparator->setChecked(options.m_useThousandsSep != 0);
    m_choices->button(static_cast<int>(ThousandsSepChoice(options.m_thousandsSep)))
        ->setChecked(true);
    m_other->setText(QString::fromStdString(OtherSepText(options.m_thousandsSep)));
    m_useTwoDigits->setChecked(options.m_useTwoDigits != 0);
    ApplyEnabling();
  }
  void Read(SProgramOptions& options) const override {
    options.m_useThousandsSep = Flag(m_useSeparator);
    options.m_thousandsSep = ThousandsSepFromChoice(Choice(), ToStd(m_other->text()));
    options.m_useTwoDigits = Flag(m_useTwoDigits);
  }

 private:
  // The four choices, each with the decimal symbol that goes with it beside it.
  QGridLayout* ChoicesGrid() {
    auto* grid = new QGridLayout;
    grid->setContentsMargins(CheckBoxTextIndent(m_useSeparator), 0, 0, 0);
    grid->setHorizontalSpacing(2 * fontMetrics().averageCharWidth());
    grid->addWidget(MakeLabel("Corresponding Decimal Symbol", "decimalHeading", this), 0, 1);
    const char* symbols[] = {"period", "comma", "comma",
                             "period (if separator is a comma)\ncomma (otherwise)"};
    for (int choice = 0; choice < 4; ++choice) {
      const int row = choice + 1;
      QLabel* symbol = MakeLabel(symbols[choice], "decimalSymbol", this);
      if (choice == static_cast<int>(EThousandsSepChoice::kOther)) {
        auto* other = new QHBoxLayout;
        other->addWidget(m_choices->button(choice));
        other->addWidget(m_other);
        other->addStretch();
        grid->addLayout(other, row, 0, Qt::AlignTop);
        // The two lines hang from the line beside the field.
        const int lead = (m_other->sizeHint().height() - fontMetrics().height()) / 2;
        symbol->setContentsMargins(0, std::max(lead, 0), 0, 0);
        grid->addWidget(symbol, row, 1, Qt::AlignTop);
      } else {
        grid->addWidget(m_choices->button(choice), row, 0, Qt::AlignVCenter);
        grid->addWidget(symbol, row, 1, Qt::AlignVCenter);
      }
    }
    grid->setColumnStretch(2, 1);
    return grid;
  }

  EThousandsSepChoice Choice() const {
    return static_cast<EThousandsSepChoice>(m_choices->checkedId());
  }

  void ApplyEnabling() {
    const SNumbersEnabling enabling = NumbersPageEnabling(m_useSeparator->isChecked(), Choice());
    for (QAbstractButton* button : m_choices->buttons()) {
      button->setEnabled(enabling.choices);
    }
    m_other->setEnabled(enabling.otherField);
  }

  QCheckBox* m_useSeparator = nullptr;
  QButtonGroup* m_choices = nullptr;
  QLineEdit* m_other = nullptr;
  QCheckBox* m_useTwoDigits = nullptr;
};

class CFontsPage : public COptionsPage {
 public:
  explicit CFontsPage(QWidget* parent) : COptionsPage(parent) {
    setObjectName(QStringLiteral("fontsPage"));
    QLabel* explanation = MakeExplanation(
        "You may select either a proportional font or a fixed one for displaying file and "
        "folder names.  These names may be easier to read in a fixed font.",
        this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2 * fontMetrics().averageCharWidth());
    m_preview = AddPair(grid, 0, "Preview list:", {"&Proportional", "previewProportional"},
                        {"&Fixed", "previewFixed"});
    m_rename = AddPair(grid, 1, "Rename-file window:", {"P&roportional", "renameProportional"},
                       {"F&ixed", "renameFixed"});
    m_settings = AddPair(grid, 2, "Settings pages:", {"Pr&oportional", "settingsProportional"},
                         {"Fi&xed", "settingsFixed"});
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(grid);
    layout->addStretch();
  }

  void Load(const SProgramOptions& options) override {
    Show(m_preview, options.m_previewFixedFont);
    Show(m_rename, options.m_renameFixedFont);
    Show(m_settings, options.m_settingsFixedFont);
  }
  void Read(SProgramOptions& options) const override {
    options.m_previewFixedFont = Flag(m_preview.fixed);
    options.m_renameFixedFont = Flag(m_rename.fixed);
    options.m_settingsFixedFont = Flag(m_settings.fixed);
  }

 private:
  struct SPair {
    QRadioButton* proportional = nullptr;
    QRadioButton* fixed = nullptr;
  };
  struct SCaption {
    const char* text;
    const char* objectName;
  };

  // One labelled pair of buttons in its own group. A screen reader hears the row's label
  // with each button, since the three pairs have the same captions.
  SPair AddPair(QGridLayout* grid, int row, const char* label, SCaption proportional,
                SCaption fixed) {
    SPair pair{MakeRadio(proportional.text, proportional.objectName, this),
               MakeRadio(fixed.text, fixed.objectName, this)};
    auto* group = new QButtonGroup(this);
    group->addButton(pair.proportional);
    group->addButton(pair.fixed);
    QLabel* rowLabel = MakeLabel(label, "", this);
    const QString description = AccessibleText(rowLabel->text());
    pair.proportional->setAccessibleDescription(description);
    pair.fixed->setAccessibleDescription(description);
    grid->addWidget(rowLabel, row, 0);
    grid->addWidget(pair.proportional, row, 1);
    grid->addWidget(pair.fixed, row, 2);
    return pair;
  }

  static void Show(const SPair& pair, int32_t fixed) {
    (fixed != 0 ? pair.fixed : pair.proportional)->setChecked(true);
  }

  SPair m_preview;
  SPair m_rename;
  SPair m_settings;
};

class CTyposPage : public COptionsPage {
 public:
  explicit CTyposPage(QWidget* parent) : COptionsPage(parent) {
    setObjectName(QStringLiteral("typosPage"));
    QLabel* explanation = MakeExplanation(
        "Typo separation is based on segments of a search pattern, which are bounded by the "
        "start and end of the pattern and by asterisks.",
        this);
    QLabel* label = MakeLabel("Separation:", "separationLabel", this);
    m_separation = new QSlider(Qt::Horizontal, this);
    m_separation->setObjectName(QStringLiteral("typoSeparation"));
    m_separation->setRange(kMinTypoSeparation, kMaxTypoSeparation);
    m_separation->setSingleStep(1);
    m_separation->setPageStep(1);
    m_separation->setTickPosition(QSlider::TicksBelow);
    m_separation->setTickInterval(1);
    m_separation->setMinimumWidth(20 * fontMetrics().averageCharWidth());
    SetLabelFor(label, m_separation);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(MakeLabel("Low", "lowLabel", this));
    row->addWidget(m_separation, 1);
    row->addWidget(MakeLabel("High", "highLabel", this));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(row);
    layout->addStretch();
  }

  void Load(const SProgramOptions& options) override {
    m_separation->setValue(options.m_typoSeparation);
  }
  void Read(SProgramOptions& options) const override {
    options.m_typoSeparation = m_separation->value();
  }

 private:
  QSlider* m_separation = nullptr;
};

}  // namespace

COptionsPage* NewStartupPage(QWidget* parent) {
  return new CStartupPage(parent);
}
COptionsPage* NewPreviewPage(QWidget* parent) {
  return new CPreviewPage(parent);
}
COptionsPage* NewFileTimesPage(QWidget* parent) {
  return new CFileTimesPage(parent);
}
COptionsPage* NewNumbersPage(QWidget* parent) {
  return new CNumbersPage(parent);
}
COptionsPage* NewFontsPage(QWidget* parent) {
  return new CFontsPage(parent);
}
COptionsPage* NewTyposPage(QWidget* parent) {
  return new CTyposPage(parent);
}
