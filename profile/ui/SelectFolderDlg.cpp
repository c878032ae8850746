// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/ui/SelectFolderDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Prompter.h"
#include "core/ui/Widgets.h"
#include "platform/TextUtil.h"
#include "profile/EntryDrops.h"
#include "profile/FolderCommands.h"
#include "profile/ui/FileDialogs.h"
#include "profile/ui/FileDrops.h"
#include "profile/ui/FindFoldersDlg.h"
#include "profile/ui/MenuEdit.h"
#include "profile/ui/SettingsPage.h"

namespace {

constexpr int kMaxPath = 259;
// A labelled entry fits the data file's 292 characters: "<" label "> " and the path.
constexpr int kMaxLabel = 30;

bool Listed(const std::vector<std::string>& folders, const std::string& entry) {
  return std::any_of(folders.begin(), folders.end(), [&entry](const std::string& folder) {
    return platform::EqualsNoCase(folder, entry);
  });
}

}  // namespace

CSelectFolderDlg::CSelectFolderDlg(SEditorContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_folders(*context.savedFolders) {
  setObjectName(QStringLiteral("selectFolderDialog"));
  setWindowTitle(QStringLiteral("Select a Folder Path"));

  m_model = new QStringListModel(this);
  m_view = MakeTextList(m_model, "savedFolders", this);
  auto* listLabel = new QLabel(QStringLiteral("Sa&ved folders:"), this);
  SetLabelFor(listLabel, m_view);

  m_path = new QLineEdit(this);
  m_path->setObjectName(QStringLiteral("folderPath"));
  m_path->setMaxLength(kMaxPath);
  m_label = new QLineEdit(this);
  m_label->setObjectName(QStringLiteral("folderLabel"));
  m_label->setMaxLength(kMaxLabel);
  auto* pathLabel = new QLabel(QStringLiteral("Folder &path:"), this);
  auto* labelLabel = new QLabel(QStringLiteral("&Label (optional):"), this);
  SetLabelFor(pathLabel, m_path);
  SetLabelFor(labelLabel, m_label);
  InstallFolderFieldMenu(m_path, m_context);
  CMenuEdit::Install(m_label);
  AcceptFileDrops(m_path, [this](const std::vector<std::string>& paths) {
    RunCommand(m_context.prompter, [this, &paths] { OnDropped(paths); });
  });

  QPushButton* add = MakeButton(QStringLiteral("&Add"), "addButton", this);
  QPushButton* edit = MakeButton(QStringLiteral("&Edit"), "editButton", this);
  QPushButton* remove = MakeButton(QStringLiteral("&Remove"), "removeButton", this);
  m_save = MakeButton(QStringLiteral("&Save"), "saveButton", this);
  QPushButton* find = MakeButton(QStringLiteral("&Find..."), "findButton", this);
  QPushButton* browse = MakeButton(QStringLiteral("&Browse..."), "browseButton", this);
  auto* commands = new QVBoxLayout;
  for (QPushButton* button : {add, edit, remove, m_save, find, browse}) {
    button->setAutoDefault(false);
    commands->addWidget(button);
  }
  commands->addStretch();

  auto* list = new QHBoxLayout;
  list->addWidget(m_view, 1);
  list->addLayout(commands);
  auto* boxes = new QGridLayout;
  boxes->addWidget(pathLabel, 0, 0);
  boxes->addWidget(m_path, 0, 1);
  boxes->addWidget(labelLabel, 1, 0);
  boxes->addWidget(m_label, 1, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
  buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeButton"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CSelectFolderDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(listLabel);
  layout->addLayout(list, 1);
  layout->addLayout(boxes);
  layout->addWidget(buttons);
  resize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 24);

  const auto command = [this](QPushButton* button, void (CSelectFolderDlg::*act)()) {
    connect(button, &QPushButton::clicked, this,
            [this, act] { RunCommand(m_context.prompter, [this, act] { (this->*act)(); }); });
  };
  command(add, &CSelectFolderDlg::OnAdd);
  command(edit, &CSelectFolderDlg::OnEdit);
  command(remove, &CSelectFolderDlg::OnRemove);
  command(m_save, &CSelectFolderDlg::Store);
  command(find, &CSelectFolderDlg::OnFind);
  command(browse, &CSelectFolderDlg::OnBrowse);
  connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    RunCommand(m_context.prompter, [this, &index] { OnDoubleClicked(index); });
  });
  ShowList();
  SetChanged(false);
}

