// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ui/BrevantDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/AlterVersionsCommand.h"
#include "app/MainCommands.h"
#include "app/ProgramData.h"
#include "app/ui/MainMenu.h"
#include "app/ui/MainPreviewListHost.h"
#include "app/ui/MainTools.h"
#include "app/ui/OptionsDlg.h"
#include "copy/ui/CopyProgressDlg.h"
#include "copy/ui/CopyResultsDlg.h"
#include "core/AppText.h"
#include "core/FolderPaths.h"
#include "core/FormatItem.h"
#include "core/OptionPages.h"
#include "core/Options.h"
#include "core/Prompter.h"
#include "core/WindowPlacement.h"
#include "core/ui/QtMessageTarget.h"
#include "core/ui/Widgets.h"
#include "listops/LaunchJob.h"
#include "listops/ui/ExportListCommand.h"
#include "listops/ui/PreviewListDlg.h"
#include "platform/DebugMessages.h"
#include "platform/OptionStore.h"
#include "platform/Shell.h"
#include "platform/TextUtil.h"
#include "preview/MoveDetect.h"
#include "preview/ui/PreviewStatisticsDlg.h"
#include "profile/ui/SettingsExportCommand.h"
#include "profile/ui/SettingsSheet.h"
#include "queues/ui/ProfilesPage.h"
#include "queues/ui/QueuesPage.h"
#include "rules/MatchPattern.h"
#include "rules/StringOrder.h"

namespace {

SRect RectOf(const QRect& rect) {
  return SRect{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

SWorkArea WorkArea(const QWidget* window) {
  SWorkArea work;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    work.right = available.right() + 1;
    work.bottom = available.bottom() + 1;
  }
  work.iconWidth = window->style()->pixelMetric(QStyle::PM_LargeIconSize);
  work.iconHeight = work.iconWidth;
  return work;
}

}  // namespace

CBrevantDlg::CBrevantDlg(const SDataFolders& folders, CPrompter& prompter, SProgramOptions& options,
                         QWidget* parent)
    : QDialog(parent),
      m_folders(folders),
      m_dataFilePath(::DataFilePath(folders)),
      m_prompter(prompter),
      m_options(options),
      m_errorWindow(this) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QString::fromUtf8(kAppName));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  m_sheet = new CSettingsSheet(prompter, this);
  m_sheet->setObjectName(QStringLiteral("settingsSheet"));
  // The lists show their entries in the rules' orders: tagged entries by tag, then text.
  m_sheet->SetListOrders({CStringANOrderTag(), CStringANOrderTag(), CStringANOrder()});
  m_data = std::make_unique<CProgramData>(m_dataFilePath, *m_sheet, prompter);
  m_sheet->SetSavedFolders(&m_data->Folders());
  m_sheet->SetFolderMatcher([](std::string_view pattern, std::string_view name, bool typos) {
    return MatchPattern(pattern, name, typos);
  });
  m_target =
      new CQtMessageTarget([this](CMessage& message) { return m_commands->Handle(message); }, this);
  m_commands =
      std::make_unique<CMainCommands>(static_cast<CMainView&>(*this), prompter, m_errorWindow,
                                      options, *m_sheet, m_data->Profiles(), *m_target);
  m_tools = new CMainTools(this, prompter, options, *m_sheet, folders.desktop,
                           {[this] { return !m_commands->JobRunning(); },
                            [this](bool enable) { EnableSettings(enable); }});
  m_commands->SetDriveStatusWindow(&m_tools->DriveStatus());
  // A launch reports a failure on its worker; the message is shown from the event loop, so
  // the worker never waits for this window (which may be closing and waiting for it).
  m_launches = std::make_unique<CLaunchPool>(
      [](std::string_view verb, std::string_view target, std::string_view parameters) {
        return platform::ShellExecute(verb, target, parameters);
      },
      [this](const std::string& text) {
        QMetaObject::invokeMethod(
            this, [this, text] { m_prompter.Show(text, EIcon::kExclamation); },
            Qt::QueuedConnection);
      });
  m_listHost = std::make_unique<CMainPreviewListHost>(
      *m_commands, *m_sheet, options, [this] { PreviewListChanged(); },
      [this] { PlacePreviewListBelow(); });
  m_previewList =
      new CPreviewListDlg(m_commands->List(), *m_listHost, prompter, *m_launches, options, this);
  BuildControls();
  m_data->Profiles().SetOnCurrentChanged([this] {
    m_commands->ResetForProfile();
    m_profilesPage->Refresh();
    m_queuesPage->Refresh();
  });
  connect(m_sheet, &CSettingsSheet::copyModeChanged, this,
          [this](int mode) { m_commands->SetCopyMode(mode); });
  m_redraw.setInterval(150);
  connect(&m_redraw, &QTimer::timeout, this, &CBrevantDlg::UpdateLines);
}

