"""What a screen reader says of the fields: each is named by the label beside it."""

import unittest

from e2e_case import QuorvelTestCase

# The edits, each with the label beside it, which names it without its padding blank.
EDIT_LABELS = {
    1003: "Dead Band(0.2-51us ) ", 1005: "Boost( n x12.8us )", 1006: "Max. Duty(1-255)",
    1007: "Pulse Upper( us )", 1008: "Pulse Lower( us )", 1009: "Right Range(-64+64)",
    1010: "Left Range(-64-+64)", 1012: "Neutral(+_1000)",
}
# The lists, which this desktop names by their current item, with the labels beside them.
LIST_LABELS = {1016: ("Stretcher :", "16"), 1029: ("Drive Frequency(Hz) :", "330")}


class FieldNames(QuorvelTestCase):
    def test_each_edit_is_named_by_the_label_beside_it_and_labelled_by_it(self):
        for control_id, label in EDIT_LABELS.items():
            self.assertEqual(self.app.labels_of(control_id), [label], "edit %d" % control_id)
            self.assertEqual(self.app.name_of(control_id), label.rstrip(" "), "edit %d" % control_id)

    def test_each_parameter_list_is_labelled_by_the_label_beside_it_and_named_by_its_item(self):
        for control_id, (label, item) in LIST_LABELS.items():
            self.assertEqual(self.app.labels_of(control_id), [label], "list %d" % control_id)
            self.assertEqual(self.app.name_of(control_id), item, "list %d" % control_id)

    def test_the_device_list_buttons_check_boxes_and_log_have_no_label(self):
        for control_id in [1000, 1001, 1013, 1014, 1026, 1027, 1028, 1033, 1034, 1035, 1036, 1037]:
            self.assertEqual(self.app.labels_of(control_id), [], "control %d" % control_id)
        self.assertEqual(self.app.name_of(1001), "Reflash USB")


if __name__ == "__main__":
    unittest.main()
