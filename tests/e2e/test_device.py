"""Reflash USB, Read Config and Write Config against the emulated adapter that ships as
the default bridge library."""

import unittest

from e2e_case import QuorvelTestCase
from quorvel import DEVICE_TIMEOUT

ADAPTER = "USB Servo Adapter"
FOUND = "找到设备"
CANNOT_CONNECT = "无法连接设备，请检查是否连接USB设备"
READ_OK = "成功：读出EEPROM成功"
WRITTEN_OK = "成功：写入EEPROM成功"

DEFAULTS = {1003: "3.2", 1006: "200", 1005: "156", 1008: "1000", 1007: "2000", 1010: "0", 1009: "0", 1012: "0"}
# Values that the block holds exactly, so that they come back as typed.
EDITED = {1003: "4", 1006: "150", 1005: "100", 1008: "900", 1007: "2100", 1010: "10", 1009: "-20", 1012: "300"}
INTERNAL_OSC, PWM_100, INVERTER, NARROW_BAND = 1027, 1033, 1034, 1035


class ReflashUsb(QuorvelTestCase):
    def test_reflash_lists_the_emulated_adapter_and_logs_that_it_was_found(self):
        self.app.click_with_enter(1001)
        self.app.wait_for_text(1000, ADAPTER, DEVICE_TIMEOUT)
        self.assertLogMessages([FOUND])
        self.screenshot("adapter-found")

    def test_a_second_reflash_lists_the_adapter_once_and_logs_again(self):
        self.app.click_with_enter(1001)
        self.assertLogMessages([FOUND])
        self.app.press("Return")
        self.assertLogMessages([FOUND, FOUND])
        self.assertEqual(self.app.text_of(1000), ADAPTER)

    def test_read_and_write_config_before_reflash_cannot_connect(self):
        self.app.click_with_enter(1014)
        self.assertLogMessages([CANNOT_CONNECT])
        self.app.press("shift+Tab", "Return")
        self.assertLogMessages([CANNOT_CONNECT, CANNOT_CONNECT])
        for control_id, expected in DEFAULTS.items():
            self.assertEqual(self.app.text_of(control_id), expected)


class ConfigRoundTrip(QuorvelTestCase):
    def test_read_config_of_a_new_controller_shows_the_defaults(self):
        self.app.click_with_enter(1001)
        self.assertLogMessages([FOUND])
        self.app.replace_text(1005, "7")
        self.app.click_with_enter(1014)
        self.assertLogMessages([READ_OK, FOUND])
        for control_id, expected in DEFAULTS.items():
            self.app.wait_for_text(control_id, expected)

    def test_write_config_then_reset_then_read_config_gives_back_the_edited_values(self):
        self.app.click_with_enter(1001)
        self.assertLogMessages([FOUND])
        for control_id, typed in EDITED.items():
            self.app.replace_text(control_id, typed)
        self.app.choose_with_arrow(1016, "Up", "8")
        self.app.choose_with_arrow(1029, "Up", "610")
        self.app.toggle_with_space(INTERNAL_OSC)
        self.app.toggle_with_space(INVERTER)
        self.screenshot("edited-for-write")

        self.app.click_with_enter(1013)
        self.assertLogMessages([WRITTEN_OK, FOUND])

        self.app.click_with_enter(1028)
        for control_id, expected in DEFAULTS.items():
            self.app.wait_for_text(control_id, expected)
        self.assertFalse(self.app.is_checked(INVERTER))
        self.assertEqual(self.app.text_of(1016), "16")

        self.app.click_with_enter(1014)
        self.assertLogMessages([READ_OK, WRITTEN_OK, FOUND])
        for control_id, expected in EDITED.items():
            self.app.wait_for_text(control_id, expected)
        self.assertEqual([self.app.is_checked(box) for box in (INTERNAL_OSC, PWM_100, INVERTER, NARROW_BAND)],
                         [True, False, True, False])
        self.assertEqual(self.app.text_of(1016), "8")
        self.assertEqual(self.app.text_of(1029), "610")
        self.screenshot("read-back")


if __name__ == "__main__":
    unittest.main()
