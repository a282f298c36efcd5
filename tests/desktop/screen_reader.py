# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program as a screen reader meets it: windows and controls found by
their accessible names over AT-SPI, their texts, states and places read
fresh at every call (nothing cached between polls)."""

import pyatspi
from gi.repository import Atspi

from session import wait_until


def _fresh(accessible):
    accessible.clear_cache()
    return accessible


class Program:
    def __init__(self, pid):
        self.pid = pid
        self.app = wait_until(self._find, 20, "the program on the accessibility bus")

    def _find(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == self.pid:
                    app.set_cache_mask(Atspi.Cache.NONE)
                    return app
            except Exception:  # an application that went away meanwhile
                continue
        return None

    def windows(self):
        """The titles of the windows the program shows."""
        titles = []
        for window in _fresh(self.app):
            if window is None:
                continue
            states = _fresh(window).getState()
            if states.contains(pyatspi.STATE_SHOWING) or states.contains(pyatspi.STATE_VISIBLE):
                titles.append(window.name)
        return titles

    def window(self, title, timeout=10):
        def shown():
            for window in _fresh(self.app):
                if window is not None and window.name == title:
                    if _fresh(window).getState().contains(pyatspi.STATE_SHOWING):
                        return window
            return None
        return Window(wait_until(shown, timeout, "the window " + title))

    def active_window(self):
        for window in _fresh(self.app):
            if window is not None and _fresh(window).getState().contains(pyatspi.STATE_ACTIVE):
                return window.name
        return None


class Window:
    def __init__(self, accessible):
        self.accessible = accessible
        self.title = accessible.name

    def role(self):
        return _fresh(self.accessible).getRoleName()

    def control(self, name):
        found = pyatspi.findDescendant(self.accessible, lambda o: o is not None and o.name == name)
        if found is None:
            raise AssertionError("%s has no control named %r" % (self.title, name))
        return Control(found)

    def focused(self):
        found = pyatspi.findDescendant(
            _fresh(self.accessible),
            lambda o: o is not None and _fresh(o).getState().contains(pyatspi.STATE_FOCUSED))
        return found.name if found is not None else None


class Control:
    def __init__(self, accessible):
        self.accessible = accessible
        self.name = accessible.name

    def text(self):
        """A field's text, or what a label or button shows."""
        accessible = _fresh(self.accessible)
        if accessible.getRole() == pyatspi.ROLE_TEXT:
            return accessible.queryText().getText(0, -1)
        return accessible.description

    def checked(self):
        return _fresh(self.accessible).getState().contains(pyatspi.STATE_CHECKED)

    def showing(self):
        return _fresh(self.accessible).getState().contains(pyatspi.STATE_SHOWING)

    def extents(self):
        box = self.accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def point(self, where="centre"):
        x, y, width, height = self.extents()
        if where == "start":  # just inside the left edge: the caret goes before the text
            return x + 3, y + height // 2
        return x + width // 2, y + height // 2
