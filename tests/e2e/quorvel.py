"""The Quorvel executable on a test desktop, used as a user uses it: keys and typed text go
in through the X server (xdotool), and what the window shows is read through the
accessibility service. Controls are named here by the dialog's control IDs."""

import os
import subprocess

import desktop
import screen

START_TIMEOUT = 15.0
STEP_TIMEOUT = 5.0
# Reflash, Read and Write Config wait on the adapter's time-outs at worst.
DEVICE_TIMEOUT = 10.0

# The order in which Tab visits the dialog's controls.
TAB_ORDER = [1000, 1001, 1003, 1005, 1006, 1007, 1008, 1009, 1010, 1012, 1013, 1014, 1016, 1026, 1027,
             1028, 1029, 1033, 1034, 1035, 1036, 1037]

# The dialog's edits, combo boxes and list views in the order the window holds them.
EDITS = [1003, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012]
COMBO_BOXES = [1000, 1016, 1029]
LIST_VIEWS = [1026]
BUTTONS = {"Reflash USB": 1001, "Write Config": 1013, "Read Config": 1014, "Reset Paramet": 1028,
           "Internal OSC": 1027, "100%PWM": 1033, "Inverter": 1034, "Narrow Band": 1035, "Load": 1036,
           "Save": 1037}

IDC_DEVICE_LIST = 1000
IDC_LOG = 1026


def executable():
    return os.environ["QUORVEL_E2E_EXECUTABLE"]


