// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/FoldersPage.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Prompter.h"
#include "core/ui/Widgets.h"
#include "platform/TextUtil.h"
#include "profile/DriveLetters.h"
#include "profile/EntryDrops.h"
#include "profile/FolderCommands.h"
#include "profile/PageRules.h"
#include "profile/PageTexts.h"
#include "profile/ui/ChangeDrivesDlg.h"
#include "profile/ui/FileDialogs.h"
#include "profile/ui/FileDrops.h"
#include "profile/ui/MenuEdit.h"
#include "profile/ui/SelectFolderDlg.h"

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

// The two buttons of a pair share a caption; the row they act on tells them apart.
QPushButton* MakeRowButton(const char* caption, const char* objectName, const QString& row,
                           QWidget* parent) {
  QPushButton* button = MakeButton(QString::fromLatin1(caption), objectName, parent);
  button->setAccessibleDescription(row);
  return button;
}

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

CFoldersPage::CFoldersPage(SEditorContext& context, QWidget* parent)
    : CSettingsPage("foldersPage", parent), m_context(context) {
  m_source = MakePathBox("sourcePath", this);
  m_destination = MakePathBox("destinationPath", this);
  auto* sourceLabel = new QLabel(QStringLiteral("&Source folder:"), this);
  auto* destinationLabel = new QLabel(QStringLiteral("&Destination folder:"), this);
  SetLabelFor(sourceLabel, m_source);
  SetLabelFor(destinationLabel, m_destination);
  const QString sourceRow = QStringLiteral("Source folder");
  const QString destinationRow = QStringLiteral("Destination folder");
  QPushButton* selectSource = MakeRowButton("S&elect...", "selectSource", sourceRow, this);
  QPushButton* browseSource = MakeRowButton("&Browse...", "browseSource", sourceRow, this);
  QPushButton* selectDestination =
      MakeRowButton("Se&lect...", "selectDestination", destinationRow, this);
  QPushButton* browseDestination =
      MakeRowButton("B&rowse...", "browseDestination", destinationRow, this);
  QPushButton* append =
      MakeButton(QStringLiteral("&Append to Destination Path..."), "appendButton", this);
  QPushButton* changeDrives =
      MakeButton(QStringLiteral("C&hange Drives Letters..."), "changeDrivesButton", this);

  auto* paths = new QGridLayout;
  paths->addWidget(sourceLabel, 0, 0);
  paths->addWidget(m_source, 0, 1);
  paths->addWidget(selectSource, 0, 2);
  paths->addWidget(browseSource, 0, 3);
  paths->addWidget(destinationLabel, 1, 0);
  paths->addWidget(m_destination, 1, 1);
  paths->addWidget(selectDestination, 1, 2);
  paths->addWidget(browseDestination, 1, 3);
  auto* commands = new QHBoxLayout;
  commands->addWidget(append);
  commands->addWidget(changeDrives);
  commands->addStretch();
  paths->addLayout(commands, 2, 1, 1, 3);
  paths->setColumnStretch(1, 1);

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

  for (QLineEdit* box : {m_source, m_destination}) {
    InstallFolderFieldMenu(box, m_context);
    AcceptFileDrops(box, [this, box](const std::vector<std::string>& dropped) {
      RunCommand(m_context.prompter, [&] { OnDropped(box, dropped); });
    });
    connect(box, &QLineEdit::textChanged, this, &CFoldersPage::NoteEdited);
  }
  m_source->installEventFilter(this);
  connect(m_source, &QLineEdit::textChanged, this, [this] { m_sourceSelection.clear(); });
  connect(m_modes, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked && !Loading()) {
      OnModeChosen();
    }
  });
  const auto command = [this](QPushButton* button, std::function<void()> act) {
    connect(button, &QPushButton::clicked, this,
            [this, act = std::move(act)] { RunCommand(m_context.prompter, act); });
  };
  command(selectSource, [this] { OnSelect(m_source); });
  command(selectDestination, [this] { OnSelect(m_destination); });
  command(browseSource,
          [this] { OnBrowse(m_source, QStringLiteral("Select the source folder.")); });
  command(browseDestination,
          [this] { OnBrowse(m_destination, QStringLiteral("Select the destination folder.")); });
  command(append, [this] { OnAppend(); });
  command(changeDrives, [this] { OnChangeDrives(); });
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

std::string CFoldersPage::SourceText() const {
  return PathText(m_source);
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

bool CFoldersPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_source) {
    if (event->type() == QEvent::FocusOut) {
      m_sourceSelection = m_source->selectedText();
    } else if (event->type() == QEvent::FocusIn) {
      m_sourceSelection.clear();
    }
  }
  return CSettingsPage::eventFilter(watched, event);
}

void CFoldersPage::OnModeChosen() {
  NoteEdited();
  emit copyModeChanged(CopyMode());
}

void CFoldersPage::OnSelect(QLineEdit* box) {
  CSelectFolderDlg dialog(m_context, this);
  if (dialog.exec() == QDialog::Accepted && dialog.Chosen()) {
    box->setText(Qs(*dialog.Chosen()));
  }
}

void CFoldersPage::OnBrowse(QLineEdit* box, const QString& title) {
  const std::optional<std::string> folder =
      BrowseForFolder(this, title, PathText(box), m_context.prompter);
  if (folder) {
    box->setText(Qs(*folder));
  }
}

void CFoldersPage::OnAppend() {
  const QString selected = m_source->hasFocus() ? m_source->selectedText() : m_sourceSelection;
  const SAppendOutcome outcome =
      AppendToDestination(PathText(m_source), Utf8(selected), PathText(m_destination));
  if (!outcome.message.empty()) {
    m_context.prompter.Show(outcome.message, outcome.icon);
    return;
  }
  if (m_context.prompter.AskYesNo(outcome.question, EAnswer::kYes)) {
    m_destination->setText(Qs(outcome.path));
  }
}

void CFoldersPage::OnChangeDrives() {
  const std::string source = PathText(m_source);
  const std::string destination = PathText(m_destination);
  const std::string refusal = ChangeDrivesRefusal(source, destination);
  if (!refusal.empty()) {
    m_context.prompter.Show(refusal, EIcon::kExclamation);
    return;
  }
  const char oldSource = Upper(source[0]);
  const char oldDestination = Upper(destination[0]);
  char newSource = oldSource;
  char newDestination = oldDestination;
  if (!ShowChangeDrives(this, m_context.prompter, oldSource, oldDestination, newSource,
                        newDestination)) {
    return;
  }
  if (newSource != oldSource) {
    m_source->setText(Qs(WithDriveLetter(source, newSource)));
    emit sourceDriveChanged(oldSource, newSource);
  }
  if (newDestination != oldDestination) {
    m_destination->setText(Qs(WithDriveLetter(destination, newDestination)));
  }
}

void CFoldersPage::OnDropped(QLineEdit* box, const std::vector<std::string>& paths) {
  const SBoxDrop drop = DropOnFolderBox(ExamineDroppedPaths(paths));
  if (!drop.message.empty()) {
    m_context.prompter.Show(drop.message, EIcon::kExclamation);
  } else if (!drop.text.empty()) {
    box->setText(Qs(drop.text));
  }
}
