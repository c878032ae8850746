// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

// Small guards for the platform tests: each puts back what it changed, so that one test's
// environment, time zone or current folder never leaks into the next.
namespace platform_test {

// Sets (or, with nothing, removes) an environment variable for the life of the object.
class CEnvGuard {
 public:
  CEnvGuard(const char* name, const std::optional<std::string>& value) : m_name(name) {
    if (const char* old = getenv(name)) {
      m_old = old;
    }
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  ~CEnvGuard() {
    if (m_old) {
      setenv(m_name.c_str(), m_old->c_str(), 1);
    } else {
      unsetenv(m_name.c_str());
    }
  }
  CEnvGuard(const CEnvGuard&) = delete;
  CEnvGuard& operator=(const CEnvGuard&) = delete;

 private:
  std::string m_name;
  std::optional<std::string> m_old;
};

// Switches the process's time zone for the life of the object.
class CTimeZoneGuard {
 public:
  explicit CTimeZoneGuard(const std::string& zone) {
    if (const char* old = getenv("TZ")) {
      m_old = old;
    }
    setenv("TZ", zone.c_str(), 1);
    tzset();
  }
  ~CTimeZoneGuard() {
    if (m_old) {
      setenv("TZ", m_old->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }
  CTimeZoneGuard(const CTimeZoneGuard&) = delete;
  CTimeZoneGuard& operator=(const CTimeZoneGuard&) = delete;

 private:
  std::optional<std::string> m_old;
};

// Keeps the process's current folder and returns to it at the end.
class CCurrentFolderGuard {
 public:
  CCurrentFolderGuard() {
    std::vector<char> buffer(4096);
    if (getcwd(buffer.data(), buffer.size()) != nullptr) {
      m_folder = buffer.data();
    }
  }
  ~CCurrentFolderGuard() {
    if (!m_folder.empty() && chdir(m_folder.c_str()) != 0) {
      // Nothing better to do in a destructor; the next test starts from wherever we are.
    }
  }
  CCurrentFolderGuard(const CCurrentFolderGuard&) = delete;
  CCurrentFolderGuard& operator=(const CCurrentFolderGuard&) = delete;

 private:
  std::string m_folder;
};

}  // namespace platform_test
