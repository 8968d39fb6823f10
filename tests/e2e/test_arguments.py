"""The configurator ignores its command line: Qt's own options among the arguments
(-reverse, -style, -platform) leave the dialog as it is without them."""

import time
import unittest

from e2e_case import shared_desktop
from quorvel import BUTTONS, COMBO_BOXES, EDITS, LIST_VIEWS, Quorvel

QT_OPTIONS = [["-reverse"], ["-style", "windows"], ["-platform", "offscreen"],
              ["-reverse", "-style", "windows", "-platform", "offscreen", "--open", "missing.svo"]]
CONTROLS = sorted(EDITS + COMBO_BOXES + LIST_VIEWS + list(BUTTONS.values()))
# Drawn the same whatever the focus does: a push button and a check box.
PICTURED = [BUTTONS["Save"], BUTTONS["Inverter"]]
SETTLE_SECONDS = 0.3


class Arguments(unittest.TestCase):
    def look(self, arguments):
        """Where each control is in the dialog, and the pictured controls' pixels."""
        app = Quorvel(shared_desktop(), arguments=arguments)
        try:
            app.start()
            dialog_x, dialog_y, _, _ = app.extents()
            places = {}
            for control_id in CONTROLS:
                x, y, width, height = app.extents(control_id)
                places[control_id] = (x - dialog_x, y - dialog_y, width, height)
            return places, [self.settled_pixels(app.extents(control_id)) for control_id in PICTURED]
        finally:
            app.stop()

    def settled_pixels(self, rectangle):
        """The pixels once two looks a moment apart agree, so that painting has finished."""
        previous = None
        for _ in range(20):
            current = shared_desktop().pixels(*rectangle)
            if current == previous:
                return current
            previous = current
            time.sleep(SETTLE_SECONDS)
        self.fail("the pixels at %r kept changing" % (rectangle,))

    def test_qts_own_options_change_nothing(self):
        places, pictures = self.look([])
        # The template's layout runs left to right: the Save button is right of Load.
        self.assertGreater(places[BUTTONS["Save"]][0], places[BUTTONS["Load"]][0])
        for arguments in QT_OPTIONS:
            with self.subTest(arguments=arguments):
                other_places, other_pictures = self.look(arguments)
                self.assertEqual(other_places, places)
                self.assertTrue(other_pictures == pictures, "the controls are drawn otherwise")
