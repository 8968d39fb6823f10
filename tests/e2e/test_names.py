"""Save and Load under names that code page 936 cannot hold, typed into the chooser, in a
folder whose own name cannot be held either; and the file error naming such a path."""

import os
import unittest

from e2e_case import QuorvelTestCase, shared_desktop
from test_files import DEFAULT_FILE, EDITED_FILE, EDITED_TEXTS, LOAD, LOADED, SAVE, SAVED

# An emoji, "ñ" and "ú", Cyrillic, and an "e" followed by a combining acute accent.
NAMES = ["\U0001F600.svo", "\u00F1and\u00FA.svo", "\u0434\u043E\u043C.svo", "cafe\u0301.svo"]
FOLDER = "\u00F1and\u00FA-\U0001F600"
EDITED = "\U0001F600\u00F1\u044Fe\u0301.svo"
MISSING = "\u7F3A\U0001F600\u00F1\u0436e\u0301.svo"
NO_FOLDER = "\u043D\u0435\u0442"


class NamesBeyondTheCodePage(QuorvelTestCase):
    def setUp(self):
        shared_desktop().give_keys("".join(NAMES) + FOLDER + EDITED + MISSING + NO_FOLDER)
        super().setUp()
        self.folder = os.path.join(self.scratch_folder("names"), FOLDER)
        os.mkdir(self.folder)

    def path(self, name):
        return os.path.join(self.folder, name)

    def read_file(self, name):
        with open(self.path(name), "rb") as file:
            return file.read()

    def test_save_writes_the_41_bytes_under_each_name_and_load_reads_them_back(self):
        for count, name in enumerate(NAMES, start=1):
            self.app.click_with_enter(SAVE)
            self.app.choose_file(self.path(name))
            self.assertLogMessages([SAVED] * count)
        self.assertEqual(sorted(os.listdir(self.folder)), sorted(NAMES))
        for name in NAMES:
            self.assertEqual(self.read_file(name), DEFAULT_FILE, name)

        edited = EDITED
        with open(self.path(edited), "wb") as file:
            file.write(EDITED_FILE)
        self.app.click_with_enter(LOAD)
        self.app.choose_file(self.path(edited))
        self.assertLogMessages([LOADED] + [SAVED] * len(NAMES))
        for control_id, expected in EDITED_TEXTS.items():
            self.app.wait_for_text(control_id, expected)

        # Saved again over the first name, which holds the defaults until then.
        self.app.click_with_enter(SAVE)
        self.app.wait_for_file_chooser()
        self.app.type_text(self.path(NAMES[0]))
        self.app.press("Return")
        caption, question = self.app.wait_for_message_box()
        self.assertIn(NAMES[0], question)
        self.app.press("alt+y")
        self.assertLogMessages([SAVED, LOADED] + [SAVED] * len(NAMES))
        self.assertEqual(self.read_file(NAMES[0]), EDITED_FILE)

    def test_the_file_error_names_the_path_exactly_as_the_chooser_showed_it(self):
        missing = self.path(MISSING)
        self.app.replace_text(1005, "77")
        self.app.click_with_enter(LOAD)
        self.app.choose_file(missing)
        self.assertEqual(self.app.wait_for_message_box(), ("Quorvel", "\u672A\u627E\u5230 %s\u3002" % missing))
        self.screenshot("missing-file")
        self.app.close_message_box()
        self.assertEqual(self.app.text_of(1005), "77")

        no_folder = self.path(os.path.join(NO_FOLDER, NAMES[0]))
        self.app.click_with_enter(SAVE)
        self.app.choose_file(no_folder)
        self.assertEqual(self.app.wait_for_message_box(), ("Quorvel", "\u672A\u627E\u5230 %s\u3002" % no_folder))
        self.app.close_message_box()
        self.assertEqual(os.listdir(self.folder), [])
        self.assertEqual(self.app.log_rows(), [])


if __name__ == "__main__":
    unittest.main()
