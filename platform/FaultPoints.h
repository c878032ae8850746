// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <optional>
#include <string_view>

#include "platform/FaultInjection.h"
#include "platform/Types.h"

// For the platform's own implementation: the calls that tests can make to fail ask here.
namespace platform::fault_points {

// The error of a fault armed for that call and path, which this uses up. Costs one relaxed
// atomic load while no fault is armed.
std::optional<EError> Take(std::string_view call, std::string_view path);

}  // namespace platform::fault_points
