// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/Prompter.h"
#include "profile/EntryDrops.h"
#include "profile/ListCommands.h"
#include "profile/ui/EditorContext.h"
#include "profile/ui/EntryList.h"
#include "profile/ui/SettingsPage.h"

class QBoxLayout;
class QComboBox;
class QPushButton;

// A page whose list the user edits: Add, Edit, Remove, Undo, and Check and Uncheck by
// "Type:" beside the list, the text box beneath it, and files and folders dropped from the
// file manager on either. The Subfolders, File/Folder Names and Paths pages differ only in
// what they take and how they tag it.
class CEntryListPage : public CSettingsPage {
  Q_OBJECT

 public:
  void ClearEditor() override;
  void SetNameFont(const QFont& font) override;
  void SetOrder(FEntryLess order) { m_editor.order = std::move(order); }
  void ShowTexts(SShownSettings& shown) const override;
  // The entries in the order shown.
  const std::vector<SDisplayEntry>& Entries() const { return m_editor.model->Entries(); }
  // Entries that lie on drive `from` move to drive `to`.
  void MoveToDrive(char from, char to);

 protected:
  CEntryListPage(const char* objectName, EListKind kind, SEditorContext& context, QWidget* parent);

  // Builds the list, its text box and the command buttons (from the derived constructor).
  void BuildEditor(const QString& listName, const char* listObject, const char* editObject,
                   int maxLength);
  // The column of command buttons, for the derived page's layout.
  QBoxLayout* Commands() const { return m_commands; }

  // What the page adds from its text box, with its own checks.
  virtual SListOutcome AddTyped(std::vector<SDisplayEntry>& entries, const std::string& text) = 0;
  // Puts an entry taken out by Edit into the text box and the option buttons.
  virtual void TakeForEditing(const STakenEntry& taken);
  // Edit of the source-folder entry (only the Subfolders page allows it).
  virtual void EditFixedEntry(const std::string& question) {}
  virtual void DroppedOnBox(const std::vector<SDroppedItem>& items) = 0;
  virtual void DroppedOnList(const std::vector<SDroppedItem>& items) = 0;
  // Makes the page's mode the one that uses the list, after entries were added.
  virtual void ChooseListMode() {}
  // Remembers the entries of a profile being shown (the undo store belongs to the last one).
  void ShowLoaded(std::vector<SDisplayEntry> entries);

  // The list after a command: the rows to select (the first becomes the caret), and an edit
  // of the profile when it changed.
  void ShowEntries(std::vector<SDisplayEntry> entries, const std::vector<size_t>& select,
                   bool changed);
  std::vector<size_t> SelectedRows() const;
  void Tell(const std::string& text, EIcon icon = EIcon::kExclamation);
  // Carries out a command; running out of memory abandons it with the program's message.
  void Run(const std::function<void()>& command);

  SEditorContext& m_context;
  EListKind m_kind;
  SEntryEditor m_editor;

 private:
  void OnAdd();
  void OnEdit();
  void OnRemove();
  void OnUndo();
  void OnCheck(bool check);
  void UpdateTooltips();
  bool eventFilter(QObject* watched, QEvent* event) override;

  QBoxLayout* m_commands = nullptr;
  QPushButton* m_remove = nullptr;
  QPushButton* m_undoButton = nullptr;
  QComboBox* m_checkType = nullptr;
  std::vector<SDisplayEntry> m_undo;
};
