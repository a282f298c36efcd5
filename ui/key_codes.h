// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Windows virtual-key codes, the key codes the windows' key procedures
// work with, mapped to and from Qt key events as on a US English keyboard.

#include <QKeyEvent>
#include <QString>

#include <optional>

namespace vx::ui {

// The virtual-key code of a key event (0 for keys without one).
int virtualKeyCode(const QKeyEvent &event);
// Shift state as the key procedures get it: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);

// One key as a person presses it.
struct KeyStroke {
  int qtKey = 0;
  Qt::KeyboardModifiers modifiers;
  QString text;
  bool withShift = false; // Shift is held down around the key
  int code = 0;           // its virtual-key code, carried for keys Qt has no name for
};

// The key that types this character (a capital letter, *, + ... with
// Shift); characters no key of the layout types come as a key without a
// code that carries only the character.
KeyStroke strokeForCharacter(char32_t character);
// The key with this virtual-key code, typing its unshifted character.
std::optional<KeyStroke> strokeForVirtualKey(int code);

} // namespace vx::ui
