// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "tests/support/TestSandbox.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/DriveMap.h"
#include "core/Version.h"
#include "platform/FileInfo.h"
#include "platform/OptionStore.h"

namespace testing_support {

namespace {

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

}  // namespace

CTestSandbox::CTestSandbox(const std::string& drives) {
  std::string pattern = (std::filesystem::temp_directory_path() / "brevant-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a sandbox folder");
  }
  m_root = pattern;
  MakeFolders(m_root + "/c/home");
  MakeFolders(m_root + "/d");
  MakeFolders(m_root + "/runtime");
  chmod((m_root + "/runtime").c_str(), 0700);
  SetEnv("HOME", Home());
  SetEnv("XDG_CONFIG_HOME", Home() + "/.config");
  SetEnv("XDG_DATA_HOME", Home() + "/.local/share");
  SetEnv("XDG_CACHE_HOME", Home() + "/.cache");
  SetEnv("XDG_RUNTIME_DIR", m_root + "/runtime");
  SetDrives(drives);
  KeepNotesClosedAtStart();
}

void CTestSandbox::KeepNotesClosedAtStart() {
  // As written by this release with "Show Day Tip" off: a program started in the sandbox
  // opens no Program Notes over its main window.
  platform::COptionStore store;
  store.SetInt("Start Up", "Show Day Tip", 0);
  store.SetInt("Start Up", "Day Tip Major Ver", kVersionMajor);
  store.SetInt("Start Up", "Day Tip Minor Ver", kVersionMinor);
}

CTestSandbox::~CTestSandbox() {
  for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
    if (it->had) {
      setenv(it->name.c_str(), it->value.c_str(), 1);
    } else {
      unsetenv(it->name.c_str());
    }
  }
  platform::CDriveMap::Reload();
  // Read-only folders inside would stop the removal; open them up first.
  std::error_code ignored;
  for (auto it = std::filesystem::recursive_directory_iterator(m_root, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
      chmod(it->path().c_str(), 0700);
    }
  }
  std::filesystem::remove_all(m_root, ignored);
}

void CTestSandbox::SetEnv(const char* name, const std::string& value) {
  const char* old = getenv(name);
  m_saved.push_back(SSaved{name, old != nullptr, old != nullptr ? old : ""});
  setenv(name, value.c_str(), 1);
}

void CTestSandbox::SetDrives(const std::string& drives) {
  const std::string spec =
      drives.empty() ? "C=" + m_root + "/c;D=" + m_root + "/d" : Replace(drives, "{root}", m_root);
  SetEnv("BREVANT_DRIVES", spec);
  platform::CDriveMap::Reload();
}

std::string CTestSandbox::OnC(const std::string& relative) {
  return "C:\\" + Replace(relative, "/", "\\");
}

std::string CTestSandbox::Posix(const std::string& windowsPath) {
  const auto path = platform::ToPosixPath(windowsPath);
  if (!path) {
    throw std::runtime_error("not on a mapped drive: " + windowsPath);
  }
  return *path;
}

void MakeFolders(const std::string& posixPath) {
  std::filesystem::create_directories(posixPath);
}

void WriteFile(const std::string& posixPath, const std::string& content) {
  std::ofstream out(posixPath, std::ios::binary | std::ios::trunc);
  out << content;
  if (!out) {
    throw std::runtime_error("cannot write " + posixPath);
  }
}

std::string ReadFile(const std::string& posixPath) {
  std::ifstream in(posixPath, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Exists(const std::string& posixPath) {
  struct stat info {};
  return lstat(posixPath.c_str(), &info) == 0;
}

void BuildTree(const std::string& posixRoot, std::initializer_list<STreeEntry> entries) {
  for (const STreeEntry& entry : entries) {
    const std::string path = posixRoot + "/" + entry.path;
    if (!entry.path.empty() && entry.path.back() == '/') {
      MakeFolders(path);
      continue;
    }
    MakeFolders(std::filesystem::path(path).parent_path().string());
    WriteFile(path, entry.content);
    if (entry.lastWrite != 0) {
      const auto windowsPath = platform::ToWindowsPath(path);
      if (!windowsPath || platform::SetFileTimes(*windowsPath, nullptr, nullptr,
                                                 &entry.lastWrite) != platform::EError::kNone) {
        throw std::runtime_error("cannot set the time of " + path);
      }
    }
  }
}

}  // namespace testing_support
