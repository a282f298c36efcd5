// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What `get` and `var` print of a control's property or a variable.

#include "forms/control.h"
#include "runtime/value.h"

#include <optional>
#include <string>
#include <string_view>

namespace vx::drive {

// The property as printed; "" names the control's main property. nullopt
// when the control has no such property.
std::optional<std::string> readProperty(const forms::Control &control, std::string_view property);

// "Empty", "Integer 5", "Double 0.25", "String \"abc\"", "Boolean True".
std::string describeValue(const Value &value);

} // namespace vx::drive
