"""A run stores nothing and reads nothing stored: with a home folder of its own, Save and
Load through the file chooser and a quit leave that folder as they found it, and
settings that another Qt program left there do not change where the chooser opens."""

import os

import screen
from e2e_case import QuorvelTestCase
from quorvel import STEP_TIMEOUT

LOAD, SAVE = 1036, 1037
SAVED = "文件保存成功"
LOADED = "文件载入成功"

# What Qt's file chooser of another program leaves behind: its history and the folder
# it was last in.
OTHER_PROGRAMS_SETTINGS = """[FileDialog]
history=file://{folder}
lastVisited=file://{folder}
qtVersion=6.4.2
shortcuts=file:, file://{folder}
sidebarWidth=90
viewMode=Detail
"""


def everything_under(folder):
    """Every file and folder under a folder, as paths relative to it, sorted."""
    found = []
    for root, folders, files in os.walk(folder):
        found += [os.path.relpath(os.path.join(root, name), folder) for name in folders + files]
    return sorted(found)


class NothingStoredCase(QuorvelTestCase):
    def environment(self):
        self.home = self.scratch_folder("home")
        self.prepare_home()
        # The XDG folders follow HOME when they are not set.
        return {"HOME": self.home, "XDG_CONFIG_HOME": None, "XDG_CACHE_HOME": None, "XDG_DATA_HOME": None,
                "XDG_STATE_HOME": None}

    def prepare_home(self):
        pass

    def quit(self):
        self.app.press("Escape")
        self.assertEqual(self.app.wait_for_exit(), 0)


class EmptyHome(NothingStoredCase):
    def test_save_load_and_quit_leave_the_home_folder_empty(self):
        folder = self.scratch_folder("files")
        path = os.path.join(folder, "kept.svo")
        self.app.click_with_enter(SAVE)
        self.app.choose_file(path)
        self.app.wait_for_log_rows(1)
        self.app.click_with_enter(LOAD)
        self.app.choose_file(path)
        self.assertLogMessages([LOADED, SAVED])
        self.quit()
        self.assertEqual(everything_under(self.home), [])


class HomeWithAnotherProgramsSettings(NothingStoredCase):
    def prepare_home(self):
        self.elsewhere = self.scratch_folder("elsewhere")
        os.mkdir(os.path.join(self.home, ".config"))
        self.settings = os.path.join(self.home, ".config", "QtProject.conf")
        self.settings_text = OTHER_PROGRAMS_SETTINGS.format(folder=self.elsewhere)
        with open(self.settings, "w") as file:
            file.write(self.settings_text)

    def test_the_chooser_shows_none_of_them_and_opens_in_the_starting_folder(self):
        self.addCleanup(lambda: os.path.exists(self.here()) and os.remove(self.here()))
        self.app.click_with_enter(SAVE)
        self.app.wait_for_file_chooser()
        shown = screen.wait_until(self.app.file_chooser_texts,
                                  lambda texts: any(self.app.working_dir() in text for text in texts), STEP_TIMEOUT,
                                  "the starting folder in the chooser")
        # Its history and the side bar's places would name the other folder.
        self.assertEqual([text for text in shown if os.path.basename(self.elsewhere) in text], [])
        # A bare name is saved in the folder the chooser shows.
        self.app.choose_file("here.svo")
        self.assertLogMessages([SAVED])
        self.quit()
        self.assertTrue(os.path.exists(self.here()), "here.svo is not in the starting folder")
        self.assertEqual(os.listdir(self.elsewhere), [])
        self.assertEqual(everything_under(self.home), [".config", ".config/QtProject.conf"])
        with open(self.settings) as file:
            self.assertEqual(file.read(), self.settings_text)

    def here(self):
        return os.path.join(self.app.working_dir(), "here.svo")
