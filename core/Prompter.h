// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <string>

enum class EIcon { kStop, kExclamation, kQuestion, kInformation };
enum class EButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class EAnswer { kOk, kCancel, kYes, kNo };

struct SPrompt {
  std::string text;
  std::string title;  // empty: the application's name
  EButtons buttons = EButtons::kOk;
  EIcon icon = EIcon::kInformation;
  EAnswer defaultAnswer = EAnswer::kOk;
};

// Every message box and question of the program, from windows and workers alike. May be
// called on any thread; an implementation that shows windows brings the question to the
// window thread and waits for the answer.
class CPrompter {
 public:
  virtual ~CPrompter() = default;
  virtual EAnswer Ask(const SPrompt& prompt) = 0;

  // A message with an OK button.
  void Show(const std::string& text, EIcon icon, const std::string& title = {});
  // A Yes/No question with a question icon; anything but Yes declines.
  bool AskYesNo(const std::string& text, EAnswer defaultAnswer, const std::string& title = {});
};