void CSelectFolderDlg::accept() {
  const std::string path(platform::Trim(Utf8(m_path->text())));
  const std::vector<size_t> rows = SelectedRows();
  if (path.empty() && rows.size() != 1) {
    m_context.prompter.Show("Please select a single folder path.", EIcon::kExclamation);
    return;
  }
  m_chosen = path.empty() ? SplitSavedFolder(m_folders[rows.front()]).path : path;
  Store();
  QDialog::accept();
}

void CSelectFolderDlg::ShowList(const std::string& select) {
  const FEntryLess& order = m_context.folderOrder;
  std::stable_sort(m_folders.begin(), m_folders.end(),
                   [&order](const std::string& a, const std::string& b) {
                     return order ? order(a, b) : platform::CompareNoCase(a, b) < 0;
                   });
  QStringList rows;
  for (const std::string& folder : m_folders) {
    rows << Qs(folder);
  }
  m_model->setStringList(rows);
  const auto found = std::find(m_folders.begin(), m_folders.end(), select);
  if (!select.empty() && found != m_folders.end()) {
    const QModelIndex index = m_model->index(static_cast<int>(found - m_folders.begin()), 0);
    m_view->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_view->scrollTo(index);
  }
}

std::vector<size_t> CSelectFolderDlg::SelectedRows() const {
  std::vector<size_t> rows;
  for (const QModelIndex& index : m_view->selectionModel()->selectedRows()) {
    rows.push_back(static_cast<size_t>(index.row()));
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

void CSelectFolderDlg::SetChanged(bool changed) {
  m_save->setEnabled(changed);
}

void CSelectFolderDlg::Store() {
  *m_context.savedFolders = m_folders;
  SetChanged(false);
}

void CSelectFolderDlg::OnAdd() {
  const std::string path(platform::Trim(Utf8(m_path->text())));
  if (path.empty()) {
    m_context.prompter.Show("Please enter a folder path.", EIcon::kInformation);
    return;
  }
  const std::string entry = SavedFolderEntry(path, platform::Trim(Utf8(m_label->text())));
  if (!Listed(m_folders, entry)) {
    m_folders.push_back(entry);
    SetChanged(true);
  }
  ShowList(entry);
  m_path->clear();
  m_label->clear();
}

void CSelectFolderDlg::OnEdit() {
  const std::vector<size_t> rows = SelectedRows();
  if (rows.size() != 1) {
    m_context.prompter.Show("Please select a single folder path.", EIcon::kExclamation);
    return;
  }
  const SSavedFolder folder = SplitSavedFolder(m_folders[rows.front()]);
  m_folders.erase(m_folders.begin() + static_cast<std::ptrdiff_t>(rows.front()));
  ShowList();
  m_path->setText(Qs(folder.path));
  m_label->setText(Qs(folder.label));
  m_path->setFocus();
  SetChanged(true);
}

void CSelectFolderDlg::OnRemove() {
  const std::vector<size_t> rows = SelectedRows();
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    m_folders.erase(m_folders.begin() + static_cast<std::ptrdiff_t>(*row));
  }
  if (!rows.empty()) {
    ShowList();
    SetChanged(true);
  }
}

void CSelectFolderDlg::OnFind() {
  CFindFoldersDlg dialog(m_context, this);
  if (dialog.exec() != QDialog::Accepted) {
    return;
  }
  std::string last;
  for (const std::string& folder : dialog.Chosen()) {
    if (!Listed(m_folders, folder)) {
      m_folders.push_back(folder);
      last = folder;
      SetChanged(true);
    }
  }
  ShowList(last);
}

void CSelectFolderDlg::OnBrowse() {
  const std::optional<std::string> folder = BrowseForFolder(
      this, QStringLiteral("Select a folder."), Utf8(m_path->text()), m_context.prompter);
  if (folder) {
    m_path->setText(Qs(*folder));
  }
}

void CSelectFolderDlg::OnDoubleClicked(const QModelIndex& index) {
  if (!index.isValid() || static_cast<size_t>(index.row()) >= m_folders.size()) {
    return;
  }
  m_chosen = SplitSavedFolder(m_folders[static_cast<size_t>(index.row())]).path;
  Store();
  QDialog::accept();
}

void CSelectFolderDlg::OnDropped(const std::vector<std::string>& paths) {
  const SBoxDrop drop = DropOnFolderBox(ExamineDroppedPaths(paths));
  if (!drop.message.empty()) {
    m_context.prompter.Show(drop.message, EIcon::kExclamation);
  } else if (!drop.text.empty()) {
    m_path->setText(Qs(drop.text));
  }
}