CBrevantDlg::~CBrevantDlg() {
  SaveAtExit();
  // Workers still waiting for this window are answered now; the runs end with their jobs.
  m_target->Close();
  m_errorWindow.Close();
  // The list window's model follows the commands' list: it goes first.
  delete m_previewList;
  m_previewList = nullptr;
  m_commands.reset();
}

void CBrevantDlg::AddProfilePages() {
  const auto preview = [this] { m_preview->click(); };
  m_profilesPage =
      new CProfilesPage(m_data->Profiles(), m_prompter,
                        {preview, [this] { m_data->ShowLocation(); },
                         [this] { m_data->SaveOnRequest(); }, [this] { m_data->LoadOnRequest(); }},
                        m_sheet);
  m_queuesPage = new CQueuesPage(
      m_data->Queues(), m_data->Profiles(), m_prompter,
      {preview, [this](CQueueComboBoxData& queue) { m_commands->CopyQueue(queue); }}, m_sheet);
  m_sheet->AddPage(m_profilesPage, QStringLiteral("Profiles"));
  m_sheet->AddPage(m_queuesPage, QStringLiteral("Queues"));
  connect(m_profilesPage, &CProfilesPage::profilesChanged, m_queuesPage, &CQueuesPage::Refresh);
}

void CBrevantDlg::BuildControls() {
  AddProfilePages();

  m_preview = MakeButton(QStringLiteral("&Preview"), "previewButton", this);
  m_copy = MakeButton(QStringLiteral("&Copy"), "copyButton", this);
  m_optionsButton = MakeButton(QStringLiteral("&Options"), "optionsButton", this);
  m_close = MakeButton(QStringLiteral("C&lose"), "closeButton", this);
  m_preview->setDefault(true);
  m_preview->setAutoDefault(true);

  m_status = new QLabel(this);
  m_status->setObjectName(QStringLiteral("statusLine"));
  m_status->setTextFormat(Qt::PlainText);
  // A label is read by its text: the folder walked, and the counts, not a fixed name.
  m_status->setAccessibleDescription(QStringLiteral("Status line"));
  m_status->setMinimumWidth(1);
  m_showPreviewList = new QCheckBox(QStringLiteral("&Show the preview list."), this);
  m_showPreviewList->setObjectName(QStringLiteral("showPreviewList"));
  m_counts = new QLabel(QStringLiteral("0 files in 0 folders"), this);
  m_counts->setObjectName(QStringLiteral("countsLine"));
  m_counts->setTextFormat(Qt::PlainText);
  m_counts->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_counts->setAccessibleDescription(QStringLiteral("Counts line"));

  m_menu = new CMainMenu(this);
  BuildMenu();
  m_tools->SetHelpTopics({{m_close, kNotesTopicClose},
                          {m_preview, kNotesTopicPreview},
                          {m_copy, kNotesTopicCopy},
                          {m_optionsButton, kNotesTopicOptions}});
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_preview);
  buttons->addWidget(m_copy);
  buttons->addWidget(m_optionsButton);
  buttons->addStretch();
  buttons->addWidget(m_menu->Button());
  buttons->addWidget(m_close);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(m_showPreviewList);
  bottom->addStretch();
  bottom->addWidget(m_counts);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_sheet, 1);
  layout->addLayout(buttons);
  layout->addWidget(m_status);
  layout->addLayout(bottom);

  connect(m_preview, &QPushButton::clicked, this, [this] {
    // The page being shown is checked first, as leaving it would be (a Stop needs no check).
    if (m_commands->JobRunning() || m_sheet->LeaveCurrentPage()) {
      m_commands->Preview();
    }
  });
  connect(m_copy, &QPushButton::clicked, this, [this] {
    if (m_sheet->LeaveCurrentPage()) {
      m_commands->Copy();
    }
  });
  connect(m_optionsButton, &QPushButton::clicked, this, &CBrevantDlg::ShowOptions);
  connect(m_close, &QPushButton::clicked, this, &CBrevantDlg::reject);
  connect(m_showPreviewList, &QCheckBox::toggled, this, &CBrevantDlg::ShowPreviewList);
  connect(m_previewList, &CPreviewListDlg::shownChanged, this, [this](bool shown) {
    const QSignalBlocker quiet(m_showPreviewList);
    m_showPreviewList->setChecked(shown);
  });
}

