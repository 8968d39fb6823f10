"""Save and Load through the file chooser, a path typed into it, and the bytes on disk."""

import os
import unittest

import screen
from e2e_case import QuorvelTestCase
from quorvel import STEP_TIMEOUT

SAVED = "文件保存成功"
LOADED = "文件载入成功"
LOAD, SAVE = 1036, 1037

# What Save writes right after start-up: the defaults, every box clear.
DEFAULT_FILE = bytes.fromhex("35 01 00 00 00 00 00 00 00 04 02 EF 04 9C C8 C8 13 88 27 10 1D 4C 10 00 1D 4C 01 00"
                             "00 00 40 40 00 00 1F 00 00 00 00 00 00")

# What the dialog holds as its block when it opens, before any Save encodes the fields.
DEFAULT_BLOCK = bytes.fromhex("35 01 00 00 00 00 00 00 80 04 02 F4 00 40 D0 D0 11 94 29 04 1D 4C 10 00 1D 4C 01 00"
                              "00 00 40 40 00 00 00 00 00 00 00 00 00")

# A configuration with every box checked, and bytes that no control shows (A0 and up)
# which must come through a Load and a Save unchanged.
EDITED_FILE = bytes.fromhex("A0 A1 A2 A3 A4 A5 A6 A7 80 FF AA E6 02 40 96 96 11 94 29 04 0E A6 11 2C B8 B9 BA BB"
                            "BC BD 4A 2C C0 C1 05 C3 C4 C5 C6 C7 C8")
EDITED_TEXTS = {1003: "5", 1016: "4", 1005: "64", 1006: "150", 1008: "900", 1007: "2100", 1012: "300", 1010: "10",
                1009: "-20", 1029: "3255"}


class FileTestCase(QuorvelTestCase):
    def setUp(self):
        super().setUp()
        self.folder = self.scratch_folder("files")

    def path(self, name):
        return os.path.join(self.folder, name)

    def write_file(self, name, data):
        with open(self.path(name), "wb") as file:
            file.write(data)
        return self.path(name)

    def read_file(self, name):
        with open(self.path(name), "rb") as file:
            return file.read()

    def save_as(self, name):
        self.app.click_with_enter(SAVE)
        self.app.choose_file(self.path(name))

    def save_as_without_waiting(self, name):
        """Types the name into Save's chooser and takes it, leaving the chooser to answer."""
        self.app.click_with_enter(SAVE)
        self.app.wait_for_file_chooser()
        self.app.type_text(self.path(name))
        self.app.press("Return")

    def load_from(self, name):
        self.app.click_with_enter(LOAD)
        self.app.choose_file(self.path(name))


