"""The log list as a user reads it: the newest row on top, each time whole, and a row the
user selected staying selected while the commands log new rows above it."""

import unittest

import screen
from e2e_case import QuorvelTestCase
from quorvel import IDC_LOG, STEP_TIMEOUT

FOUND = "找到设备"
READ_OK = "成功：读出EEPROM成功"


class LogSelection(QuorvelTestCase):
    def wait_for_selected_rows(self, expected):
        screen.wait_until(self.app.log_selected_rows, lambda rows: rows == expected, STEP_TIMEOUT,
                          "log rows %r selected" % expected)

    def test_a_row_selected_with_the_keyboard_stays_selected_when_a_command_logs_above_it(self):
        self.app.click_with_enter(1001)
        self.assertLogMessages([FOUND])
        self.app.click_with_enter(1014)
        self.assertLogMessages([READ_OK, FOUND])

        self.app.tab_to(IDC_LOG)
        self.app.press("End")
        self.wait_for_selected_rows([1])
        self.app.press("Up")
        self.wait_for_selected_rows([0])
        self.app.press("Down")
        self.wait_for_selected_rows([1])

        self.app.click_with_enter(1001)
        self.assertLogMessages([FOUND, READ_OK, FOUND])
        self.wait_for_selected_rows([2])
        self.screenshot("selection-kept")


if __name__ == "__main__":
    unittest.main()
