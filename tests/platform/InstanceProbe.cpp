// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <unistd.h>

#include <cstdio>

#include "platform/InstanceLock.h"

// A second process for the single-instance tests: takes the named lock, says how that went
// ("acquired", "held" or "failed") on one line, and keeps the lock until its input closes.
int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <lock name>\n", argv[0]);
    return 2;
  }
  platform::CInstanceLock lock;
  const platform::CInstanceLock::EResult result = lock.TryAcquire(argv[1]);
  const char* text = "failed";
  if (result == platform::CInstanceLock::EResult::kAcquired) {
    text = "acquired";
  } else if (result == platform::CInstanceLock::EResult::kHeldElsewhere) {
    text = "held";
  }
  std::printf("%s\n", text);
  std::fflush(stdout);
  char buffer[64];
  while (read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
  }
  return 0;
}
