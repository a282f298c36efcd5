// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/key_codes.h"

#include "forms/virtual_keys.h"

#include <array>

namespace vx::ui {

namespace vk = forms::vk;

namespace {

struct PunctuationKey {
  char plain;
  char shifted;
  int code;
};

// The punctuation and digit keys of a US English keyboard.
constexpr std::array<PunctuationKey, 21> punctuationKeys{{
    {'`', '~', vk::backquote},  {'1', '!', vk::digit(1)},    {'2', '@', vk::digit(2)},
    {'3', '#', vk::digit(3)},   {'4', '$', vk::digit(4)},    {'5', '%', vk::digit(5)},
    {'6', '^', vk::digit(6)},   {'7', '&', vk::digit(7)},    {'8', '*', vk::digit(8)},
    {'9', '(', vk::digit(9)},   {'0', ')', vk::digit(0)},    {'-', '_', vk::minus},
    {'=', '+', vk::equals},     {'[', '{', vk::openBracket}, {']', '}', vk::closeBracket},
    {'\\', '|', vk::backslash}, {';', ':', vk::semicolon},   {'\'', '"', vk::quote},
    {',', '<', vk::comma},      {'.', '>', vk::fullStop},    {'/', '?', vk::slash},
}};

struct NamedKey {
  int qtKey;
  int code;
};

constexpr std::array<NamedKey, 21> namedKeys{{
    {Qt::Key_Backspace, vk::backspace},
    {Qt::Key_Tab, vk::tab},
    {Qt::Key_Return, vk::enter},
    {Qt::Key_Enter, vk::enter},
    {Qt::Key_Shift, vk::shift},
    {Qt::Key_Control, vk::control},
    {Qt::Key_Alt, vk::alt},
    {Qt::Key_CapsLock, vk::capsLock},
    {Qt::Key_Escape, vk::escape},
    {Qt::Key_Space, vk::space},
    {Qt::Key_PageUp, vk::pageUp},
    {Qt::Key_PageDown, vk::pageDown},
    {Qt::Key_End, vk::end},
    {Qt::Key_Home, vk::home},
    {Qt::Key_Left, vk::left},
    {Qt::Key_Up, vk::up},
    {Qt::Key_Right, vk::right},
    {Qt::Key_Down, vk::down},
    {Qt::Key_Insert, vk::insert},
    {Qt::Key_Delete, vk::del},
    {Qt::Key_Meta, vk::leftWindows},
}};

struct KeypadKey {
  int qtKey;
  char character;
  int code;
};

constexpr std::array<KeypadKey, 6> keypadOperators{{
    {Qt::Key_Asterisk, '*', vk::keypadMultiply},
    {Qt::Key_Plus, '+', vk::keypadPlus},
    {Qt::Key_Minus, '-', vk::keypadMinus},
    {Qt::Key_Period, '.', vk::keypadPoint},
    {Qt::Key_Comma, '.', vk::keypadPoint},
    {Qt::Key_Slash, '/', vk::keypadDivide},
}};

constexpr int functionKeys = 24;

std::optional<int> keypadCode(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    return vk::keypadDigit(key - Qt::Key_0);
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
    return vk::letterA + (key - Qt::Key_A);
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
    return vk::functionKey(1 + (key - Qt::Key_F1));
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
  if (code >= vk::letterA && code <= vk::letterZ) {
    return KeyStroke{Qt::Key_A + (code - vk::letterA), Qt::NoModifier,
                     QString(QChar(code - vk::letterA + 'a')), false};
  }
  if (code >= vk::keypadDigit(0) && code <= vk::keypadDigit(9)) {
    const int digit = code - vk::keypadDigit(0);
    return KeyStroke{Qt::Key_0 + digit, Qt::KeypadModifier, QString(QChar('0' + digit)), false};
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
      const QString text = code == vk::space ? QStringLiteral(" ") : QString();
      return KeyStroke{k.qtKey, Qt::NoModifier, text, false};
    }
  }
  if (code >= vk::functionKey(1) && code <= vk::functionKey(functionKeys)) {
    return KeyStroke{Qt::Key_F1 + (code - vk::functionKey(1)), Qt::NoModifier, QString(), false};
  }
  if (code > 0 && code < 256) {
    return KeyStroke{Qt::Key_unknown, Qt::NoModifier, QString(), false, code};
  }
  return std::nullopt;
}

} // namespace vx::ui
