# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The two port windows: pins to value and value to pins, and a character
on the LED digit and on the row of small digits."""

from desktop import DesktopCase


def pins(window, names):
    return "".join(window.control(name).text() for name in names)


class Ports(DesktopCase):
    def test_port_state_pins_and_value_both_ways(self):
        self.click(self.main, "Switch to port state calculator")
        port = self.program.window("Port 8")
        self.click(port, "Pin 2")
        self.wait_text(port, "Port value", "4")
        self.assertEqual(self.texts(port, "Hex value", "Pull-down hex value",
                                    "Pull-down decimal value"), ["4", "FB", "251"])
        # A key in a pin flips it as a click does; its character goes nowhere.
        self.key("x")
        self.wait_text(port, "Port value", "0")
        self.assertEqual(port.control("Pin 2").text(), "0")

        self.click(port, "Port value")
        self.key("ctrl+a")
        self.type("300")
        self.wait_text(port, "Pull-down decimal value", "65235")
        self.assertTrue(port.control("16 bit port").checked())
        self.assertEqual(self.texts(port, "Port value", "Hex value", "Pull-down hex value"),
                         ["300", "12C", "FED3"])
        lower = ["Pin %d" % pin for pin in range(8)]
        upper = ["Pin %X" % pin for pin in range(8, 16)]
        self.assertEqual(pins(port, lower), "00110100")
        self.assertEqual(pins(port, upper), "10000000")

    def test_led_driver_pins_value_and_a_character(self):
        self.click(self.main, "Switch to port state calculator")
        self.click(self.program.window("Port 8"), "Switch to LED driver calculator")
        led = self.program.window("LED")
        self.click(led, "Pin 0")
        self.wait_text(led, "Port value", "1")
        self.assertEqual(led.control("Pull-down port value").text(), "254")
        self.assertEqual(led.control("Digit").text(), "segments a")

        self.click(led, "Port value")
        self.key("ctrl+a")
        self.type("118")
        self.wait_text(led, "Pull-down port value", "137")
        self.assertEqual(pins(led, ["Pin %d" % pin for pin in range(8)]), "01101110")
        self.assertEqual(led.control("Digit").text(), "segments b c e f g")

        # A 2 typed: its segments light, its port value shows, and Enter
        # puts it at the end of the row.
        self.click(led, "Character to show")
        self.type("2")
        self.wait_text(led, "Port value", "109")
        self.assertEqual(led.control("Digit").text(), "segments a c d f g")
        self.key("Return")
        self.wait_text(led, "Place 16", "segments a c d f g")
        self.assertEqual(led.control("Place 15").text(), "blank")
        self.assertEqual(led.control("Character to show").text(), "")
        # Clicking the place brings its port value back.
        self.click(led, "Port value")
        self.key("ctrl+a")
        self.type("0")
        self.wait_text(led, "Digit", "blank")
        self.click(led, "Place 16")
        self.wait_text(led, "Port value", "109")
        self.assertEqual(led.control("Digit").text(), "segments a c d f g")