void CBrevantDlg::BuildMenu() {
  const auto idle = [this] { return !m_commands->JobRunning(); };
  m_menu->Add(QStringLiteral("&Launch File/Windows Explorer"), QKeySequence(Qt::CTRL | Qt::Key_L),
              [this] { LaunchExplorer(); });
  m_menu->Add(
      QStringLiteral("&Export Preview List..."), QKeySequence(Qt::CTRL | Qt::Key_E),
      [this] {
        ExportPreviewListCommand(m_commands->List(), m_data->Profiles().CurrentName(),
                                 m_countsText.toStdString(), m_folders.desktop, m_prompter, this);
      },
      idle);
  m_menu->Add(
      QStringLiteral("Alter &Version Filenames..."), QKeySequence(Qt::CTRL | Qt::Key_F),
      [this] { AlterVersionFilenames(); }, idle);
  m_menu->Add(QStringLiteral("Expor&t Settings..."), QKeySequence(Qt::CTRL | Qt::Key_T), [this] {
    ExportCurrentSettings(*m_sheet, m_data->Profiles().CurrentName(), m_folders.desktop, m_prompter,
                          this);
  });
  m_menu->Add(
      QStringLiteral("C&opy..."), {}, [this] { CopyConfirmed(); }, idle);
  m_tools->AddTo(*m_menu);
}

void CBrevantDlg::LaunchExplorer() {
  // The folder of the focused text field when it names one, else the first drive's root.
  std::string folder = "C:\\";
  if (const auto* field = qobject_cast<const QLineEdit*>(focusWidget())) {
    const std::string text(platform::Trim(field->text().toStdString()));
    if (IsExistingFolder(text)) {
      folder = text;
    }
  }
  m_launches->Launch(folder, true);
}

void CBrevantDlg::PlacePreviewListBelow() {
  m_previewList->showNormal();
  SPlacement shown;
  shown.normal = RectOf(frameGeometry());
  const SRect at =
      PlacePreviewUnderMain(shown, RectOf(frameGeometry()),
                            RectOf(QRect(QPoint(0, 0), m_previewList->size())), WorkArea(this));
  m_previewList->move(at.left, at.top);
  m_previewList->raise();
}

void CBrevantDlg::AlterVersionFilenames() {
  CSettingsState settings = m_sheet->Take();
  const CFormatItem format(2, m_options.m_useThousandsSep != 0, m_options.m_thousandsSep);
  AlterVersionFilenamesCommand(settings, m_prompter, nullptr, format, [this](bool busy) {
    setEnabled(!busy);
    if (busy) {
      QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
      QApplication::restoreOverrideCursor();
    }
  });
  m_sheet->SetFolderTexts(settings.sourcePath, settings.destinationPath);
}

