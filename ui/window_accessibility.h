// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a screen reader is told each part of a window is: the window a
// window (a frame, named by its title), not an anonymous pane; the text
// fields fields it reads right (ui/field_accessibility.h), a result's
// label the value with what it is (ui/result_label.h); the window's hidden
// notice a notification, which screen readers speak when it shows.

namespace vx::ui {

// Safe to call more than once; only the first call does anything.
void describeWindowsToScreenReaders();

} // namespace vx::ui
