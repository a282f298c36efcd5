// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "forms/control.h"

#include <cstdint>
#include <string>

namespace vx::forms {

// Text is held as UTF-8; the caret counts characters, not bytes.
class TextBox : public Control {
public:
  static constexpr ControlKind controlKind = ControlKind::TextBox;
  struct Design {
    std::string text;
    std::string toolTip;
    bool visible = true;
    bool centred = false; // text centred in the box (pin boxes)
    int maxLength = 0;    // 0: unlimited
    bool locked = false;  // the user's keys never edit the text
    bool borderless = false;
  };
  TextBox(Form &form, std::string name, Design design);

  [[nodiscard]] const std::string &text() const { return text_; }
  // From a procedure: the caret goes to 0; Change runs when the text differs.
  void setText(std::string text);
  [[nodiscard]] int selStart() const { return selStart_; }
  void setSelStart(int position); // limited to 0..length
  [[nodiscard]] int length() const;

  [[nodiscard]] const std::string &toolTip() const { return toolTip_; }
  void setToolTip(std::string toolTip);
  [[nodiscard]] bool visible() const { return visible_; }
  void setVisible(bool visible);
  [[nodiscard]] const Design &design() const { return design_; }

  // The person edited the text (typing, deleting, pasting).
  void userEdited(std::string text, int caret);
  // The person moved the caret; no event.
  void userMovedCaret(int caret);
  void userClicked();
  void userKeyDown(int &keyCode, int shift);
  void userKeyPress(int &keyAscii);

  void setFocus(); // as the procedures' SetFocus
  void reset() override;

  std::function<void()> onChange;
  std::function<void()> onClick;
  std::function<void(int &keyCode, int shift)> onKeyDown;
  std::function<void(int &keyAscii)> onKeyPress;

private:
  Design design_;
  std::string text_;
  std::string toolTip_;
  bool visible_ = true;
  int selStart_ = 0;
};

class Label : public Control {
public:
  static constexpr ControlKind controlKind = ControlKind::Label;
  struct Design {
    std::string caption;
    std::string toolTip;
    bool visible = true;
  };
  Label(Form &form, std::string name, Design design);

  [[nodiscard]] const std::string &caption() const { return caption_; }
  void setCaption(std::string caption);
  [[nodiscard]] const std::string &toolTip() const { return toolTip_; }
  void setToolTip(std::string toolTip);
  [[nodiscard]] bool visible() const { return visible_; }
  void setVisible(bool visible);
  void reset() override;

private:
  Design design_;
  std::string caption_;
  std::string toolTip_;
  bool visible_ = true;
};

class Button : public Control {
public:
  static constexpr ControlKind controlKind = ControlKind::Button;
  struct Design {
    std::string caption;
    std::string toolTip;
    bool visible = true;
  };
  Button(Form &form, std::string name, Design design);

  [[nodiscard]] const std::string &caption() const { return caption_; }
  void setCaption(std::string caption);
  [[nodiscard]] const std::string &toolTip() const { return toolTip_; }
  void setToolTip(std::string toolTip);
  [[nodiscard]] bool visible() const { return visible_; }
  void setVisible(bool visible);
  void userClicked(); // the person clicked it (or pressed Space on it)
  void setFocus();
  void reset() override;

  std::function<void()> onClick;

private:
  Design design_;
  std::string caption_;
  std::string toolTip_;
  bool visible_ = true;
};

class CheckBox : public Control {
public:
  static constexpr ControlKind controlKind = ControlKind::CheckBox;
  struct Design {
    std::string caption;
    int value = 0;
    bool visible = true;
  };
  CheckBox(Form &form, std::string name, Design design);

  [[nodiscard]] int value() const { return value_; }
  // From a procedure: Click runs, to its end, when the state changes.
  void setValue(int value);
  [[nodiscard]] const std::string &caption() const { return design_.caption; }
  [[nodiscard]] bool visible() const { return visible_; }
  void setVisible(bool visible);
  void userClicked(); // flips the state, then Click
  void setFocus();
  void reset() override;

  std::function<void()> onClick;

private:
  Design design_;
  int value_ = 0;
  bool visible_ = true;
};

// A periodic timer. Switching it on, off, or giving it an interval starts
// its countdown anew; `restarts()` counts those so the binding can follow.
class Timer : public Control {
public:
  static constexpr ControlKind controlKind = ControlKind::Timer;
  struct Design {
    int interval = 0;
    bool enabled = false;
  };
  Timer(Form &form, std::string name, Design design);

  [[nodiscard]] bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  [[nodiscard]] int interval() const { return interval_; }
  void setInterval(int milliseconds);
  [[nodiscard]] std::uint64_t restarts() const { return restarts_; }
  void expire(); // one expiry: runs onTimer when enabled
  void reset() override;

  std::function<void()> onTimer;

private:
  Design design_;
  bool enabled_ = false;
  int interval_ = 0;
  std::uint64_t restarts_ = 0;
};

// Shows a named picture; the binding draws it (the LED glyphs are drawn
// from the name, never stored as bitmaps).
class Image : public Control {
public:
  static constexpr ControlKind controlKind = ControlKind::Image;
  struct Design {
    std::string picture;
    bool visible = true;
  };
  Image(Form &form, std::string name, Design design);

  [[nodiscard]] const std::string &picture() const { return picture_; }
  void setPicture(std::string picture);
  [[nodiscard]] bool visible() const { return visible_; }
  void setVisible(bool visible);
  void userClicked();
  void reset() override;

  std::function<void()> onClick;

private:
  Design design_;
  std::string picture_;
  bool visible_ = true;
};

// A fixed line segment of a drawing, in the window's design coordinates.
class Line : public Control {
public:
  static constexpr ControlKind controlKind = ControlKind::Line;
  struct Design {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
  };
  Line(Form &form, std::string name, Design design);
  [[nodiscard]] const Design &geometry() const { return design_; }
  void reset() override {}

private:
  Design design_;
};

} // namespace vx::forms
