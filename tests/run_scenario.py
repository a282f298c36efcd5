# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs one scenario script through vexlo-drive and checks its output.

A scenario is a driver script whose lines carry their expected output:

    get wavo6.Textw => "36  Watts"       expects  wavo6.Textw = "36  Watts"
    var wavo6.tempa => Double 3          expects  wavo6.tempa = Double 3
    show nowhere => ! line 9: ...        a refusal, or any other line: the whole line

A line without " => " must print nothing. The driver gets the script with
the expectations cut off, line for line, so refusals keep their numbers.
With --update the script is rewritten with what the driver printed (check
every changed line by hand before committing it).
"""
import argparse
import re
import subprocess
import sys

ARROW = " => "


def split(line):
    command, arrow, expected = line.partition(ARROW)
    return command.rstrip(), (expected if arrow else None)


def expected_line(command, value):
    match = re.match(r"(get|var) (\S+)$", command.strip())
    return f"{match.group(2)} = {value}" if match and not value.startswith("! line ") else value


def value_of(command, printed):
    match = re.match(r"(get|var) (\S+)$", command.strip())
    prefix = f"{match.group(2)} = " if match else None
    return printed[len(prefix):] if prefix and printed.startswith(prefix) else printed


def printing(command):
    words = command.split(maxsplit=1)
    return bool(words) and not words[0].startswith("#") and words[0] in ("get", "var", "echo")


def pair_output(commands, printed):
    """What each script line printed, None for nothing: a refusal names its
    line, and get, var and echo print one line each."""
    lines, at = [], 0
    for number, command in enumerate(commands, 1):
        mine = None
        if at < len(printed) and printed[at].startswith(f"! line {number}:"):
            mine, at = printed[at], at + 1
        elif printing(command) and at < len(printed):
            mine, at = printed[at], at + 1
        lines.append(mine)
    return lines, printed[at:]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--driver", required=True)
    parser.add_argument("--update", action="store_true")
    parser.add_argument("script")
    args = parser.parse_args()

    with open(args.script, encoding="utf-8") as f:
        source = f.read().split("\n")
    if source and source[-1] == "":
        source.pop()
    commands, expectations = zip(*(split(line) for line in source)) if source else ((), ())
    run = subprocess.run([args.driver], input="\n".join(commands) + "\n", capture_output=True,
                         text=True, timeout=120, check=False)
    printed, leftover = pair_output(commands, run.stdout.splitlines())

    if args.update:
        with open(args.script, "w", encoding="utf-8") as f:
            for command, mine in zip(commands, printed):
                f.write(command + ("" if mine is None else ARROW + value_of(command, mine)) + "\n")
        return 0

    faults = []
    for number, (command, expected, mine) in enumerate(zip(commands, expectations, printed), 1):
        want = None if expected is None else expected_line(command, expected)
        if want != mine:
            faults.append(f"line {number}: {command}\n    expected: {want}\n    printed:  {mine}")
    faults += [f"printed beyond the script: {line}" for line in leftover]
    refusing = any(e is not None and e.startswith("! line ") for e in expectations)
    if run.returncode != (1 if refusing else 0):
        faults.append(f"exit status {run.returncode}, expected {1 if refusing else 0}")
    if faults:
        print("\n".join(faults + ([run.stderr] if run.stderr else [])))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
