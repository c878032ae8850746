// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QString>

class QAbstractItemModel;
class QAbstractItemView;
class QComboBox;
class QDialog;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTableView;
class QWidget;

// Small pieces that every window builds the same way, so that each is reachable with the
// keyboard and named for a screen reader.

// A push button with its caption (an "&" marks its access key) and object name.
QPushButton* MakeButton(const QString& caption, const char* objectName, QWidget* parent);

// Makes `label` name `control`: its access key moves the focus there, and a screen reader
// reads the label's text as the control's name. (Views do not take their name from a buddy
// label, so they are given it outright.)
void SetLabelFor(QLabel* label, QWidget* control);

// Names a combo box and its drop-down list for a screen reader (one without a label of its
// own, such as the unit beside a number).
void NameComboBox(QComboBox* combo, const QString& name);

// The text a screen reader reads for a caption: without the access-key marks.
QString AccessibleText(const QString& caption);

// A list of rows: whole rows selected, several at a time, fixed row heights (no row is
// measured that is not drawn), no grid, texts that do not wrap.
void SetUpRowList(QTableView* view);

// A read-only list of texts over `model`: rows as above, no header, the last column as wide
// as the view, and Tab moving on to the next control.
QTableView* MakeTextList(QAbstractItemModel* model, const char* objectName, QWidget* parent);

// The OK and Cancel buttons of a dialog, named "okButton" and "cancelButton" and wired to
// the dialog's accept() and reject().
QDialogButtonBox* MakeOkCancel(QDialog* dialog);
