// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/readings.h"

#include "forms/controls.h"
#include "tools/json_text.h"

#include <array>
#include <charconv>

namespace vx::drive {

namespace {

std::string flag(bool value) {
  return value ? "true" : "false";
}

std::optional<std::string> textBoxProperty(const forms::TextBox &box, std::string_view p) {
  if (p.empty() || p == "text") {
    return quoteJson(box.text());
  }
  if (p == "tooltip") {
    return quoteJson(box.toolTip());
  }
  if (p == "caret") {
    return std::to_string(box.selStart());
  }
  if (p == "visible") {
    return flag(box.visible());
  }
  return std::nullopt;
}

template <typename Captioned>
std::optional<std::string> captionedProperty(const Captioned &control, std::string_view p) {
  if (p.empty() || p == "caption") {
    return quoteJson(control.caption());
  }
  if (p == "tooltip") {
    return quoteJson(control.toolTip());
  }
  if (p == "visible") {
    return flag(control.visible());
  }
  return std::nullopt;
}

std::optional<std::string> checkBoxProperty(const forms::CheckBox &box, std::string_view p) {
  if (p.empty() || p == "value") {
    return std::to_string(box.value());
  }
  if (p == "visible") {
    return flag(box.visible());
  }
  return std::nullopt;
}

std::optional<std::string> timerProperty(const forms::Timer &timer, std::string_view p) {
  if (p.empty() || p == "enabled") {
    return flag(timer.enabled());
  }
  if (p == "interval") {
    return std::to_string(timer.interval());
  }
  return std::nullopt;
}

std::optional<std::string> imageProperty(const forms::Image &image, std::string_view p) {
  if (p.empty() || p == "picture") {
    return quoteJson(image.picture());
  }
  if (p == "visible") {
    return flag(image.visible());
  }
  return std::nullopt;
}

std::string shortestDouble(double value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return {buffer.data(), result.ptr};
}

} // namespace

std::optional<std::string> readProperty(const forms::Control &control, std::string_view property) {
  switch (control.kind()) {
  case forms::ControlKind::TextBox:
    return textBoxProperty(forms::as<forms::TextBox>(control), property);
  case forms::ControlKind::Label:
    return captionedProperty(forms::as<forms::Label>(control), property);
  case forms::ControlKind::Button:
    return captionedProperty(forms::as<forms::Button>(control), property);
  case forms::ControlKind::CheckBox:
    return checkBoxProperty(forms::as<forms::CheckBox>(control), property);
  case forms::ControlKind::Timer:
    return timerProperty(forms::as<forms::Timer>(control), property);
  case forms::ControlKind::Image:
    return imageProperty(forms::as<forms::Image>(control), property);
  case forms::ControlKind::Line:
    return std::nullopt;
  }
  return std::nullopt; // GCOVR_EXCL_LINE: every kind is a case above
}

std::string describeValue(const Value &value) {
  switch (value.type()) {
  case VType::Empty:
    return "Empty";
  case VType::Integer:
    return "Integer " + std::to_string(value.asInteger());
  case VType::Long:
    return "Long " + std::to_string(value.asLong());
  case VType::Double:
    return "Double " + shortestDouble(value.asDouble());
  case VType::String:
    return "String " + quoteJson(value.asString());
  case VType::Boolean:
    return std::string("Boolean ") + (value.asBoolean() ? "True" : "False");
  }
  return "Empty"; // GCOVR_EXCL_LINE: type() is always one of the cases above
}

} // namespace vx::drive
