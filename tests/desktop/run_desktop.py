#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs desktop test modules against the real program on a private X
display: run_desktop.py --vexlo PROGRAM --artifacts FOLDER MODULE...

Anything missing (a package, the display, the accessibility bus) fails the
run with one line naming it; nothing is skipped."""

import argparse
import atexit
import importlib.util
import os
import shutil
import signal
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import session as desktop_session  # noqa: E402

NEEDED = [
    ("Xvfb", "xvfb"),
    ("openbox", "openbox"),
    ("xdotool", "xdotool"),
    ("xclip", "xclip"),
    ("xprop", "x11-utils"),
    ("import", "imagemagick"),
    ("dbus-daemon", "dbus"),
    ("dbus-send", "dbus"),
    ("/usr/libexec/at-spi-bus-launcher", "at-spi2-core"),
]


def missing():
    for program, package in NEEDED:
        if shutil.which(program) is None:
            return "%s (Debian package %s)" % (program, package)
    if importlib.util.find_spec("pyatspi") is None:
        return "the Python module pyatspi (Debian package python3-pyatspi)"
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--vexlo", required=True)
    parser.add_argument("--artifacts", required=True)
    parser.add_argument("modules", nargs="+")
    args = parser.parse_args()

    absent = missing()
    if absent is not None:
        print("desktop suite: missing " + absent)
        return 1
    if not os.access(args.vexlo, os.X_OK):
        print("desktop suite: missing the program " + args.vexlo)
        return 1

    shutil.rmtree(args.artifacts, ignore_errors=True)
    try:
        session = desktop_session.Session(os.path.join(args.artifacts, "logs"))
    except desktop_session.Missing as problem:
        print("desktop suite: " + str(problem))
        return 1
    # However the run ends (a failure, CTest's timeout, Ctrl+C), the
    # session's processes end with it.
    atexit.register(session.close)

    def interrupted(signum, _frame):
        # Not an exception: unittest would take it for one case's error and
        # go on with the next.
        session.close()
        os._exit(128 + signum)
    for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(sig, interrupted)

    try:
        # The screen reader's side talks to the session's buses.
        os.environ.update(session.env)
        import desktop
        desktop.SESSION = session
        desktop.VEXLO = os.path.abspath(args.vexlo)
        desktop.ARTIFACTS = args.artifacts
        suite = unittest.defaultTestLoader.loadTestsFromNames(args.modules)
        runner = unittest.TextTestRunner(stream=sys.stdout, verbosity=2,
                                         resultclass=desktop.ScreenshotResult)
        result = runner.run(suite)
        return 0 if result.wasSuccessful() else 1
    finally:
        session.close()


if __name__ == "__main__":
    sys.exit(main())
