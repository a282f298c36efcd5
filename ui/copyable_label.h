// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A result shown by a label can be taken elsewhere: selected with the mouse
// (the selection goes to the primary selection, as everywhere on X11), and
// copied to the clipboard with the context menu's "Copy", the whole line
// when nothing is selected. The label takes no focus and is no Tab stop,
// so the window's focus, keys and procedures never see any of it.

class QLabel;

namespace vx::ui {

class FormView;

void makeCopyable(QLabel &label);

// Ctrl+R anywhere in the window copies the whole line and tells a screen
// reader so. The key comes to the window only after the window's key-down
// procedures have seen it and the focused control has let it pass (no
// control of a window takes Ctrl+R), so nothing else changes.
void copyOnKey(FormView &window, QLabel &line);

// What "Copy" puts on the clipboard: the selection, or the whole line.
void copyToClipboard(const QLabel &label);

} // namespace vx::ui
