// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/key_codes.h"

#include <array>

namespace vx::ui {

namespace {

struct PunctuationKey {
  char plain;
  char shifted;
  int code;
};

// The punctuation and digit keys of a US English keyboard.
constexpr std::array<PunctuationKey, 21> punctuationKeys{{
    {'`', '~', 192},  {'1', '!', 49},  {'2', '@', 50},   {'3', '#', 51},  {'4', '$', 52},
    {'5', '%', 53},   {'6', '^', 54},  {'7', '&', 55},   {'8', '*', 56},  {'9', '(', 57},
    {'0', ')', 48},   {'-', '_', 189}, {'=', '+', 187},  {'[', '{', 219}, {']', '}', 221},
    {'\\', '|', 220}, {';', ':', 186}, {'\'', '"', 222}, {',', '<', 188}, {'.', '>', 190},
    {'/', '?', 191},
}};

struct NamedKey {
  int qtKey;
  int code;
};

constexpr std::array<NamedKey, 21> namedKeys{{
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},      {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},   {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},      {Qt::Key_Home, 36},    {Qt::Key_Left, 37},   {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},    {Qt::Key_Down, 40},    {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46},
    {Qt::Key_Meta, 91},
}};

struct KeypadKey {
  int qtKey;
  char character;
  int code;
};

constexpr std::array<KeypadKey, 6> keypadOperators{{
    {Qt::Key_Asterisk, '*', 106},
    {Qt::Key_Plus, '+', 107},
    {Qt::Key_Minus, '-', 109},
    {Qt::Key_Period, '.', 110},
    {Qt::Key_Comma, '.', 110},
    {Qt::Key_Slash, '/', 111},
}};

constexpr int keypadZero = 96;
constexpr int firstFunctionKey = 112;
constexpr int functionKeys = 24;

std::optional<int> keypadCode(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    return keypadZero + (key - Qt::Key_0);
  }
  for (const KeypadKey &k : keypadOperators) {
    if (k.qtKey == key) {
      return k.code;
    }
  }
  return std::nullopt;
}

} // namespace

int virtualKeyCode(const QKeyEvent &event) {
  const int key = event.key();
  if (event.modifiers().testFlag(Qt::KeypadModifier)) {
    if (const auto code = keypadCode(key)) {
      return *code;
    }
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    return 'A' + (key - Qt::Key_A);
  }
  for (const PunctuationKey &k : punctuationKeys) {
    if (key == k.plain || key == k.shifted) {
      return k.code;
    }
  }
  for (const NamedKey &k : namedKeys) {
    if (k.qtKey == key) {
      return k.code;
    }
  }
  if (key >= Qt::Key_F1 && key < Qt::Key_F1 + functionKeys) {
    return firstFunctionKey + (key - Qt::Key_F1);
  }
  if (key == 0 || key == Qt::Key_unknown) {
    // A key the driver sent by its code alone.
    return static_cast<int>(event.nativeVirtualKey());
  }
  return 0;
}

int shiftState(Qt::KeyboardModifiers modifiers) {
  int state = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) {
    state |= 1;
  }
  if (modifiers.testFlag(Qt::ControlModifier)) {
    state |= 2;
  }
  if (modifiers.testFlag(Qt::AltModifier)) {
    state |= 4;
  }
  return state;
}

KeyStroke strokeForCharacter(char32_t character) {
  const QString text = QString::fromUcs4(&character, 1);
  if (character >= 'a' && character <= 'z') {
    return {static_cast<int>(Qt::Key_A + (character - 'a')), Qt::NoModifier, text, false};
  }
  if (character >= 'A' && character <= 'Z') {
    return {static_cast<int>(Qt::Key_A + (character - 'A')), Qt::ShiftModifier, text, true};
  }
  if (character == ' ') {
    return {Qt::Key_Space, Qt::NoModifier, text, false};
  }
  for (const PunctuationKey &k : punctuationKeys) {
    if (character == static_cast<char32_t>(k.plain)) {
      return {k.plain, Qt::NoModifier, text, false};
    }
    if (character == static_cast<char32_t>(k.shifted)) {
      return {k.shifted, Qt::ShiftModifier, text, true};
    }
  }
  if (character == '\t') {
    return {Qt::Key_Tab, Qt::NoModifier, text, false};
  }
  if (character == '\n' || character == '\r') {
    return {Qt::Key_Return, Qt::NoModifier, QString(), false};
  }
  if (character == '\b') {
    return {Qt::Key_Backspace, Qt::NoModifier, QString(), false};
  }
  return {Qt::Key_unknown, Qt::NoModifier, text, false};
}

std::optional<KeyStroke> strokeForVirtualKey(int code) {
  if (code >= 'A' && code <= 'Z') {
    return KeyStroke{Qt::Key_A + (code - 'A'), Qt::NoModifier, QString(QChar(code - 'A' + 'a')),
                     false};
  }
  if (code >= keypadZero && code <= keypadZero + 9) {
    return KeyStroke{Qt::Key_0 + (code - keypadZero), Qt::KeypadModifier,
                     QString(QChar('0' + (code - keypadZero))), false};
  }
  for (const KeypadKey &k : keypadOperators) {
    if (k.code == code) {
      return KeyStroke{k.qtKey, Qt::KeypadModifier, QString(QChar(k.character)), false};
    }
  }
  for (const PunctuationKey &k : punctuationKeys) {
    if (k.code == code) {
      return KeyStroke{k.plain, Qt::NoModifier, QString(QChar(k.plain)), false};
    }
  }
  for (const NamedKey &k : namedKeys) {
    if (k.code == code) {
      const QString text = code == 32 ? QStringLiteral(" ") : QString();
      return KeyStroke{k.qtKey, Qt::NoModifier, text, false};
    }
  }
  if (code >= firstFunctionKey && code < firstFunctionKey + functionKeys) {
    return KeyStroke{Qt::Key_F1 + (code - firstFunctionKey), Qt::NoModifier, QString(), false};
  }
  if (code > 0 && code < 256) {
    return KeyStroke{Qt::Key_unknown, Qt::NoModifier, QString(), false, code};
  }
  return std::nullopt;
}

} // namespace vx::ui
