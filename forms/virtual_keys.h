// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Windows virtual-key codes: the key codes every key-down procedure works
// with, whichever toolkit delivers the key.

namespace vx::forms::vk {

inline constexpr int backspace = 8;
inline constexpr int tab = 9;
inline constexpr int enter = 13;
inline constexpr int shift = 16;
inline constexpr int control = 17;
inline constexpr int alt = 18;
inline constexpr int capsLock = 20;
inline constexpr int escape = 27;
inline constexpr int space = 32;
inline constexpr int pageUp = 33;
inline constexpr int pageDown = 34;
inline constexpr int end = 35;
inline constexpr int home = 36;
inline constexpr int left = 37;
inline constexpr int up = 38;
inline constexpr int right = 39;
inline constexpr int down = 40;
inline constexpr int insert = 45;
inline constexpr int del = 46;
inline constexpr int leftWindows = 91;

// The letter keys have the codes of their capital letters.
inline constexpr int letterA = 'A';
inline constexpr int letterZ = 'Z';
// The digit keys above the letters, and those of the numeric keypad.
constexpr int digit(int n) {
  return '0' + n;
}
constexpr int keypadDigit(int n) {
  return 96 + n;
}
inline constexpr int keypadMultiply = 106;
inline constexpr int keypadPlus = 107;
inline constexpr int keypadMinus = 109;
inline constexpr int keypadPoint = 110;
inline constexpr int keypadDivide = 111;
// F1 to F24.
constexpr int functionKey(int n) {
  return 111 + n;
}

// The punctuation keys of a US English keyboard, by their unshifted
// character.
inline constexpr int semicolon = 186;
inline constexpr int equals = 187;
inline constexpr int comma = 188;
inline constexpr int minus = 189;
inline constexpr int fullStop = 190;
inline constexpr int slash = 191;
inline constexpr int backquote = 192;
inline constexpr int openBracket = 219;
inline constexpr int backslash = 220;
inline constexpr int closeBracket = 221;
inline constexpr int quote = 222;

} // namespace vx::forms::vk