class Save(FileTestCase):
    def test_save_right_after_start_up_writes_the_41_default_bytes(self):
        self.app.click_with_enter(SAVE)
        self.app.wait_for_file_chooser()
        self.screenshot("save-chooser")
        self.app.choose_file(self.path("defaults.svo"))
        self.assertLogMessages([SAVED])
        self.assertEqual(self.read_file("defaults.svo"), DEFAULT_FILE)

    def test_save_writes_each_checked_box_and_the_halved_limits(self):
        for box in (1027, 1033, 1034, 1035):
            self.app.toggle_with_space(box)
        self.app.wait_for_text(1008, "500")
        self.save_as("boxes.svo")
        self.assertLogMessages([SAVED])
        expected = bytearray(DEFAULT_FILE)
        expected[8] = 0x80
        expected[9] = 0x04 | 0x01 | 0x08
        expected[16:22] = bytes.fromhex("09 C4 13 88 0E A6")
        self.assertEqual(self.read_file("boxes.svo"), bytes(expected))

    def test_cancelling_the_chooser_writes_nothing_and_logs_nothing(self):
        self.app.click_with_enter(SAVE)
        self.app.cancel_file_chooser()
        self.app.settle()
        self.assertEqual(os.listdir(self.folder), [])
        self.assertEqual(self.app.log_rows(), [])

    def test_save_into_a_missing_folder_says_so_and_writes_and_logs_nothing(self):
        self.save_as(os.path.join("missing", "config.svo"))
        self.assertEqual(self.app.wait_for_message_box(),
                         ("Quorvel", "未找到 %s。" % self.path(os.path.join("missing", "config.svo"))))
        self.app.close_message_box()
        self.app.settle()
        self.assertEqual(os.listdir(self.folder), [])
        self.assertEqual(self.app.log_rows(), [])


    def test_saving_over_a_longer_file_asks_first_and_leaves_41_bytes(self):
        self.write_file("long.svo", bytes(range(100)))
        self.save_as_without_waiting("long.svo")
        caption, question = self.app.wait_for_message_box()
        self.assertEqual(caption, "Save As")
        self.assertIn("long.svo already exists", question)
        self.screenshot("replace-question")
        self.app.press("alt+y")
        self.assertLogMessages([SAVED])
        self.assertEqual(self.read_file("long.svo"), DEFAULT_FILE)

    def test_declining_to_replace_a_file_keeps_it_and_logs_nothing(self):
        self.write_file("long.svo", bytes(range(100)))
        self.save_as_without_waiting("long.svo")
        self.app.wait_for_message_box()
        self.app.press("alt+n")
        screen.wait_until(self.app.message_box, lambda box: box is None, STEP_TIMEOUT, "the question closed")
        self.app.cancel_file_chooser()
        self.app.settle()
        self.assertEqual(self.read_file("long.svo"), bytes(range(100)))
        self.assertEqual(self.app.log_rows(), [])


class Load(FileTestCase):
    def test_load_shows_the_file_and_save_writes_back_the_same_bytes(self):
        self.write_file("edited.svo", EDITED_FILE)
        self.load_from("edited.svo")
        self.assertLogMessages([LOADED])
        for control_id, expected in EDITED_TEXTS.items():
            self.app.wait_for_text(control_id, expected)
        self.assertEqual([self.app.is_checked(box) for box in (1027, 1033, 1034, 1035)], [True] * 4)
        self.screenshot("loaded")

        self.save_as("again.svo")
        self.assertLogMessages([SAVED, LOADED])
        self.assertEqual(self.read_file("again.svo"), EDITED_FILE)

    def test_loading_a_missing_file_shows_the_file_error_naming_it_and_changes_nothing(self):
        self.app.replace_text(1005, "77")
        self.load_from("missing.svo")
        self.assertEqual(self.app.wait_for_message_box(), ("Quorvel", "未找到 %s。" % self.path("missing.svo")))
        self.screenshot("missing-file")
        self.app.close_message_box()
        self.assertEqual(self.app.text_of(1005), "77")
        self.assertEqual(self.app.log_rows(), [])

    def test_cancelling_the_chooser_changes_nothing_not_even_the_fields(self):
        self.app.replace_text(1005, "77")
        self.app.click_with_enter(LOAD)
        self.app.cancel_file_chooser()
        self.app.settle()
        self.assertEqual(self.app.text_of(1005), "77")
        self.assertEqual(self.app.log_rows(), [])

    def test_a_ten_byte_file_replaces_only_the_first_ten_bytes_of_the_block(self):
        self.write_file("short.svo", EDITED_FILE[:10])
        self.load_from("short.svo")
        self.assertLogMessages([LOADED])
        # The rest is the block the dialog opened with, not the fields it showed.
        for control_id, expected in {1003: "2.2", 1005: "64", 1006: "208", 1016: "1", 1029: "19531"}.items():
            self.app.wait_for_text(control_id, expected)
        for box, checked in zip((1027, 1033, 1034, 1035), (True, True, True, False)):
            screen.wait_until(lambda b=box: self.app.is_checked(b), lambda state, c=checked: state == c,
                              STEP_TIMEOUT, "check box %d" % box)
        self.save_as("after-short.svo")
        self.assertLogMessages([SAVED, LOADED])
        self.assertEqual(self.read_file("after-short.svo"), EDITED_FILE[:10] + DEFAULT_BLOCK[10:])


if __name__ == "__main__":
    unittest.main()
