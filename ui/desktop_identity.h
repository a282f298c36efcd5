// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How desktops know Vexlo: one id names its desktop entry, its icon and its
// AppStream metadata, so a task bar can match a running window to its entry.

#include <QString>

namespace vx::ui {

QString appId();

// Names the running application after its desktop entry and gives every
// window the program's icon, built into the program, so it also shows when
// run from the build tree. A desktop that matches a window to its entry (by
// this name, or by the window class under X) shows the entry's icon from
// its icon theme; looking the icon up in the theme here would cost every
// start a reading of the theme's whole index.
void presentAsVexlo();

} // namespace vx::ui
