#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Adds up gcovr's per-file JSON summary by folder, one line each, with the
share of lines and branches reached against the folder's goal."""

import json
import sys

# Folder, and the least share of lines and of branches it should reach
# (None: no goal for branches).
FOLDERS = [
    ("runtime", 95, 85),
    ("forms", 95, 85),
    ("main", 95, 85),
    ("ohms", 95, 85),
    ("capcharge", 95, 85),
    ("portstate", 95, 85),
    ("leddriver", 95, 85),
    ("ui", 90, None),
    ("tools", 90, None),
]


def share(covered, total):
    return 100.0 * covered / total if total else 100.0


def main(path):
    with open(path, encoding="utf-8") as summary:
        files = json.load(summary)["files"]
    sums = {name: [0, 0, 0, 0] for name, _, _ in FOLDERS}
    for entry in files:
        folder = entry["filename"].split("/", 1)[0]
        if folder in sums:
            counts = sums[folder]
            counts[0] += entry["line_covered"]
            counts[1] += entry["line_total"]
            counts[2] += entry["branch_covered"]
            counts[3] += entry["branch_total"]
    print(f"{'folder':<10} {'lines':>15} {'%':>6} {'branches':>13} {'%':>6}  goal")
    for name, line_goal, branch_goal in FOLDERS:
        lc, lt, bc, bt = sums[name]
        lines, branches = share(lc, lt), share(bc, bt)
        met = lines >= line_goal and (branch_goal is None or branches >= branch_goal)
        goal = f"{line_goal}/{branch_goal}" if branch_goal else f"{line_goal}/-"
        print(f"{name:<10} {lc:>7}/{lt:<7} {lines:6.1f} {bc:>6}/{bt:<6} {branches:6.1f}  "
              f"{goal}{'' if met else '  short'}")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: coverage_summary.py SUMMARY.json")
    main(sys.argv[1])
