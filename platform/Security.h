// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Types.h"

// A file's security information (owner, group, permissions and access list) as an opaque
// block that can be written onto another file.
namespace platform {

std::optional<std::vector<uint8_t>> ReadFileSecurity(std::string_view path,
                                                     EError* error = nullptr);
EError WriteFileSecurity(std::string_view path, const std::vector<uint8_t>& security);

}  // namespace platform
