// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

namespace vx::ui {

// The models count characters; QString positions count UTF-16 units.
int characterIndex(const QString &text, int utf16Position);
int utf16Position(const QString &text, int characterIndex);

} // namespace vx::ui
