// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/utf8.h"

#include <algorithm>

namespace vx::forms {

TextBox::TextBox(Form &form, std::string name, Design design)
    : Control(form, std::move(name), controlKind), design_(std::move(design)) {
  reset();
}

void TextBox::reset() {
  text_ = design_.text;
  toolTip_ = design_.toolTip;
  visible_ = design_.visible;
  selStart_ = 0;
}

int TextBox::length() const {
  return characterCount(text_);
}

// The maximum length limits the person's typing only, as in any text box:
// a procedure may write a longer text.
void TextBox::setText(std::string text) {
  if (text == text_) {
    return;
  }
  text_ = std::move(text);
  selStart_ = 0;
  changed();
  raise(onChange);
}

void TextBox::setSelStart(int position) {
  const int limited = std::clamp(position, 0, length());
  if (limited != selStart_) {
    selStart_ = limited;
    changed();
  }
}

void TextBox::setToolTip(std::string toolTip) {
  if (toolTip != toolTip_) {
    toolTip_ = std::move(toolTip);
    changed();
  }
}

void TextBox::setVisible(bool visible) {
  if (visible != visible_) {
    visible_ = visible;
    changed();
  }
}

void TextBox::userEdited(std::string text, int caret) {
  if (design_.locked) {
    changed(); // the binding puts the unchanged text back
    return;
  }
  const bool differs = text != text_;
  text_ = std::move(text);
  selStart_ = std::clamp(caret, 0, length());
  if (differs) {
    raise(onChange);
  }
}

void TextBox::userMovedCaret(int caret) {
  selStart_ = std::clamp(caret, 0, length());
}

void TextBox::userClicked() {
  raise(onClick);
}

void TextBox::userKeyDown(int &keyCode, int shift) {
  if (onKeyDown) {
    form().dispatch([&] { onKeyDown(keyCode, shift); });
  }
}

void TextBox::userKeyPress(int &keyAscii) {
  if (onKeyPress) {
    form().dispatch([&] { onKeyPress(keyAscii); });
  }
}

void TextBox::setFocus() {
  form().setFocus(*this);
}

} // namespace vx::forms
