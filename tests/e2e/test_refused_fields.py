"""The class library's three messages about a field it cannot take, as a user meets them:
the box, its caption and text, then the focus and a whole selection on the refused field."""

import unittest

import screen
from e2e_case import QuorvelTestCase
from quorvel import STEP_TIMEOUT

NUMBER = "请输入一个数字。"
INTEGER = "请输入一个整数。"
BYTE = "请输入一个在 0 和 255 之间的整数。"


class RefusedFields(QuorvelTestCase):
    def refuse_on_enter(self, control_id, typed, message):
        self.app.replace_text(control_id, typed)
        self.app.press("Return")
        self.assertEqual(self.app.wait_for_message_box(), ("Quorvel", message))
        self.screenshot("refused-%d" % control_id)
        self.app.close_message_box()
        screen.wait_until(self.app.focused_control, lambda focused: focused == control_id, STEP_TIMEOUT,
                          "the focus on the refused field %d" % control_id)
        screen.wait_until(lambda: self.app.selection_of(control_id),
                          lambda selected: selected == (0, len(typed)) or (not typed and selected in (None, (0, 0))),
                          STEP_TIMEOUT, "the whole text of %d selected" % control_id)
        self.assertEqual(self.app.text_of(control_id), typed)
        self.assertTrue(self.app.is_running())

    def test_an_empty_dead_band_asks_for_a_number(self):
        self.refuse_on_enter(1003, "", NUMBER)

    def test_a_dead_band_of_a_lone_point_asks_for_a_number(self):
        self.refuse_on_enter(1003, ".", NUMBER)

    def test_boost_above_255_asks_for_an_integer_between_0_and_255(self):
        self.refuse_on_enter(1005, "256", BYTE)

    def test_letters_in_left_range_ask_for_an_integer(self):
        self.refuse_on_enter(1010, "left", INTEGER)

    def test_an_empty_neutral_asks_for_an_integer(self):
        self.refuse_on_enter(1012, "", INTEGER)

    def test_write_config_takes_the_fields_twice_and_shows_the_message_twice(self):
        self.app.replace_text(1009, "x")
        self.app.click_with_enter(1013)
        for _ in range(2):
            self.assertEqual(self.app.wait_for_message_box(), ("Quorvel", INTEGER))
            self.app.close_message_box()
        self.assertLogMessages(["无法连接设备，请检查是否连接USB设备"])
        self.assertIsNone(self.app.message_box())

    def test_a_number_followed_by_other_text_is_taken_without_a_message(self):
        self.app.replace_text(1012, "12abc")
        self.app.replace_text(1009, "3.7")
        self.app.replace_text(1006, "300")
        # Narrow Band takes the fields in and shows them again.
        self.app.toggle_with_space(1035)
        self.app.wait_for_text(1012, "12")
        self.app.wait_for_text(1009, "3")
        self.app.wait_for_text(1006, "300")
        self.assertIsNone(self.app.message_box())


if __name__ == "__main__":
    unittest.main()
