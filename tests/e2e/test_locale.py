"""The program started under a user's locale with a decimal comma, as a German or Turkish
desktop starts it: Qt takes the locale from LANG, and the dialog still shows, reads and
saves its numbers with a point. The locales are built with localedef into a folder of
the test's own and found through LOCPATH."""

import os
import shutil
import subprocess
import tempfile
import unittest

from e2e_case import QuorvelTestCase

SAVE, DEAD_BAND, PULSE_LOWER, NARROW_BAND = 1037, 1003, 1008, 1035

# What Save writes right after start-up: the defaults, every box clear.
DEFAULT_FILE = bytes.fromhex("35 01 00 00 00 00 00 00 00 04 02 EF 04 9C C8 C8 13 88 27 10 1D 4C 10 00 1D 4C 01 00"
                             "00 00 40 40 00 00 1F 00 00 00 00 00 00")

LOCALEDEF_TIMEOUT = 120


def build_locale(folder, name):
    """Builds a locale such as de_DE.UTF-8 into the folder; fails the test when it cannot."""
    source, charmap = name.split(".")
    try:
        result = subprocess.run(["localedef", "-i", source, "-f", charmap, os.path.join(folder, name)],
                                capture_output=True, text=True, timeout=LOCALEDEF_TIMEOUT)
    except (OSError, subprocess.TimeoutExpired) as error:
        raise AssertionError("localedef could not build %s: %s" % (name, error)) from None
    # Exit status 1 only means warnings.
    if result.returncode > 1 or not os.path.isfile(os.path.join(folder, name, "LC_NUMERIC")):
        raise AssertionError("localedef could not build %s: %s" % (name, result.stderr.strip()))


class UserLocaleTestCase(QuorvelTestCase):
    LOCALE = None

    @classmethod
    def setUpClass(cls):
        cls.locales = tempfile.mkdtemp(prefix="quorvel-e2e-locales-")
        try:
            build_locale(cls.locales, cls.LOCALE)
        except BaseException:
            shutil.rmtree(cls.locales, True)
            raise

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.locales, True)

    def setUp(self):
        self.folder = self.scratch_folder("locale")
        # Only the program starts in the locale; the tools that type and read do not.
        saved = {key: value for key, value in os.environ.items()
                 if key.startswith("LC_") or key in ("LANG", "LANGUAGE", "LOCPATH")}
        for key in saved:
            del os.environ[key]
        os.environ["LANG"] = self.LOCALE
        os.environ["LOCPATH"] = self.locales
        try:
            super().setUp()
        finally:
            del os.environ["LANG"]
            del os.environ["LOCPATH"]
            os.environ.update(saved)

    def assertProgramUsesTheLocale(self):
        """The program has loaded the locale's numeric conventions from LOCPATH, as it does
        when Qt sets the locale at start-up."""
        with open("/proc/%d/maps" % self.app._process.pid) as maps:
            mapped = maps.read()
        self.assertIn(os.path.join(self.locales, self.LOCALE, "LC_NUMERIC"), mapped)

    def path(self, name):
        return os.path.join(self.folder, name)

    def read_file(self, name):
        with open(self.path(name), "rb") as file:
            return file.read()

    def save_as(self, name, log_rows):
        self.app.click_with_enter(SAVE)
        self.app.choose_file(self.path(name))
        self.app.wait_for_log_rows(log_rows)

    def test_numbers_are_shown_read_and_saved_with_a_point(self):
        self.assertProgramUsesTheLocale()
        self.assertEqual(self.app.text_of(DEAD_BAND), "3.2")

        self.save_as("defaults.svo", 1)
        self.assertEqual(self.read_file("defaults.svo"), DEFAULT_FILE)
        self.assertLogMessages(["文件保存成功"])

        self.app.tab_to(DEAD_BAND)
        self.app.press("End")
        self.app.type_text("5")
        self.app.wait_for_text(DEAD_BAND, "3.25")
        self.save_as("typed.svo", 2)
        self.assertEqual(self.read_file("typed.svo")[11], 0xEF)  # 16 units; read as 3 it would be 0xF0

        self.app.replace_text(PULSE_LOWER, "1001")
        self.app.toggle_with_space(NARROW_BAND)
        self.app.wait_for_text(PULSE_LOWER, "500.5")
        self.screenshot("%s-narrow-band" % self.LOCALE.split(".")[0])


class German(UserLocaleTestCase):
    LOCALE = "de_DE.UTF-8"


class Turkish(UserLocaleTestCase):
    LOCALE = "tr_TR.UTF-8"


del UserLocaleTestCase  # only its subclasses are tests

if __name__ == "__main__":
    unittest.main()
