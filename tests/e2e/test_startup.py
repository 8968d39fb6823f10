"""Start-up, the tab order, and the keys that end the program."""

import unittest

import screen
from e2e_case import QuorvelTestCase
from quorvel import STEP_TIMEOUT, TAB_ORDER

DEFAULT_TEXTS = {1003: "3.2", 1006: "200", 1005: "156", 1008: "1000", 1007: "2000", 1010: "0", 1009: "0",
                 1012: "0", 1011: "3276", 1016: "16", 1029: "330", 1000: ""}
CHECK_BOXES = [1027, 1033, 1034, 1035]


class StartUp(QuorvelTestCase):
    def test_window_opens_with_the_default_values_and_the_focus_on_the_device_list(self):
        self.assertEqual(self.app.title(), "Quorvel")
        for control_id, expected in DEFAULT_TEXTS.items():
            self.assertEqual(self.app.text_of(control_id), expected, "control %d" % control_id)
        for control_id in CHECK_BOXES:
            self.assertFalse(self.app.is_checked(control_id), "check box %d" % control_id)
        self.assertFalse(self.app.is_showing(1011))
        self.assertEqual(self.app.log_columns(), ["时间", "信息"])
        self.assertEqual(self.app.log_rows(), [])
        self.assertEqual(self.app.focused_control(), 1000)
        self.assertIsNone(self.app.message_box())
        self.screenshot("defaults")

    def test_tab_visits_every_tab_stop_in_template_order_and_shift_tab_goes_back(self):
        visited = []
        for expected in TAB_ORDER[1:] + TAB_ORDER[:1]:
            self.app.press("Tab")
            visited.append(screen.wait_until(self.app.focused_control, lambda focused, e=expected: focused == e,
                                             STEP_TIMEOUT, "the focus on %d" % expected))
        self.assertEqual(visited, TAB_ORDER[1:] + TAB_ORDER[:1])
        self.app.press("shift+Tab")
        screen.wait_until(self.app.focused_control, lambda focused: focused == 1037, STEP_TIMEOUT,
                          "Shift+Tab from the device list to Save")


class Ending(QuorvelTestCase):
    def test_escape_ends_the_program(self):
        self.app.press("Escape")
        self.assertEqual(self.app.wait_for_exit(), 0)

    def test_escape_in_an_edited_field_ends_the_program_without_a_message(self):
        self.app.replace_text(1003, "")
        self.app.press("Escape")
        self.assertEqual(self.app.wait_for_exit(), 0)

    def test_alt_f4_ends_the_program(self):
        self.app.press("alt+F4")
        self.assertEqual(self.app.wait_for_exit(), 0)

    def test_enter_in_a_field_ends_the_program_when_every_field_is_valid(self):
        self.app.tab_to(1005)
        self.app.press("Return")
        self.assertEqual(self.app.wait_for_exit(), 0)

    def test_enter_with_an_empty_dead_band_shows_the_message_and_keeps_the_program_running(self):
        self.app.replace_text(1003, "")
        self.app.press("Return")
        self.assertEqual(self.app.wait_for_message_box(), ("Quorvel", "请输入一个数字。"))
        self.screenshot("enter-refused")
        self.app.close_message_box()
        self.assertTrue(self.app.is_running())
        screen.wait_until(self.app.focused_control, lambda focused: focused == 1003, STEP_TIMEOUT,
                          "the focus back on the dead band")
        self.app.replace_text(1003, "4")
        self.app.press("Return")
        self.assertEqual(self.app.wait_for_exit(), 0)


if __name__ == "__main__":
    unittest.main()
