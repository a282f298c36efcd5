// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/registry.h"

#include "forms/form.h"

#include <algorithm>
#include <stdexcept>

namespace vx::forms {

Registry::Registry() = default;
Registry::~Registry() = default;

void Registry::add(std::string name, Factory factory) {
  entries_.push_back(Entry{std::move(name), std::move(factory), nullptr, false, false});
}

std::vector<std::string> Registry::names() const {
  std::vector<std::string> result;
  result.reserve(entries_.size());
  for (const Entry &e : entries_) {
    result.push_back(e.name);
  }
  return result;
}

bool Registry::known(std::string_view name) const {
  return entry(name) != nullptr;
}

Registry::Entry *Registry::entry(std::string_view name) {
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry &e) { return e.name == name; });
  return found == entries_.end() ? nullptr : &*found;
}

const Registry::Entry *Registry::entry(std::string_view name) const {
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry &e) { return e.name == name; });
  return found == entries_.end() ? nullptr : &*found;
}

Form &Registry::instance(std::string_view name) {
  Entry *e = entry(name);
  if (e == nullptr) {
    throw std::invalid_argument("unknown window " + std::string(name));
  }
  if (!e->form) {
    e->form = e->factory(*this);
  }
  return *e->form;
}

Form &Registry::load(std::string_view name) {
  instance(name);
  Entry *e = entry(name);
  if (!e->loaded) {
    e->loaded = true;
    const EventScope scope(*this);
    e->form->load();
  }
  return *e->form;
}

void Registry::show(std::string_view name) {
  const EventScope scope(*this);
  Form &form = load(name);
  Entry *e = entry(name);
  if (e->loaded) {
    e->shown = true;
    everShown_ = true;
    if (platform_ != nullptr) {
      platform_->windowShown(form);
    }
  }
}

void Registry::close(std::string_view name) {
  Entry *e = entry(name);
  if (e == nullptr || !e->loaded) {
    return;
  }
  const EventScope scope(*this);
  // Marked unloaded first, so an unload procedure that closes other
  // windows cannot come back to this one.
  e->loaded = false;
  const bool wasShown = e->shown;
  e->shown = false;
  e->form->unload();
  if (wasShown && platform_ != nullptr) {
    platform_->windowClosed(*e->form);
  }
}

bool Registry::isLoaded(std::string_view name) const {
  const Entry *e = entry(name);
  return e != nullptr && e->loaded;
}

bool Registry::isOpen(std::string_view name) const {
  const Entry *e = entry(name);
  return e != nullptr && e->loaded && e->shown;
}

Form *Registry::existing(std::string_view name) const {
  const Entry *e = entry(name);
  return e == nullptr ? nullptr : e->form.get();
}

bool Registry::anyOpen() const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [](const Entry &e) { return e.loaded && e.shown; });
}

void Registry::eventFinished() {
  --depth_;
  if (depth_ == 0 && everShown_ && !ended_ && !anyOpen()) {
    ended_ = true;
    if (platform_ != nullptr) {
      platform_->programEnded();
    }
  }
}

} // namespace vx::forms
