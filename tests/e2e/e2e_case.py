"""The base of every end-to-end test: one desktop for the test process (the accessibility
library keeps its bus for the life of the process), and a fresh Quorvel for each test,
ended after it however the test went."""

import atexit
import os
import shutil
import tempfile
import unittest

import desktop
from quorvel import Quorvel

_desktop = None


def shared_desktop():
    global _desktop
    if _desktop is None:
        _desktop = desktop.Desktop(os.environ.get("QUORVEL_E2E_SCREENSHOTS", "e2e-screenshots"))
        atexit.register(_desktop.stop)
        _desktop.start()
    return _desktop


class QuorvelTestCase(unittest.TestCase):
    def environment(self):
        """Variables to set for the program (a value) or to take away (None)."""
        return {}

    def setUp(self):
        self.app = Quorvel(shared_desktop(), self.environment())
        self.addCleanup(self.app.stop)
        self.app.start()

    def scratch_folder(self, purpose):
        """A new empty folder of the test's own, removed after the test."""
        folder = tempfile.mkdtemp(prefix="quorvel-e2e-%s-" % purpose)
        self.addCleanup(shutil.rmtree, folder, True)
        return folder

    def screenshot(self, state):
        """Keeps a picture of the screen, named after the test module and the state shown."""
        module = type(self).__module__
        self.app.screenshot("%s-%s" % (module, state))

    def assertLogMessages(self, expected):
        """The log's messages, top first, once it holds as many rows as expected."""
        rows = self.app.wait_for_log_rows(len(expected))
        self.assertEqual([message for _, message in rows], expected)
        for time_of_day, _ in rows:
            self.assertRegex(time_of_day, r"^([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]$")
