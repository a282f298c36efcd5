# SPDX-FileCopyrightText: 2026 The Vexlo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The main window as a person first uses it: the running total by Enter,
Shift+8 and the keypad, the colour code, copying a result, and a whole
calculation with nothing but the keyboard's Tab and Space."""

from desktop import DesktopCase


class MainWindow(DesktopCase):
    def test_running_total_by_enter_shift8_and_keypad(self):
        main = self.main
        self.type("5")
        self.key("Tab")
        for number, total in (("3", "8"), ("4", "12")):
            self.type(number)
            self.key("Return")
            self.wait_text(main, "First number", total)
            self.wait_text(main, "Second number", "")
        self.assertEqual(main.focused(), "Second number")
        self.type("2")
        self.key("shift+8")
        self.wait_text(main, "First number", "24")
        # Each keypad operator key, and the keypad's Enter as the running total.
        for number, key, total in (("4", "KP_Subtract", "20"), ("5", "KP_Multiply", "100"),
                                   ("4", "KP_Divide", "25"), ("5", "KP_Add", "30"),
                                   ("6", "KP_Enter", "36")):
            self.type(number)
            self.key(key)
            self.wait_text(main, "First number", total)
            self.wait_text(main, "Second number", "")
        self.assertEqual(main.control("Result").text(), "Result")

    def test_colour_code(self):
        main = self.main
        self.type("4.7k")
        self.click(main, "Resistor colour code")
        self.wait_text(main, "Display line 1", " Yellow   ")
        self.assertEqual(self.texts(main, "Display line 2", "Display line 3", "Display line 4",
                                    "Display line 5", "Second number", "Result"),
                         [" Violet     ", " Red       ", "(5%)Gold", "", " 4 Colors", " " * 9])

    def test_copy_of_a_result_by_the_context_menu(self):
        main = self.main
        self.type("12")
        self.key("Tab")
        self.type("30")
        self.click(main, "Add")
        self.wait_text(main, "Result", "42")
        self.wait_for(lambda: main.focused() == "Second number", "the focus in field 2")

        # The menu's one entry, "Copy"; nothing was selected, so the line.
        menu = self.context_menu(main, "Result")
        self.click_at(menu[0] + menu[2] // 2, menu[1] + menu[3] // 2)
        self.wait_for(lambda: self.clipboard() == "42", "42 on the clipboard")
        # The window noticed nothing: its focus (which the window's own
        # activation would move to field 1) and its fields are as they were.
        self.assertEqual(main.focused(), "Second number")
        self.assertEqual(self.texts(main, "First number", "Second number", "Result"),
                         ["12", "30", "42"])

        # A stretch of a display line, selected with the mouse, is the
        # primary selection; "Copy" then copies just that.
        self.click(main, "Show or hide memories")
        self.wait_text(main, "Display line 3", " M3")
        self.drag(main, "Display line 3")
        self.wait_for(lambda: self.clipboard("primary") in (" M3", "M3"), "the primary selection")
        self.assertEqual(main.focused(), "Show or hide memories")

    def test_tab_and_space_alone_through_a_calculation(self):
        main = self.main
        self.type("4.7k")
        self.key("Tab")
        self.assertEqual(self.wait_for(main.focused, "a focus"), "Second number")
        self.type("10k")
        # On through the buttons to "Parallel resistors", pressed by Space.
        for _ in range(40):
            if main.focused() == "Parallel resistors or series capacitors":
                break
            self.key("Tab")
        self.assertEqual(main.focused(), "Parallel resistors or series capacitors")
        self.key("space")
        self.wait_text(main, "Result", "3197.28")
