"""Reset Paramet and the four check boxes, pressed with Enter and Space."""

import unittest

from e2e_case import QuorvelTestCase

CHECK_BOXES = [1027, 1033, 1034, 1035]
PULSE_LOWER, PULSE_UPPER = 1008, 1007


class ResetParamet(QuorvelTestCase):
    def test_reset_puts_back_every_default_and_clears_the_boxes_without_a_log_row(self):
        edits = {1003: "7.5", 1006: "99", 1005: "12", 1008: "1100", 1007: "1900", 1010: "-3", 1009: "5",
                 1012: "-40"}
        for control_id, typed in edits.items():
            self.app.replace_text(control_id, typed)
        self.app.toggle_with_space(1027)
        self.app.toggle_with_space(1034)
        self.screenshot("edited")

        self.app.click_with_enter(1028)

        defaults = {1003: "3.2", 1006: "200", 1005: "156", 1008: "1000", 1007: "2000", 1010: "0", 1009: "0",
                    1012: "0", 1016: "16", 1029: "330"}
        for control_id, expected in defaults.items():
            self.app.wait_for_text(control_id, expected)
        for control_id in CHECK_BOXES:
            self.assertFalse(self.app.is_checked(control_id), "check box %d" % control_id)
        self.assertEqual(self.app.log_rows(), [])
        self.assertIsNone(self.app.message_box())
        self.assertEqual(self.app.focused_control(), 1028)

    def test_reset_with_narrow_band_checked_shows_the_default_limits_not_doubled_ones(self):
        self.app.toggle_with_space(1035)
        self.app.wait_for_text(PULSE_LOWER, "500")
        self.app.click_with_enter(1028)
        self.app.wait_for_text(PULSE_LOWER, "1000")
        self.app.wait_for_text(PULSE_UPPER, "2000")
        self.assertFalse(self.app.is_checked(1035))

    def test_reset_discards_a_field_that_would_be_refused_without_a_message(self):
        self.app.replace_text(1003, "")
        self.app.click_with_enter(1028)
        self.app.wait_for_text(1003, "3.2")
        self.assertIsNone(self.app.message_box())


class CheckBoxes(QuorvelTestCase):
    def test_a_digits_only_pulse_field_refuses_a_typed_point(self):
        self.app.tab_to(PULSE_LOWER)
        self.app.press("End")
        self.app.type_text(".5x7")
        self.app.wait_for_text(PULSE_LOWER, "100057")

    def test_narrow_band_halves_both_pulse_limits_and_doubles_them_when_cleared(self):
        self.app.toggle_with_space(1035)
        self.assertTrue(self.app.is_checked(1035))
        self.app.wait_for_text(PULSE_LOWER, "500")
        self.app.wait_for_text(PULSE_UPPER, "1000")
        self.screenshot("narrow-band")
        self.app.press("space")
        self.app.wait_for_text(PULSE_LOWER, "1000")
        self.app.wait_for_text(PULSE_UPPER, "2000")
        self.assertFalse(self.app.is_checked(1035))

    def test_narrow_band_halves_the_limits_as_typed_within_six_digits(self):
        self.app.replace_text(PULSE_LOWER, "2101")
        self.app.replace_text(PULSE_UPPER, "999999")
        self.app.toggle_with_space(1035)
        self.app.wait_for_text(PULSE_LOWER, "1050.5")
        self.app.wait_for_text(PULSE_UPPER, "500000")
        self.app.press("space")
        self.app.wait_for_text(PULSE_LOWER, "2101")
        self.app.wait_for_text(PULSE_UPPER, "1e+006")

    def test_internal_osc_100_pwm_and_inverter_toggle_only_themselves(self):
        texts_before = {control_id: self.app.text_of(control_id) for control_id in (1003, 1005, 1006, 1007, 1008)}
        for control_id in (1027, 1033, 1034):
            self.app.toggle_with_space(control_id)
        self.assertEqual([self.app.is_checked(control_id) for control_id in CHECK_BOXES], [True, True, True, False])
        self.screenshot("three-boxes-checked")
        for control_id in (1027, 1033, 1034):
            self.app.toggle_with_space(control_id)
        self.assertEqual([self.app.is_checked(control_id) for control_id in CHECK_BOXES], [False] * 4)
        self.assertEqual({control_id: self.app.text_of(control_id) for control_id in texts_before}, texts_before)
        self.assertEqual(self.app.log_rows(), [])


if __name__ == "__main__":
    unittest.main()
