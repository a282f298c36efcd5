// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Watches a program under measurement from inside: on the first paint of a
// window it prints "painted <resident kB> <cpu ms>" on stdout. With
// VEXLO_PROBE_IDLE_MS set it then lets `prepareIdle` set the windows up,
// waits for them to settle, stays idle that long and prints
// "idle <cpu ms> <paints>" before quitting; otherwise it quits at once.

#include <QObject>

#include <functional>

namespace vx::bench {

class PaintProbe : public QObject {
public:
  explicit PaintProbe(std::function<void()> prepareIdle);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void firstPaintDone();
  void idleStarts();
  void idleEnds();

  std::function<void()> prepareIdle_;
  bool painted_ = false;
  long paints_ = 0;
  long paintsBeforeIdle_ = 0;
  double cpuBeforeIdleMs_ = 0;
};

} // namespace vx::bench
