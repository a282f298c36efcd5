// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A screen reader is told that each of the program's windows is a window
// (a frame, named by its title), not an anonymous pane.

namespace vx::ui {

// Safe to call more than once; only the first call does anything.
void describeWindowsAsWindows();

} // namespace vx::ui