class Quorvel:
    def __init__(self, test_desktop, environment=None, arguments=()):
        """environment: variables to set (a value) or to take away (None) for the program;
        arguments: its command line after its name."""
        self._desktop = test_desktop
        self._environment = environment or {}
        self._arguments = list(arguments)
        self._process = None
        self._controls = {}
        self._dialog = None

    # --- starting and ending -------------------------------------------------------

    def start(self):
        env = self._desktop.environment()
        env["QT_QPA_PLATFORM"] = "xcb"
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        for name, value in self._environment.items():
            if value is None:
                env.pop(name, None)
            else:
                env[name] = value
        # Started in a folder of its own, where its file choosers open.
        self._process = desktop.start_process([executable()] + self._arguments, env=env, cwd=self._desktop.working_dir())
        self._dialog = screen.wait_until(self._find_dialog, lambda dialog: dialog is not None, START_TIMEOUT,
                                         "the Quorvel dialog with its controls")
        self._controls = self._map_controls(self._dialog)
        screen.wait_until(self._focused_window_title, lambda title: title == "Quorvel", START_TIMEOUT,
                          "the keyboard focus on the Quorvel window")

    def stop(self):
        desktop.end_process(self._process)
        self._process = None

    def wait_for_exit(self, timeout=STEP_TIMEOUT):
        """The program's exit status once it has ended by itself."""
        try:
            return self._process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("Quorvel was still running %.1f s later" % timeout) from None

    def working_dir(self):
        """The folder the program starts in."""
        return self._desktop.working_dir()

    def is_running(self):
        return self._process is not None and self._process.poll() is None

    # --- input -----------------------------------------------------------------------

    def press(self, *keys):
        """Keys by their X names (Tab, shift+Tab, Return, Escape, space, BackSpace)."""
        subprocess.run(["xdotool", "key", "--delay", "20"] + list(keys), check=True, timeout=STEP_TIMEOUT)

    def type_text(self, typed):
        # From standard input, so that a text such as -3 is not taken for an option.
        subprocess.run(["xdotool", "type", "--delay", "20", "--file", "-"], input=typed.encode(), check=True,
                       timeout=STEP_TIMEOUT)

    def tab_to(self, control_id):
        """Moves the focus to a control with Tab, as many times as the tab order asks."""
        here = TAB_ORDER.index(self.focused_control())
        steps = (TAB_ORDER.index(control_id) - here) % len(TAB_ORDER)
        if steps:
            self.press(*["Tab"] * steps)
        screen.wait_until(self.focused_control, lambda focused: focused == control_id, STEP_TIMEOUT,
                          "the focus on control %d" % control_id)

    def replace_text(self, control_id, typed):
        """Tabs to an edit, empties it and types the text."""
        self.tab_to(control_id)
        self.press("End", *["BackSpace"] * (len(self.text_of(control_id)) + 1))
        screen.wait_until(lambda: self.text_of(control_id), lambda shown: shown == "", STEP_TIMEOUT,
                          "edit %d emptied" % control_id)
        if typed:
            self.type_text(typed)
            screen.wait_until(lambda: self.text_of(control_id), lambda shown: shown == typed, STEP_TIMEOUT,
                              "edit %d showing %r" % (control_id, typed))

    def settle(self):
        """Returns once the program has handled everything before: it takes a key only
        between commands. Tab goes on and Shift+Tab comes back, leaving the focus as it was."""
        here = self.focused_control()
        after = TAB_ORDER[(TAB_ORDER.index(here) + 1) % len(TAB_ORDER)]
        self.press("Tab")
        screen.wait_until(self.focused_control, lambda focused: focused == after, STEP_TIMEOUT,
                          "the focus moved on to %d" % after)
        self.press("shift+Tab")
        screen.wait_until(self.focused_control, lambda focused: focused == here, STEP_TIMEOUT,
                          "the focus back on %d" % here)

    def click_with_enter(self, control_id):
        self.tab_to(control_id)
        self.press("Return")

    def choose_with_arrow(self, control_id, key, expected):
        """Tabs to a drop list and moves its selection with an arrow key."""
        self.tab_to(control_id)
        self.press(key)
        self.wait_for_text(control_id, expected)

    def toggle_with_space(self, control_id):
        was = self.is_checked(control_id)
        self.tab_to(control_id)
        self.press("space")
        screen.wait_until(lambda: self.is_checked(control_id), lambda checked: checked != was, STEP_TIMEOUT,
                          "check box %d toggled" % control_id)

    # --- what the window shows -------------------------------------------------------

    def text_of(self, control_id):
        """An edit's text, or what a combo box shows, read where a screen reader reads it: in
        the edit field of a combo box that has one, else as the item selected in its list."""
        node = self._controls[control_id]
        if control_id not in COMBO_BOXES:
            return screen.text(node)
        parts = screen.children(node)
        for part in parts:
            if screen.role(part) == "text":
                return screen.text(part)
        selected = [screen.name(item) for part in parts if screen.role(part) == "list"
                    for item in screen.children(part) if "selected" in screen.states(item)]
        return ", ".join(selected)

    def selection_of(self, control_id):
        return screen.selection(self._controls[control_id])

    def name_of(self, control_id):
        """The name that a screen reader gives a control."""
        return screen.name(self._controls[control_id])

    def labels_of(self, control_id):
        """The texts of the labels that a control is labelled by."""
        return [screen.name(label) for label in screen.labelled_by(self._controls[control_id])]

    def is_checked(self, control_id):
        return "checked" in screen.states(self._controls[control_id])

    def is_expanded(self, control_id):
        """Whether a combo box's list is open."""
        return "expanded" in screen.states(self._controls[control_id])

    def is_showing(self, control_id):
        return "showing" in screen.states(self._controls[control_id])

    def focused_control(self):
        for control_id, node in self._controls.items():
            if "focused" in screen.states(node):
                return control_id
            # A combo box with an edit field has the focus in that field.
            if control_id in COMBO_BOXES and any("focused" in screen.states(part) for part in screen.children(node)):
                return control_id
        return None

    def extents(self, control_id=None):
        """Where a control (or, with no ID, the dialog) is on the screen, as (x, y, width, height)."""
        node = self._dialog if control_id is None else self._controls[control_id]
        rect = screen.Atspi.Component.get_extents(node, screen.Atspi.CoordType.SCREEN)
        return rect.x, rect.y, rect.width, rect.height

    def title(self):
        return screen.name(self._dialog)

    def log_rows(self):
        """The log's rows, top first, each as (time, message)."""
        cells = [screen.name(cell) for cell in screen.children(self._controls[IDC_LOG])
                 if screen.role(cell) == "table cell"]
        return list(zip(cells[0::2], cells[1::2]))

    def log_selected_rows(self):
        """The indexes of the log rows shown selected, top first."""
        cells = [cell for cell in screen.children(self._controls[IDC_LOG]) if screen.role(cell) == "table cell"]
        return sorted({index // 2 for index, cell in enumerate(cells) if "selected" in screen.states(cell)})

    def log_columns(self):
        return [screen.name(cell) for cell in screen.children(self._controls[IDC_LOG])
                if screen.role(cell) == "table column header"]

    def other_windows(self):
        """The program's windows besides the dialog, each as (role, title, node)."""
        app = screen.application("Quorvel")
        if app is None:
            return []
        return [window for window in screen.windows(app) if window[2] != self._dialog and
                "showing" in screen.states(window[2])]

    def _message_box_node(self):
        for window_role, _, node in self.other_windows():
            if window_role == "alert":
                return node
        return None

    def message_box(self):
        """The open message box as (caption, text), or None."""
        node = self._message_box_node()
        if node is None:
            return None
        labels = [screen.name(child) for child in screen.children(node) if screen.role(child) == "label"]
        return screen.name(node), "\n".join(labels)

    def wait_for_message_box(self, timeout=STEP_TIMEOUT):
        return screen.wait_until(self.message_box, lambda box: box is not None, timeout, "a message box")

    def close_message_box(self):
        """Closes the open message box with Enter on its OK button; another may follow it."""
        box = self._message_box_node()
        self.press("Return")
        screen.wait_until(self._message_box_node, lambda node: node is None or node != box, STEP_TIMEOUT,
                          "the message box closed")

    def file_chooser(self):
        """The open file chooser's title, or None."""
        for window_role, title, _ in self.other_windows():
            if window_role != "alert":
                return title
        return None

    def file_chooser_texts(self):
        """Every name and text that the open file chooser shows, or [] when none is open."""
        for window_role, _, node in self.other_windows():
            if window_role != "alert":
                return screen.all_text(node)
        return []

    def wait_for_file_chooser(self, timeout=STEP_TIMEOUT):
        return screen.wait_until(self.file_chooser, lambda title: title is not None, timeout, "a file chooser")

    def choose_file(self, path):
        """Types a path into the open file chooser, where its keyboard focus starts, and takes it."""
        self.wait_for_file_chooser()
        self.type_text(path)
        self.press("Return")
        screen.wait_until(self.file_chooser, lambda title: title is None, STEP_TIMEOUT, "the file chooser closed")

    def cancel_file_chooser(self):
        self.wait_for_file_chooser()
        self.press("Escape")
        screen.wait_until(self.file_chooser, lambda title: title is None, STEP_TIMEOUT, "the file chooser closed")

    def wait_for_log_rows(self, count, timeout=STEP_TIMEOUT):
        return screen.wait_until(self.log_rows, lambda rows: rows is not None and len(rows) >= count, timeout,
                                 "%d log rows" % count)

    def wait_for_text(self, control_id, expected, timeout=STEP_TIMEOUT):
        return screen.wait_until(lambda: self.text_of(control_id), lambda shown: shown == expected, timeout,
                                 "control %d showing %r" % (control_id, expected))

    def screenshot(self, name):
        return self._desktop.screenshot(name)

    # --- finding the dialog's controls -----------------------------------------------

    def _find_dialog(self):
        if not self.is_running():
            raise AssertionError("Quorvel ended with status %r before its window came up" % self._process.poll())
        app = screen.application("Quorvel")
        if app is None:
            return None
        for window_role, title, node in screen.windows(app):
            if title == "Quorvel" and window_role != "alert" and "showing" in screen.states(node):
                if len(screen.children(node)) >= 42:
                    return node
        return None

    @staticmethod
    def _map_controls(dialog):
        by_role = {"text": [], "combo box": [], "table": []}
        controls = {}
        for node in screen.children(dialog):
            node_role = screen.role(node)
            if node_role in by_role:
                by_role[node_role].append(node)
            elif node_role in ("push button", "check box") and screen.name(node) in BUTTONS:
                controls[BUTTONS[screen.name(node)]] = node
        for ids, nodes in ((EDITS, by_role["text"]), (COMBO_BOXES, by_role["combo box"]),
                           (LIST_VIEWS, by_role["table"])):
            if len(ids) != len(nodes):
                raise AssertionError("the dialog holds %d controls of a kind where %d were expected" %
                                     (len(nodes), len(ids)))
            controls.update(zip(ids, nodes))
        return controls

    @staticmethod
    def _focused_window_title():
        result = subprocess.run(["xdotool", "getwindowfocus", "getwindowname"], capture_output=True, text=True,
                                timeout=STEP_TIMEOUT)
        return result.stdout.strip()
