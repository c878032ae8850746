// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "profile/SettingsState.h"

class QCheckBox;
class QFont;
class QRadioButton;
struct SShownSettings;

// One page of the settings sheet: it shows its group of a profile's settings and reads them
// back, and it keeps its own controls' enabling rules.
class CSettingsPage : public QWidget {
  Q_OBJECT

 public:
  explicit CSettingsPage(const char* objectName, QWidget* parent = nullptr);

  // Shows the page's fields of `settings`. Nothing counts as an edit meanwhile.
  void Load(const CSettingsState& settings);
  // Fills the page's fields of `settings` from its controls.
  virtual void Read(CSettingsState& settings) const = 0;
  // Enables each control as the page's rules say (once the page itself is enabled).
  virtual void ApplyEnables() {}
  // Empties the page's text box, where it has one; the settings stay as they are.
  virtual void ClearEditor() {}
  // The font of the fields and lists that show paths, names and patterns.
  virtual void SetNameFont(const QFont& font) {}
  // Adds what the page shows beyond the settings (lists in their order, texts of boxes and
  // pickers) to a description of the page for the settings export.
  virtual void ShowTexts(SShownSettings& shown) const {}

 signals:
  // The user changed one of the page's settings.
  void edited();

 protected:
  virtual void Show(const CSettingsState& settings) = 0;
  // For the controls' change signals: an edit, unless the page is being loaded.
  void NoteEdited();
  bool Loading() const { return m_loading; }

 private:
  bool m_loading = false;
};

// Texts of the engine as Qt texts and back.
QString Qs(std::string_view text);
std::string Utf8(const QString& text);

// Controls named for tests and screen readers alike: the caption names them.
QCheckBox* MakeCheckBox(std::string_view caption, const char* objectName, QWidget* parent);
QRadioButton* MakeRadio(std::string_view caption, const char* objectName, QWidget* parent);