void CBrevantDlg::CopyConfirmed() {
  const std::string question =
      "Copy the files selected by this profile?\n" + m_data->Profiles().CurrentName();
  if (m_prompter.AskYesNo(question, EAnswer::kYes) && m_sheet->LeaveCurrentPage()) {
    m_commands->Copy();
  }
}

void CBrevantDlg::Start() {
  m_data->Load();
  m_profilesPage->Refresh();
  m_queuesPage->Refresh();
  m_commands->ResetForProfile();
  setFixedSize(sizeHint());
  PlaceWindows();
  show();
  m_previewList->show();
  if (isMinimized()) {
    m_previewList->showMinimized();
  }
  m_showPreviewList->setChecked(!isMinimized());
  m_tools->StartUp();
}

void CBrevantDlg::PlaceWindows() {
  const SWorkArea work = WorkArea(this);
  platform::COptionStore store;
  std::optional<SPlacement> restored;
  if (m_options.m_restorePlacement != 0) {
    restored = CWindowPlacement().Restore(store, work);
  }
  const QRect previewFrame(QPoint(0, 0), m_previewList->size());
  if (!restored) {
    const SStartPlacement start =
        PlaceUnrestored(RectOf(QRect(QPoint(0, 0), size())), RectOf(previewFrame), work);
    move(start.main.left, start.main.top);
    m_previewList->move(start.preview.left, start.preview.top);
  } else {
    move(restored->normal.left, restored->normal.top);
    const SRect preview =
        PlacePreviewUnderMain(*restored, RectOf(geometry()), RectOf(previewFrame), work);
    m_previewList->move(preview.left, preview.top);
    if (restored->IsMinimized()) {
      setWindowState(windowState() | Qt::WindowMinimized);
    }
  }
  for (const std::string& line :
       PlacementDebugLines(RectOf(geometry()), RectOf(m_previewList->geometry()))) {
    AddDebugMessage("%s", line.c_str());
  }
}

void CBrevantDlg::ShowPreviewList(bool shown) {
  if (shown) {
    m_previewList->showNormal();
    m_previewList->raise();
  } else {
    m_previewList->showMinimized();
  }
}

void CBrevantDlg::ShowOptions() {
  COptionsDlg dialog(m_options, m_prompter, this);
  if (dialog.exec() != QDialog::Accepted) {
    return;
  }
  platform::COptionStore store;
  AcceptOptions(m_options, dialog.Result(), store);
  m_commands->RefreshCounts();
}

void CBrevantDlg::reject() {
  if (!m_commands->RequestClose()) {
    return;  // stays open, or closes once the run has ended
  }
  SaveAtExit();
  m_previewList->hide();
  QDialog::reject();
}

void CBrevantDlg::CloseNow() {
  reject();
}

void CBrevantDlg::SaveAtExit() {
  if (m_saved) {
    return;
  }
  m_saved = true;
  if (!m_data->Save()) {
    AddDebugMessage("The data file could not be written at exit.");
  }
  platform::COptionStore store;
  SPlacement placement;
  placement.showCmd = isMinimized() ? kShowMinimized : kShowNormal;
  placement.normal = RectOf(normalGeometry().isValid() ? normalGeometry() : geometry());
  CWindowPlacement().Save(store, placement);
  m_options.SaveOptions(store);
}

void CBrevantDlg::SetTitle(const std::string& title) {
  setWindowTitle(QString::fromStdString(title));
}

void CBrevantDlg::SetStatusText(const std::string& text) {
  m_statusText = QString::fromStdString(text);
  if (!m_redraw.isActive()) {
    UpdateLines();
  }
}

void CBrevantDlg::SetCountsText(const std::string& text) {
  m_countsText = QString::fromStdString(text);
  if (!m_redraw.isActive()) {
    UpdateLines();
  }
}

