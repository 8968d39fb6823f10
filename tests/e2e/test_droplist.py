"""The Stretcher list opened, moved and closed from the keyboard, and the item chosen saved."""

import os
import unittest

import screen
from e2e_case import QuorvelTestCase
from quorvel import STEP_TIMEOUT

STRETCHER, SAVE = 1016, 1037
SAVED = "文件保存成功"
# The byte of a saved file that holds the stretcher's list index.
STRETCHER_BYTE = 12


class StretcherList(QuorvelTestCase):
    def setUp(self):
        super().setUp()
        self.folder = self.scratch_folder("droplist")

    def wait_until_open(self, expected):
        screen.wait_until(lambda: self.app.is_expanded(STRETCHER), lambda shown: shown == expected, STEP_TIMEOUT,
                          "the Stretcher list %s" % ("open" if expected else "closed"))

    def saved_stretcher_byte(self):
        path = os.path.join(self.folder, "stretcher.svo")
        self.app.click_with_enter(SAVE)
        self.app.choose_file(path)
        self.assertLogMessages([SAVED])
        with open(path, "rb") as file:
            return file.read()[STRETCHER_BYTE]

    def test_f4_and_alt_down_open_the_list_enter_chooses_esc_goes_back_and_save_writes_the_choice(self):
        self.app.tab_to(STRETCHER)
        self.app.wait_for_text(STRETCHER, "16")

        self.app.press("F4")
        self.wait_until_open(True)
        self.screenshot("open")
        self.app.press("Down")
        self.app.wait_for_text(STRETCHER, "32")
        self.app.press("Return")
        self.wait_until_open(False)

        self.app.press("alt+Down")
        self.wait_until_open(True)
        self.app.press("Up", "Up")
        self.app.wait_for_text(STRETCHER, "8")
        self.app.press("Escape")
        self.wait_until_open(False)
        self.app.wait_for_text(STRETCHER, "32")

        # Neither Enter nor Esc reached the dialog: it is still open and takes keys.
        self.app.settle()
        self.assertTrue(self.app.is_running())
        self.assertEqual(self.saved_stretcher_byte(), 0x05)

    def test_alt_up_closes_the_list_keeping_its_item_and_esc_on_the_closed_list_ends_the_program(self):
        self.app.tab_to(STRETCHER)
        self.app.press("alt+Up")
        self.wait_until_open(True)
        self.app.press("Home")
        self.app.wait_for_text(STRETCHER, "1")
        self.app.press("alt+Up")
        self.wait_until_open(False)
        self.app.settle()
        self.assertEqual(self.saved_stretcher_byte(), 0x00)

        self.app.tab_to(STRETCHER)
        self.app.press("Escape")
        self.assertEqual(self.app.wait_for_exit(), 0)


if __name__ == "__main__":
    unittest.main()
