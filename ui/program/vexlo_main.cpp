// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/run_program.h"

int main(int argc, char *argv[]) {
  return vx::ui::runProgram(argc, argv);
}
