// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <string>

#include "app/DriveStatus.h"
#include "run/FolderValidation.h"

class CPrompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The Drive Status window, opened when the source or destination drive is not ready: it
// shows both drives' states and the drives present, waits for the drives (Wait polls them
// every second and closes the window a few seconds after both are ready), or moves a path
// to another drive chosen beside it. The paths change only when the window closes.
class CDriveStatusDlg : public QDialog {
  Q_OBJECT

 public:
  using StateOf = std::function<int(const std::string& path)>;

  // `tickMs` is the waiting's step (a second; tests make it shorter); `stateOf` takes a
  // drive's state (tests may give their own).
  CDriveStatusDlg(int sourceState, int destinationState, const std::string& sourcePath,
                  const std::string& destinationPath, CPrompter& prompter,
                  QWidget* parent = nullptr, int tickMs = 1000, StateOf stateOf = DriveState);

  // The paths with the drive letters chosen, once the window has closed.
  const std::string& SourcePath() const { return m_source; }
  const std::string& DestinationPath() const { return m_destination; }
  bool Waiting() const { return m_timer.isActive(); }

  void reject() override;  // Close, Esc and the close box all keep the choices

 private:
  void Wait();
  void StopWaiting();
  void Tick();
  // Applies the chosen letters; false when the user declined to put both on one drive.
  bool ApplyChoices();
  void CloseWindow();
  void ShowStates();
  void FillLists();
  char Chosen(const QComboBox* list, const std::string& path) const;

  CPrompter& m_prompter;
  StateOf m_stateOf;
  std::string m_source;
  std::string m_destination;
  int m_sourceState;
  int m_destinationState;
  CDriveWait m_wait;
  QTimer m_timer;

  QLineEdit* m_sourceField = nullptr;
  QLineEdit* m_destinationField = nullptr;
  QLineEdit* m_available = nullptr;
  QComboBox* m_sourceList = nullptr;
  QComboBox* m_destinationList = nullptr;
  QLabel* m_countdown = nullptr;
  QPushButton* m_waitButton = nullptr;
  QPushButton* m_close = nullptr;
};

// The main window's drive status window: the dialog above, opened on the window thread by
// the folder checks of Preview, Copy and Set Attributes.
class CQtDriveStatusWindow : public CDriveStatusWindow {
 public:
  CQtDriveStatusWindow(QWidget* parent, CPrompter& prompter)
      : m_parent(parent), m_prompter(prompter) {}
  void Show(int sourceState, int destinationState, std::string& sourcePath,
            std::string& destinationPath) override;

 private:
  QWidget* m_parent;
  CPrompter& m_prompter;
};
