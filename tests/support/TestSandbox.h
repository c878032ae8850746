// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/Types.h"

namespace testing_support {

// A private folder for one test: HOME, the XDG folders and the drive map point inside it,
// so that nothing reaches the real home, trash or option store. Everything is put back and
// removed when the sandbox goes.
//
// Layout: <root>/c is drive C: and <root>/d is drive D: (unless other drives are given);
// <root>/c/home is HOME. The option store starts with the Program Notes switched off at
// start-up, so that a program started here shows its main window alone; a test of the notes
// switches them on.
class CTestSandbox {
 public:
  // `drives` is a BREVANT_DRIVES text in which "{root}" stands for the sandbox folder; empty
  // means "C={root}/c;D={root}/d".
  explicit CTestSandbox(const std::string& drives = {});
  ~CTestSandbox();
  CTestSandbox(const CTestSandbox&) = delete;
  CTestSandbox& operator=(const CTestSandbox&) = delete;

  // The sandbox folder (POSIX).
  const std::string& Root() const { return m_root; }
  // POSIX path of drive C:'s root.
  std::string CRoot() const { return m_root + "/c"; }
  std::string Home() const { return m_root + "/c/home"; }
  // Drive C: path of a relative path given with '/' ("a/b" -> "C:\a\b").
  static std::string OnC(const std::string& relative);
  // The POSIX path of a Windows-form path under the current map.
  static std::string Posix(const std::string& windowsPath);

  // Replaces the drive map ("{root}" stands for the sandbox folder).
  void SetDrives(const std::string& drives);

 private:
  struct SSaved {
    std::string name;
    bool had;
    std::string value;
  };
  void SetEnv(const char* name, const std::string& value);
  void KeepNotesClosedAtStart();

  std::string m_root;
  std::vector<SSaved> m_saved;
};

// A file or folder of a test tree. Paths are relative and use '/'; a path ending in '/' is a
// folder. A write time of 0 leaves the time as the file system set it.
struct STreeEntry {
  std::string path;
  std::string content;
  platform::FileTime lastWrite = 0;
};

// Builds the entries under a POSIX folder (parents made as needed).
void BuildTree(const std::string& posixRoot, std::initializer_list<STreeEntry> entries);
void WriteFile(const std::string& posixPath, const std::string& content);
std::string ReadFile(const std::string& posixPath);
bool Exists(const std::string& posixPath);
void MakeFolders(const std::string& posixPath);

}  // namespace testing_support
