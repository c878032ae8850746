// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/EntryListPage.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/ui/Widgets.h"
#include "profile/FolderCommands.h"
#include "profile/SettingsExport.h"
#include "profile/ui/FileDrops.h"
#include "profile/ui/MenuEdit.h"

namespace {

// The page's controls are named after its list ("subfolderListAdd"), so that every name is
// the sheet's only one.
QString Name(const char* listObject, const char* command) {
  return QString::fromLatin1(listObject) + QString::fromLatin1(command);
}

QPushButton* MakeCommand(const char* caption, const char* listObject, const char* command,
                         QWidget* parent) {
  QPushButton* button = MakeButton(QString::fromLatin1(caption), "", parent);
  button->setObjectName(Name(listObject, command));
  return button;
}

}  // namespace

CEntryListPage::CEntryListPage(const char* objectName, EListKind kind, SEditorContext& context,
                               QWidget* parent)
    : CSettingsPage(objectName, parent), m_context(context), m_kind(kind) {}

void CEntryListPage::BuildEditor(const QString& listName, const char* listObject,
                                 const char* editObject, int maxLength) {
  m_editor = MakeEntryEditor(listName, listObject, editObject, maxLength, this);

  QPushButton* add = MakeCommand("&Add", listObject, "Add", this);
  QPushButton* edit = MakeCommand("&Edit", listObject, "Edit", this);
  m_remove = MakeCommand("&Remove", listObject, "Remove", this);
  m_undoButton = MakeCommand("Und&o", listObject, "Undo", this);
  QPushButton* check = MakeCommand("&Check", listObject, "Check", this);
  QPushButton* uncheck = MakeCommand("&Uncheck", listObject, "Uncheck", this);
  m_checkType = new QComboBox(this);
  m_checkType->setObjectName(Name(listObject, "Type"));
  for (const std::string_view type : CheckTypeTexts(m_kind)) {
    m_checkType->addItem(Qs(type));
  }
  auto* typeLabel = new QLabel(QStringLiteral("Type:"), this);
  SetLabelFor(typeLabel, m_checkType);

  m_commands = new QVBoxLayout;
  for (QWidget* control : std::initializer_list<QWidget*>{add, edit, m_remove, m_undoButton}) {
    m_commands->addWidget(control);
  }
  m_commands->addSpacing(fontMetrics().height() / 2);
  m_commands->addWidget(typeLabel);
  m_commands->addWidget(m_checkType);
  m_commands->addWidget(check);
  m_commands->addWidget(uncheck);
  m_commands->addStretch();

  connect(add, &QPushButton::clicked, this, [this] { Run([this] { OnAdd(); }); });
  connect(edit, &QPushButton::clicked, this, [this] { Run([this] { OnEdit(); }); });
  connect(m_remove, &QPushButton::clicked, this, [this] { Run([this] { OnRemove(); }); });
  connect(m_undoButton, &QPushButton::clicked, this, [this] { Run([this] { OnUndo(); }); });
  connect(check, &QPushButton::clicked, this, [this] { Run([this] { OnCheck(true); }); });
  connect(uncheck, &QPushButton::clicked, this, [this] { Run([this] { OnCheck(false); }); });
  connect(m_editor.view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CEntryListPage::UpdateTooltips);
  connect(m_editor.model, &CEntryListModel::checkEdited, this, &CEntryListPage::NoteEdited);
  // Enter in the text box adds its entry rather than pressing the window's default button.
  m_editor.edit->installEventFilter(this);

  // Only the Subfolders box holds folder paths (a pattern or a file path names no folder).
  if (m_kind == EListKind::kSubfolders) {
    InstallFolderFieldMenu(m_editor.edit, m_context);
  } else {
    CMenuEdit::Install(m_editor.edit);
  }
  AcceptFileDrops(m_editor.edit, [this](const std::vector<std::string>& paths) {
    Run([this, &paths] { DroppedOnBox(ExamineDroppedPaths(paths)); });
  });
  const auto onList = [this](const std::vector<std::string>& paths) {
    Run([this, &paths] { DroppedOnList(ExamineDroppedPaths(paths)); });
  };
  AcceptFileDrops(m_editor.view->viewport(), onList);
  AcceptFileDrops(this, onList);
  UpdateTooltips();
}

void CEntryListPage::ClearEditor() {
  m_editor.edit->clear();
}

void CEntryListPage::SetNameFont(const QFont& font) {
  m_editor.SetFont(font);
}

