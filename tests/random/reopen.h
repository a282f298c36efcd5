// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Closes and reopens every window many times: each opening must show the
// designed controls, and closed windows must not pile up.

#include "random/catalog.h"

#include <iosfwd>

namespace vx::random {

// False (with a report on `report`) at the first difference.
bool reopenWindows(const Catalog &catalog, int times, std::ostream &report);

} // namespace vx::random
