# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs a scenario through vexlo-drive: a script whose lines carry what they
print after " => ", the value alone for get and var (`get wavo6.Textw =>
"36  Watts"`), the whole line otherwise, refusals included. A line without
it prints nothing. The driver gets the script line for line without them,
so refusals keep their numbers. --update writes what was printed instead."""
import argparse
import re
import subprocess
import sys

ARROW = " => "


def reading(command):
    match = re.match(r"(get|var) (\S+)$", command.strip())
    return match.group(2) + " = " if match else None


def expected(command, arrow, value):
    """The line the command must print, None for nothing."""
    if not arrow:
        return None
    prefix = reading(command)
    return prefix + value if prefix and not value.startswith("! line ") else value


def printed_by_line(commands, output):
    """A refusal names its line; get, var and echo print one line each."""
    lines, at = [], 0
    for number, command in enumerate(commands, 1):
        words = command.split(maxsplit=1)
        prints = bool(words) and words[0] in ("get", "var", "echo")
        refused = at < len(output) and output[at].startswith(f"! line {number}:")
        lines.append(output[at] if (refused or prints) and at < len(output) else None)
        at += lines[-1] is not None
    return lines, output[at:]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--driver", required=True)
    parser.add_argument("--update", action="store_true")
    parser.add_argument("script")
    args = parser.parse_args()
    with open(args.script, encoding="utf-8") as f:
        pairs = [line.partition(ARROW) for line in f.read().splitlines()]
    commands = [command.rstrip() for command, _, _ in pairs]
    wanted = [expected(c, a, v) for c, (_, a, v) in zip(commands, pairs)]
    run = subprocess.run([args.driver], input="\n".join(commands) + "\n", capture_output=True,
                         text=True, timeout=120, check=False)
    printed, beyond = printed_by_line(commands, run.stdout.splitlines())

    if args.update:
        with open(args.script, "w", encoding="utf-8") as f:
            for command, line in zip(commands, printed):
                prefix = reading(command)
                if line is not None and prefix and line.startswith(prefix):
                    line = line[len(prefix):]
                f.write(command + ("" if line is None else ARROW + line) + "\n")
        return 0

    faults = [f"line {n}: {c}\n    expected: {w}\n    printed:  {p}"
              for n, (c, w, p) in enumerate(zip(commands, wanted, printed), 1) if w != p]
    faults += [f"printed beyond the script: {line}" for line in beyond]
    status = 1 if any(w and w.startswith("! line ") for w in wanted) else 0
    if run.returncode != status:
        faults.append(f"exit status {run.returncode}, expected {status}")
    if faults:
        print("\n".join(faults + ([run.stderr] if run.stderr else [])))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