void CBrevantDlg::UpdateLines() {
  if (m_status->text() != m_statusText) {
    m_status->setText(m_statusText);
  }
  if (m_counts->text() != m_countsText) {
    m_counts->setText(m_countsText);
  }
}

void CBrevantDlg::SetState(EMainState state, bool strayFolders) {
  const bool idle = state == EMainState::kIdle;
  m_preview->setText(state == EMainState::kPreviewing ? QStringLiteral("&Stop")
                                                      : QStringLiteral("&Preview"));
  m_preview->setEnabled(state != EMainState::kCopying);
  m_copy->setEnabled(idle);
  m_optionsButton->setEnabled(idle);
  m_close->setEnabled(idle);
  m_previewList->EnableCommands(idle);
  // While a job runs the lines are redrawn on a timer; at its end at once.
  if (idle) {
    m_redraw.stop();
    UpdateLines();
  } else if (!m_redraw.isActive()) {
    m_redraw.start();
  }
  if (idle && m_busyCursor) {
    QApplication::restoreOverrideCursor();
    m_busyCursor = false;
  } else if (!idle && !m_busyCursor) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_busyCursor = true;
  }
  m_previewList->EnableFolderList(idle && !m_commands->List().Empty());
  m_previewList->EnableStrayFolders(idle && strayFolders);
}

void CBrevantDlg::EnableSettings(bool enable) {
  m_sheet->EnableSettings(enable);
  m_profilesPage->setEnabled(enable);
  m_queuesPage->setEnabled(enable);
  if (enable) {
    m_queuesPage->Refresh();  // Preview Next, after a preview of a queue's profile
  }
}

void CBrevantDlg::SetFolderTexts(const std::string& source, const std::string& destination) {
  m_sheet->SetFolderTexts(source, destination);
}

void CBrevantDlg::CheckArchiveOnly() {
  CSettingsState settings = m_sheet->Take();
  settings.archiveOnly = 1;
  m_sheet->Apply(settings);
}

void CBrevantDlg::PreviewListChanged() {
  if (m_options.m_adjustColumnWidths != 0) {
    m_previewList->FitColumns();
  }
}

void CBrevantDlg::ShowPreviewStatistics(const SPreviewStatistics& statistics) {
  CPreviewStatisticsDlg dialog(statistics, this);
  dialog.exec();
}

bool CBrevantDlg::ShowDetectedMoves(CMoveDetect& detect) {
  return m_listHost->ShowDetectedMoves(detect, m_prompter, this);
}

void CBrevantDlg::OpenCopyProgress(const std::string& statusText) {
  CloseCopyProgress();
  const CFormatItem format(2, m_options.m_useThousandsSep != 0, m_options.m_thousandsSep);
  m_progress = new CCopyProgressDlg(
      m_prompter,
      {[this](bool on) { m_commands->SuspendJobs(on); }, [this] { m_commands->StopJobs(); }},
      format, this);
  m_progress->setAttribute(Qt::WA_DeleteOnClose);
  m_progress->SetStatus(QString::fromStdString(statusText));
  m_progress->show();
  m_progress->raise();
}

void CBrevantDlg::CopyProgress(const CMessage& message, const CPreviewCounts& counts) {
  if (m_progress != nullptr) {
    m_progress->Handle(message, counts);
  }
}

void CBrevantDlg::EndCopyProgress(bool stopped, bool nothingDone) {
  if (m_progress != nullptr) {
    m_progress->Finish(stopped, nothingDone);
  }
}

void CBrevantDlg::CloseCopyProgress() {
  if (m_progress != nullptr) {
    m_progress->Dismiss();
    m_progress = nullptr;
  }
}

void CBrevantDlg::ShowCopyResults(const SCopyResults& results) {
  CCopyResultsDlg::SContent content{results.tree,       results.files,       results.folders,
                                    results.elapsed,    results.foldersOnly, results.hasMessages,
                                    results.exportText, m_folders.desktop};
  CCopyResultsDlg dialog(content, m_prompter, this);
  dialog.exec();
}
