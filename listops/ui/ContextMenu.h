// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <string>
#include <vector>

#include "listops/ListCommands.h"
#include "listops/ui/QtCommandFeedback.h"

class CLaunchPool;
class CPreviewList;
class CPreviewListHost;
class CPrompter;
class QMenu;
class QTableView;
class QWidget;
struct SCompareRecord;
struct SProgramOptions;

// The preview list's right-click commands: the menu for the clicked row and what each command
// does, with its windows and messages. The rows' logic is the engine's (ListCommands,
// Comparison); this class turns the view's selection into rows and back and opens windows.
class CContextMenu : public QObject {
  Q_OBJECT

 public:
  CContextMenu(CPreviewList& list, QTableView* view, CPreviewListHost& host, CPrompter& prompter,
               CLaunchPool& launches, SProgramOptions& options, QWidget* window);

  // The menu for a row (nothing happens for a point between rows).
  void Popup(const QPoint& viewportPosition);
  QMenu* MakeMenu(size_t row, QWidget* parent);
  void Run(EListCommand command);

 private:
  void OpenFile();
  void OpenWith(const std::string& program);
  void Choose();
  void Rename();
  void Restore();
  void OpenContainingFolder();
  void CompareOverview();
  void CompareMatches();
  void CompareDetails();
  void Exclude(bool remember);
  void SelectAll();
  void SelectNone();
  void Invert();
  void Dispose(EDisposal how);
  void Launch(const SLaunchRequest& request);

  // The row at the selection mark, or -1.
  long MarkedRow() const;
  // Records of the selected rows; empty when no preview gave the root folders.
  std::vector<SCompareRecord> SelectedRecords() const;
  // Removes one compared row (found again by its record) and refreshes the counts.
  void RemoveComparedRow(const SCompareRecord& record);
  // Redraws the list in one go after a command that changed many rows.
  void Suspended(const std::function<void()>& work);

  CPreviewList& m_list;
  QTableView* m_view;
  CPreviewListHost& m_host;
  CPrompter& m_prompter;
  CLaunchPool& m_launches;
  SProgramOptions& m_options;
  QWidget* m_window;
  CQtCommandFeedback m_feedback;
};
