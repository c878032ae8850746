// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/LimitPath.h"

namespace {

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string CLimitPath::Limit(int index, std::string_view path) const {
  if (path.size() > 3 && path.back() == '\\') {
    path.remove_suffix(1);
  }
  const long excess = static_cast<long>(path.size()) - m_maximum[index];
  if (excess < 4) {
    return std::string(path);
  }
  const size_t slash = path.find_last_of('\\');
  if (slash == std::string_view::npos || static_cast<long>(slash) - excess <= 1) {
    return std::string(path);
  }
  size_t cut = slash - static_cast<size_t>(excess);
  // Never split a character: start the cut at the beginning of one.
  while (cut > 0 && IsContinuation(path[cut])) {
    --cut;
  }
  std::string out(path.substr(0, cut));
  out += "...";
  out += path.substr(slash);
  return out;
}
