// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// The per-user store of program options: sections holding named integers and strings.
// On this platform it is the file "Quillmoor Software/Brevant.conf" in the user's
// configuration folder. Used from the window thread only.
class COptionStore {
 public:
  COptionStore();                                  // the program's own store
  explicit COptionStore(const std::string& file);  // a store in the given POSIX file
  ~COptionStore();
  COptionStore(const COptionStore&) = delete;
  COptionStore& operator=(const COptionStore&) = delete;

  int32_t GetInt(std::string_view section, std::string_view name, int32_t defaultValue) const;
  void SetInt(std::string_view section, std::string_view name, int32_t value);
  std::string GetString(std::string_view section, std::string_view name,
                        std::string_view defaultValue) const;
  void SetString(std::string_view section, std::string_view name, std::string_view value);
  bool Contains(std::string_view section, std::string_view name) const;
  void Remove(std::string_view section, std::string_view name);
  // Writes pending changes; false when the store could not be written.
  bool Sync();

 private:
  struct SImpl;
  std::unique_ptr<SImpl> m_impl;
};

}  // namespace platform
