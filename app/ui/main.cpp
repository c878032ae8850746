// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <QApplication>

#include "app/ui/BrevantApp.h"
#include "core/ui/QtPrompter.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  CQtPrompter prompter;
  CBrevantApp brevant(prompter);
  return brevant.Run();
}
