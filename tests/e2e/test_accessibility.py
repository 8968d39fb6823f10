"""What a screen reader says of the fields: each is named by the label beside it, can take
the focus, and has it only while the dialog's focus is on it."""

import unittest

import screen
from e2e_case import QuorvelTestCase
from quorvel import BUTTONS, COMBO_BOXES, DEVICE_TIMEOUT, EDITS, STEP_TIMEOUT, TAB_ORDER

# The edits, each with the label beside it, which names it without its padding blank.
EDIT_LABELS = {
    1003: "Dead Band(0.2-51us ) ", 1005: "Boost( n x12.8us )", 1006: "Max. Duty(1-255)",
    1007: "Pulse Upper( us )", 1008: "Pulse Lower( us )", 1009: "Right Range(-64+64)",
    1010: "Left Range(-64-+64)", 1012: "Neutral(+_1000)",
}
# The parameter lists, each with the label beside it and the item it shows at first.
LIST_LABELS = {1016: ("Stretcher :", "16"), 1029: ("Drive Frequency(Hz) :", "330")}
ADAPTER = "USB Servo Adapter"


class FieldNames(QuorvelTestCase):
    def test_each_edit_is_named_by_the_label_beside_it_and_labelled_by_it(self):
        for control_id, label in EDIT_LABELS.items():
            self.assertEqual(self.app.labels_of(control_id), [label], "edit %d" % control_id)
            self.assertEqual(self.app.name_of(control_id), label.rstrip(" "), "edit %d" % control_id)

    def test_each_parameter_list_is_named_and_labelled_by_the_label_beside_it_and_selects_its_item(self):
        for control_id, (label, item) in LIST_LABELS.items():
            self.assertEqual(self.app.labels_of(control_id), [label], "list %d" % control_id)
            self.assertEqual(self.app.name_of(control_id), label, "list %d" % control_id)
            self.assertEqual(self.app.text_of(control_id), item, "list %d" % control_id)
        self.app.choose_with_arrow(1016, "Up", "8")
        self.assertEqual(self.app.name_of(1016), "Stretcher :")

    def test_the_device_list_which_no_label_names_is_named_by_the_adapter_it_shows(self):
        self.assertEqual(self.app.name_of(1000), "")
        self.app.click_with_enter(1001)
        self.app.wait_for_text(1000, ADAPTER, DEVICE_TIMEOUT)
        screen.wait_until(lambda: self.app.name_of(1000), lambda shown: shown == ADAPTER, STEP_TIMEOUT,
                          "the device list named %r" % ADAPTER)

    def test_the_device_list_buttons_check_boxes_and_log_have_no_label(self):
        for control_id in [1000, 1001, 1013, 1014, 1026, 1027, 1028, 1033, 1034, 1035, 1036, 1037]:
            self.assertEqual(self.app.labels_of(control_id), [], "control %d" % control_id)
        self.assertEqual(self.app.name_of(1001), "Reflash USB")


DEAD_BAND = 1003
DRIVE_FREQUENCY = 1029
# The edit that the dialog keeps hidden.
HIDDEN_EDIT = 1011


def focused_in(node):
    """The objects under a node, itself included, that report the focus, in tree order."""
    found = [node] if "focused" in screen.states(node) else []
    for child in screen.children(node):
        found.extend(focused_in(child))
    return found


class FocusStates(QuorvelTestCase):
    def node(self, control_id):
        return self.app._controls[control_id]

    def wait_for_focus_on(self, node, what):
        """Waits until the node, and nothing else in the dialog, reports the focus."""
        screen.wait_until(lambda: focused_in(self.app._dialog), lambda focused: focused == [node], STEP_TIMEOUT,
                          "the focus reported on %s alone" % what)

    def test_every_edit_button_check_box_and_list_is_focusable(self):
        controls = [control_id for control_id in EDITS if control_id != HIDDEN_EDIT]
        controls += list(BUTTONS.values()) + COMBO_BOXES
        self.assertEqual(sorted(controls), sorted(control_id for control_id in TAB_ORDER if control_id != 1026))
        for control_id in TAB_ORDER:
            self.assertIn("focusable", screen.states(self.node(control_id)), "control %d" % control_id)

    def test_only_the_control_with_the_focus_reports_it_and_no_item_of_a_closed_list(self):
        self.app.tab_to(DEAD_BAND)
        self.wait_for_focus_on(self.node(DEAD_BAND), "Dead Band")
        self.app.press("Tab")
        self.wait_for_focus_on(self.node(TAB_ORDER[TAB_ORDER.index(DEAD_BAND) + 1]), "the edit after Dead Band")
        self.app.tab_to(DRIVE_FREQUENCY)
        self.wait_for_focus_on(self.node(DRIVE_FREQUENCY), "the drive frequency list")


if __name__ == "__main__":
    unittest.main()
