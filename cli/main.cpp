// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <cstdio>
#include <cstring>

// The headless runner. It links the engine alone, without any window code.
namespace {

constexpr const char* kUsage =
    "Usage: brevant-cli --help\n"
    "       brevant-cli --version\n";

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("brevant-cli 1.8\n");
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  std::fputs(kUsage, stderr);
  return 2;
}
