// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's windows: created on demand, shown, closed, and the rule
// that the program ends when no window is open once the event procedure in
// progress has finished.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vx::forms {

class Form;

// What the toolkit binding does for the registry.
class Platform {
public:
  virtual ~Platform() = default;
  virtual void windowShown(Form &form) = 0;
  virtual void windowClosed(Form &form) = 0;
  virtual void processEvents() = 0;
  virtual void programEnded() = 0;
};

class Registry {
public:
  using Factory = std::function<std::unique_ptr<Form>(Registry &)>;

  Registry();
  ~Registry();
  Registry(const Registry &) = delete;
  Registry &operator=(const Registry &) = delete;
  Registry(Registry &&) = delete;
  Registry &operator=(Registry &&) = delete;

  void add(std::string name, Factory factory);
  [[nodiscard]] std::vector<std::string> names() const;
  [[nodiscard]] bool known(std::string_view name) const;

  // Creates the window object if needed and loads it (designed controls,
  // load procedure) without showing it.
  Form &load(std::string_view name);
  // Loads if needed and shows, not modal.
  void show(std::string_view name);
  // Unload procedure, then the controls are discarded; nothing if not open.
  void close(std::string_view name);

  [[nodiscard]] bool isLoaded(std::string_view name) const;
  [[nodiscard]] bool isOpen(std::string_view name) const; // loaded and shown
  // The window object if it has been created (open or not).
  [[nodiscard]] Form *existing(std::string_view name) const;
  // The window object, made if needed but neither loaded nor shown: its
  // variables can be read without opening the window.
  Form &instance(std::string_view name);
  [[nodiscard]] bool anyOpen() const;
  [[nodiscard]] bool ended() const { return ended_; }

  void setPlatform(Platform *platform) { platform_ = platform; }
  [[nodiscard]] Platform *platform() const { return platform_; }

  // One event procedure in progress, nested or not. When the outermost
  // one finishes and no window is open, the program ends; the count stays
  // right even when a procedure leaves by an exception.
  class EventScope {
  public:
    explicit EventScope(Registry &registry) : registry_(registry) { ++registry_.depth_; }
    EventScope(const EventScope &) = delete;
    EventScope &operator=(const EventScope &) = delete;
    EventScope(EventScope &&) = delete;
    EventScope &operator=(EventScope &&) = delete;
    ~EventScope() { registry_.eventFinished(); }

  private:
    Registry &registry_;
  };

private:
  struct Entry {
    std::string name;
    Factory factory;
    std::unique_ptr<Form> form;
    bool loaded = false;
    bool shown = false;
  };
  Entry *entry(std::string_view name);
  void eventFinished();
  [[nodiscard]] const Entry *entry(std::string_view name) const;

  std::vector<Entry> entries_;
  Platform *platform_ = nullptr;
  int depth_ = 0;
  bool everShown_ = false;
  bool ended_ = false;
};

} // namespace vx::forms
