// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/ChangeDrivesDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Prompter.h"
#include "core/ui/Widgets.h"
#include "profile/DriveLetters.h"
#include "profile/ui/MenuEdit.h"
#include "profile/ui/SettingsPage.h"

namespace {

QLineEdit* MakeShownField(const QString& text, const char* objectName, QWidget* parent) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(QString::fromLatin1(objectName));
  field->setReadOnly(true);
  CMenuEdit::Install(field);
  return field;
}

QComboBox* MakeDriveList(const std::string& letters, char own, const char* objectName,
                         const QString& name, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(objectName));
  for (const std::string& choice : DriveChoices(letters, own)) {
    list->addItem(Qs(choice));
  }
  NameComboBox(list, name);
  return list;
}

char Chosen(const QComboBox* list, char old) {
  const QString text = list->currentText();
  if (list->currentIndex() <= 0 || text.isEmpty()) {
    return old;
  }
  return text.at(0).toLatin1();
}

}  // namespace

CChangeDrivesDlg::CChangeDrivesDlg(char source, char destination, const std::string& letters,
                                   CPrompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_source(source), m_destination(destination) {
  setObjectName(QStringLiteral("changeDrivesDialog"));
  setWindowTitle(QStringLiteral("Change Drive Letters"));
  QLineEdit* sourceField =
      MakeShownField(QStringLiteral("%1:").arg(QChar::fromLatin1(source)), "sourceDrive", this);
  QLineEdit* destinationField = MakeShownField(
      QStringLiteral("%1:").arg(QChar::fromLatin1(destination)), "destinationDrive", this);
  QLineEdit* available = MakeShownField(Qs(AvailableDrivesText(letters)), "availableDrives", this);
  m_newSource =
      MakeDriveList(letters, source, "newSourceDrive", QStringLiteral("New source drive"), this);
  m_newDestination = MakeDriveList(letters, destination, "newDestinationDrive",
                                   QStringLiteral("New destination drive"), this);
  const int letterWidth = fontMetrics().horizontalAdvance(QStringLiteral("WW:")) * 2;
  sourceField->setMaximumWidth(letterWidth);
  destinationField->setMaximumWidth(letterWidth);

  auto* sourceLabel = new QLabel(QStringLiteral("&Source:"), this);
  auto* destinationLabel = new QLabel(QStringLiteral("&Destination:"), this);
  auto* availableLabel = new QLabel(QStringLiteral("&Available:"), this);
  SetLabelFor(sourceLabel, sourceField);
  SetLabelFor(destinationLabel, destinationField);
  SetLabelFor(availableLabel, available);

  auto* grid = new QGridLayout;
  grid->addWidget(sourceLabel, 0, 0);
  grid->addWidget(sourceField, 0, 1);
  grid->addWidget(m_newSource, 0, 2);
  grid->addWidget(destinationLabel, 1, 0);
  grid->addWidget(destinationField, 1, 1);
  grid->addWidget(m_newDestination, 1, 2);
  grid->addWidget(availableLabel, 2, 0);
  grid->addWidget(available, 2, 1, 1, 2);
  grid->setColumnStretch(2, 1);

  QDialogButtonBox* buttons = MakeOkCancel(this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  m_newSource->setFocus();
}

char CChangeDrivesDlg::NewSource() const {
  return Chosen(m_newSource, m_source);
}

char CChangeDrivesDlg::NewDestination() const {
  return Chosen(m_newDestination, m_destination);
}

void CChangeDrivesDlg::accept() {
  if (AsksSameDrives(m_source, m_destination, NewSource(), NewDestination()) &&
      !m_prompter.AskYesNo(kSameDrivesQuestion, EAnswer::kNo)) {
    return;
  }
  QDialog::accept();
}

bool ShowChangeDrives(QWidget* parent, CPrompter& prompter, char source, char destination,
                      char& newSource, char& newDestination) {
  CChangeDrivesDlg dialog(source, destination, PresentDriveLetters(), prompter, parent);
  if (dialog.exec() != QDialog::Accepted) {
    return false;
  }
  newSource = dialog.NewSource();
  newDestination = dialog.NewDestination();
  return true;
}
