# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Hostile input from a real keyboard and clipboard: a 10 000-character
paste, text in other scripts, control characters. Each window takes it,
goes on answering, and a plain calculation afterwards comes out right."""

from desktop import DesktopCase

LONG = ("1234567890" * 1000)[:10000]
FOREIGN = "é€ßΩж中"
CONTROL = "\x01\x02\x07\x08\x1b\x7f4\x0b2\x0c"


class HostileInput(DesktopCase):
    def paste(self, window, name, text):
        self.click(window, name)
        self.key("ctrl+a")
        self.offer_clipboard(text)
        self.key("ctrl+v")

    def type_foreign(self, window, name, text):
        """Types characters that are on no key of the keyboard, each on a
        key of its own."""
        self.lend_keys(text)
        self.type(text)
        self.wait_text(window, name, text)

    def test_main_window(self):
        main = self.main
        self.paste(main, "First number", LONG)
        self.wait_text(main, "First number", LONG)
        self.key("Return")  # the sum is too large for a number: nothing is written
        self.key("Tab")
        self.type_foreign(main, "Second number", FOREIGN)
        self.click(main, "Add")
        self.wait_text(main, "Result", "Result")  # too large a sum to write
        self.paste(main, "Second number", CONTROL)
        self.key("ctrl+j", "ctrl+m", "Escape", "ctrl+z", "ctrl+shift+z", "Delete")
        # Still a calculator.
        self.click(main, "Master clear")
        self.wait_text(main, "First number", "")
        self.type("2")
        self.key("Tab")
        self.type("3")
        self.click(main, "Multiply")
        self.wait_text(main, "Result", "6")
        self.assertIsNone(self.vexlo.poll())

    def test_solver_windows(self):
        self.click(self.main, "Switch to Ohm's law calculator")
        ohms_law = self.program.window("AVO")
        self.paste(ohms_law, "Volts", LONG)
        self.wait_for(lambda: ohms_law.control("Volts").text() != "", "the volts field")
        self.paste(ohms_law, "Ohms", CONTROL + FOREIGN)
        self.click(ohms_law, "Clear")
        self.wait_text(ohms_law, "Volts", " Volts")
        self.type("12")
        self.click_and_type(ohms_law, "Ohms", "4")
        self.wait_text(ohms_law, "Watts", "36  Watts")

        self.click(ohms_law, "Switch to capacitor charge calculator")
        charge = self.program.window("Cap charge time")
        self.paste(charge, "Frequency", LONG)
        self.paste(charge, "Charge time", FOREIGN + CONTROL)
        self.click(charge, "Clear")
        self.click_and_type(charge, "Charge time", "2m")
        self.wait_text(charge, "Frequency", "500 Hz")
        self.assertIsNone(self.vexlo.poll())

    def test_port_windows(self):
        self.click(self.main, "Switch to port state calculator")
        port = self.program.window("Port 8")
        self.paste(port, "Port value", LONG)
        self.paste(port, "Note for pin 0", LONG + FOREIGN + CONTROL)
        self.paste(port, "Port value", FOREIGN + CONTROL)
        self.wait_text(port, "Port value", "0")
        self.click(port, "Pin 1")
        self.wait_text(port, "Port value", "2")

        self.click(port, "Switch to LED driver calculator")
        led = self.program.window("LED")
        self.paste(led, "Character to show", LONG)
        self.wait_text(led, "Digit", "blank")
        self.paste(led, "Segment letter for pin 0", CONTROL)
        self.paste(led, "Character to show", FOREIGN)
        self.click(led, "Clear")
        self.click(led, "Character to show")
        self.type("7")
        self.wait_text(led, "Port value", "35")
        self.assertIsNone(self.vexlo.poll())