void CEntryListPage::ShowTexts(SShownSettings& shown) const {
  switch (m_kind) {
    case EListKind::kSubfolders:
      shown.subfolders = Entries();
      break;
    case EListKind::kNames:
      shown.names = Entries();
      break;
    case EListKind::kPaths:
      shown.paths = Entries();
      break;
  }
}

void CEntryListPage::MoveToDrive(char from, char to) {
  Run([this, from, to] {
    std::vector<SDisplayEntry> entries = Entries();
    if (MoveEntriesToDrive(entries, from, to, m_editor.order)) {
      ShowEntries(std::move(entries), {}, true);
    }
  });
}

void CEntryListPage::Run(const std::function<void()>& command) {
  RunCommand(m_context.prompter, command);
}

void CEntryListPage::TakeForEditing(const STakenEntry& taken) {
  m_editor.edit->setText(Qs(taken.text));
}

void CEntryListPage::ShowLoaded(std::vector<SDisplayEntry> entries) {
  // What the last Remove took belongs to the profile shown before.
  m_undo.clear();
  m_editor.Show(std::move(entries));
  UpdateTooltips();
}

void CEntryListPage::ShowEntries(std::vector<SDisplayEntry> entries,
                                 const std::vector<size_t>& select, bool changed) {
  m_editor.model->SetEntries(std::move(entries));
  QTableView* view = m_editor.view;
  QItemSelectionModel* selection = view->selectionModel();
  selection->clearSelection();
  for (const size_t row : select) {
    const QModelIndex index = m_editor.model->index(static_cast<int>(row), 0);
    if (index.isValid()) {
      selection->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  }
  if (!select.empty()) {
    const QModelIndex caret = m_editor.model->index(static_cast<int>(select.front()), 0);
    selection->setCurrentIndex(caret, QItemSelectionModel::NoUpdate);
    view->scrollTo(caret);
  }
  UpdateTooltips();
  if (changed) {
    NoteEdited();
  }
}

std::vector<size_t> CEntryListPage::SelectedRows() const {
  std::vector<size_t> rows;
  for (const QModelIndex& index : m_editor.view->selectionModel()->selectedRows()) {
    rows.push_back(static_cast<size_t>(index.row()));
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

void CEntryListPage::Tell(const std::string& text, EIcon icon) {
  m_context.prompter.Show(text, icon);
}

void CEntryListPage::OnAdd() {
  std::vector<SDisplayEntry> entries = Entries();
  const SListOutcome outcome = AddTyped(entries, Utf8(m_editor.edit->text()));
  if (outcome.Refused()) {
    Tell(outcome.message, outcome.icon);
    m_editor.edit->setFocus();
    return;
  }
  ShowEntries(std::move(entries), outcome.select, outcome.changed);
  m_editor.edit->clear();
  ChooseListMode();
}

void CEntryListPage::OnEdit() {
  std::vector<SDisplayEntry> entries = Entries();
  const SEditStart start = EditEntry(entries, SelectedRows(), m_kind);
  if (!start.message.empty()) {
    Tell(start.message);
    return;
  }
  if (!start.question.empty()) {
    EditFixedEntry(start.question);
    return;
  }
  if (start.taken) {
    ShowEntries(std::move(entries), {}, true);
    TakeForEditing(*start.taken);
    m_editor.edit->setFocus();
  }
}

void CEntryListPage::OnRemove() {
  std::vector<SDisplayEntry> entries = Entries();
  const SListOutcome outcome = RemoveEntries(entries, SelectedRows(), m_kind, m_undo);
  if (outcome.Refused()) {
    Tell(outcome.message, outcome.icon);
    return;
  }
  if (outcome.changed) {
    ShowEntries(std::move(entries), {}, true);
  }
}

void CEntryListPage::OnUndo() {
  std::vector<SDisplayEntry> entries = Entries();
  const SListOutcome outcome = UndoRemove(entries, m_undo, m_editor.order);
  ShowEntries(std::move(entries), outcome.select, outcome.changed);
}

void CEntryListPage::OnCheck(bool check) {
  std::vector<SDisplayEntry> entries = Entries();
  const std::vector<size_t> selected = SelectedRows();
  if (SetChecks(entries, CheckTypeAt(m_kind, m_checkType->currentIndex()), selected, check)) {
    ShowEntries(std::move(entries), selected, true);
  }
}

void CEntryListPage::UpdateTooltips() {
  m_remove->setToolTip(Qs(RemoveTooltip(SelectedRows().size())));
  m_undoButton->setToolTip(Qs(UndoTooltip(m_undo.size())));
}

bool CEntryListPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_editor.edit && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Run([this] { OnAdd(); });
      return true;
    }
  }
  return CSettingsPage::eventFilter(watched, event);
}
