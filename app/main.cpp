// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <QApplication>

#include "app/BrevantApp.h"
#include "app/QtPrompter.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  CQtPrompter prompter;
  CBrevantApp brevant(prompter);
  return brevant.Run();
}
