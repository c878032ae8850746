// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ui/DriveStatusDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Prompter.h"
#include "core/ui/Widgets.h"
#include "profile/DriveLetters.h"

namespace {

QLineEdit* MakeShownField(const char* objectName, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(objectName));
  field->setReadOnly(true);
  // Shown, not edited: the field takes the window's grey.
  QPalette palette = field->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  field->setPalette(palette);
  return field;
}

QComboBox* MakeDriveList(const char* objectName, const QString& name, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(objectName));
  NameComboBox(list, name);
  return list;
}

QLabel* MakeText(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

CDriveStatusDlg::CDriveStatusDlg(int sourceState, int destinationState,
                                 const std::string& sourcePath, const std::string& destinationPath,
                                 CPrompter& prompter, QWidget* parent, int tickMs, StateOf stateOf)
    : QDialog(parent),
      m_prompter(prompter),
      m_stateOf(std::move(stateOf)),
      m_source(sourcePath),
      m_destination(destinationPath),
      m_sourceState(sourceState),
      m_destinationState(destinationState) {
  setObjectName(QStringLiteral("driveStatus"));
  setWindowTitle(QStringLiteral("Drive Status"));
  m_timer.setInterval(tickMs);
  connect(&m_timer, &QTimer::timeout, this, &CDriveStatusDlg::Tick);

  m_sourceField = MakeShownField("sourceState", this);
  m_destinationField = MakeShownField("destinationState", this);
  m_available = MakeShownField("availableDrives", this);
  m_sourceList = MakeDriveList("newSourceDrive", QStringLiteral("New source drive"), this);
  m_destinationList =
      MakeDriveList("newDestinationDrive", QStringLiteral("New destination drive"), this);
  auto* sourceLabel = new QLabel(QStringLiteral("&Source:"), this);
  auto* destinationLabel = new QLabel(QStringLiteral("&Destination:"), this);
  auto* availableLabel = new QLabel(QStringLiteral("&Available:"), this);
  SetLabelFor(sourceLabel, m_sourceField);
  SetLabelFor(destinationLabel, m_destinationField);
  SetLabelFor(availableLabel, m_available);
  m_countdown = new QLabel(this);
  m_countdown->setObjectName(QStringLiteral("countdown"));
  m_waitButton = MakeButton(QStringLiteral("&Wait"), "waitButton", this);
  m_waitButton->setAutoDefault(false);
  m_close = MakeButton(QStringLiteral("&Close"), "closeButton", this);
  m_close->setDefault(true);
  connect(m_waitButton, &QPushButton::clicked, this, [this] {
    if (m_timer.isActive() || m_wait.CountingDown()) {
      StopWaiting();
    } else {
      Wait();
    }
  });
  connect(m_close, &QPushButton::clicked, this, &CDriveStatusDlg::CloseWindow);

  auto* grid = new QGridLayout;
  grid->addWidget(sourceLabel, 0, 0);
  grid->addWidget(m_sourceField, 0, 1);
  grid->addWidget(m_sourceList, 0, 2);
  grid->addWidget(destinationLabel, 1, 0);
  grid->addWidget(m_destinationField, 1, 1);
  grid->addWidget(m_destinationList, 1, 2);
  grid->addWidget(availableLabel, 2, 0);
  grid->addWidget(m_available, 2, 1, 1, 2);
  grid->setColumnStretch(1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_waitButton);
  buttons->addWidget(m_close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MakeText(QStringLiteral("When a drive is not ready, you may substitute another "
                                            "drive."),
                             this));
  layout->addLayout(grid);
  layout->addWidget(MakeText(QStringLiteral("Press the Wait button to update status once a second."
                                            "  There may be a delay between a drive being "
                                            "connected and its being detected."),
                             this));
  layout->addWidget(m_countdown);
  layout->addLayout(buttons);
  const int fieldWidth =
      fontMetrics().horizontalAdvance(QStringLiteral("W: not connected or detected")) +
      fontMetrics().averageCharWidth() * 4;
  m_sourceField->setMinimumWidth(fieldWidth);
  m_destinationField->setMinimumWidth(fieldWidth);
  setMinimumWidth(fieldWidth * 2);
  ShowStates();
  FillLists();
}

void CDriveStatusDlg::ShowStates() {
  m_sourceField->setText(QString::fromStdString(DriveFieldText(m_source, m_sourceState)));
  m_destinationField->setText(
      QString::fromStdString(DriveFieldText(m_destination, m_destinationState)));
  m_available->setText(QString::fromStdString(AvailableDrivesText(PresentDriveLetters())));
}

void CDriveStatusDlg::FillLists() {
  const std::string letters = PresentDriveLetters();
  const auto fill = [&letters](QComboBox* list, const std::string& path, int state) {
    list->clear();
    for (const std::string& choice : DriveChoices(letters, DriveLetterOf(path))) {
      list->addItem(QString::fromStdString(choice));
    }
    list->setCurrentIndex(0);
    list->setEnabled(state != kDriveReady);
  };
  fill(m_sourceList, m_source, m_sourceState);
  fill(m_destinationList, m_destination, m_destinationState);
}

char CDriveStatusDlg::Chosen(const QComboBox* list, const std::string& path) const {
  if (list->currentIndex() <= 0 || list->currentText().isEmpty()) {
    return DriveLetterOf(path);
  }
  return list->currentText().at(0).toLatin1();
}

bool CDriveStatusDlg::ApplyChoices() {
  const char source = Chosen(m_sourceList, m_source);
  const char destination = Chosen(m_destinationList, m_destination);
  if (AsksSameDrives(DriveLetterOf(m_source), DriveLetterOf(m_destination), source, destination) &&
      !m_prompter.AskYesNo(kSameDrivesQuestion, EAnswer::kNo)) {
    return false;
  }
  ApplyDriveLetter(m_source, source);
  ApplyDriveLetter(m_destination, destination);
  return true;
}

void CDriveStatusDlg::Wait() {
  if (!ApplyChoices()) {
    return;
  }
  m_sourceList->setEnabled(false);
  m_destinationList->setEnabled(false);
  m_waitButton->setText(QStringLiteral("&Stop"));
  m_wait.Reset();
  m_timer.start();
}

void CDriveStatusDlg::StopWaiting() {
  m_timer.stop();
  m_wait.Reset();
  m_waitButton->setText(QStringLiteral("&Wait"));
  m_countdown->clear();
  m_sourceState = m_stateOf(m_source);
  m_destinationState = m_stateOf(m_destination);
  ShowStates();
  FillLists();
}

void CDriveStatusDlg::Tick() {
  if (!m_wait.CountingDown()) {
    m_sourceState = m_stateOf(m_source);
    m_destinationState = m_stateOf(m_destination);
    ShowStates();
  }
  switch (m_wait.Tick(m_sourceState == kDriveReady && m_destinationState == kDriveReady)) {
    case CDriveWait::EStep::kWaiting:
      break;
    case CDriveWait::EStep::kCountingDown:
      m_countdown->setText(QString::fromStdString(m_wait.CountdownText()));
      break;
    case CDriveWait::EStep::kClose:
      CloseWindow();
      break;
  }
}

void CDriveStatusDlg::CloseWindow() {
  m_timer.stop();
  if (!ApplyChoices()) {
    return;  // stays open
  }
  m_countdown->clear();
  QDialog::accept();
}

void CDriveStatusDlg::reject() {
  CloseWindow();
}

void CQtDriveStatusWindow::Show(int sourceState, int destinationState, std::string& sourcePath,
                                std::string& destinationPath) {
  CDriveStatusDlg dialog(sourceState, destinationState, sourcePath, destinationPath, m_prompter,
                         m_parent);
  dialog.exec();
  sourcePath = dialog.SourcePath();
  destinationPath = dialog.DestinationPath();
}
