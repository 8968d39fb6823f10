"""A desktop of its own for one test run: a virtual X server (Xvfb) on a display number
it picks itself, a D-Bus session on which the accessibility bus starts, and pictures of
the screen. Every process started here is ended by stop(), whatever happened."""

import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time

import keymap
import screenshot

SCREEN = "1024x768x24"
START_TIMEOUT = 10.0


def start_process(command, env=None, pass_fds=(), quiet=False, cwd=None):
    """Starts a command in a process group of its own, so that what it starts ends with it.
    Should the test process itself be killed (a time-out), the command gets SIGTERM."""
    return subprocess.Popen(["setpriv", "--pdeathsig", "TERM", "--"] + command, env=env, pass_fds=pass_fds,
                            start_new_session=True, cwd=cwd, stdin=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL if quiet else None)


def end_process(process, timeout=5.0):
    """Ends a process started by start_process, and the rest of its group: politely first."""
    if process is None:
        return
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            pass
        try:
            process.wait(timeout=timeout)
            break
        except subprocess.TimeoutExpired:
            continue
    # Members of the group may outlive its leader by a moment.
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass


def read_line_from(fd, timeout):
    """The first line written to a pipe within the timeout, or '' when none came."""
    deadline = time.monotonic() + timeout
    data = b""
    os.set_blocking(fd, False)
    while b"\n" not in data and time.monotonic() < deadline:
        try:
            chunk = os.read(fd, 256)
        except BlockingIOError:
            time.sleep(0.02)
            continue
        if not chunk:
            break
        data += chunk
    return data.decode().strip()


class Desktop:
    def __init__(self, screenshot_dir):
        self.screenshot_dir = screenshot_dir
        self.display = None
        self.bus_address = None
        self._x_server = None
        self._bus = None
        self._frame_dir = None
        self._home = None

    def start(self):
        try:
            self._start_x_server()
            self._start_bus()
        except BaseException:
            self.stop()
            raise
        # What the test process itself uses to read the screen and to type.
        os.environ["DISPLAY"] = self.display
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.bus_address
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)

    def stop(self):
        end_process(self._bus)
        end_process(self._x_server)
        self._bus = self._x_server = None
        if self._home is not None:
            shutil.rmtree(self._home, ignore_errors=True)
            self._home = self._frame_dir = None

    def environment(self):
        """The environment for a program shown on this desktop."""
        env = {key: value for key, value in os.environ.items()
               if key not in ("WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS", "SESSION_MANAGER")}
        env["DISPLAY"] = self.display
        env["DBUS_SESSION_BUS_ADDRESS"] = self.bus_address
        env["XDG_RUNTIME_DIR"] = self._runtime_dir()
        return env

    def give_keys(self, characters):
        """Gives each character that the keyboard lacks a key of its own, for good."""
        keymap.give_keys(self.display, characters)

    def working_dir(self):
        """A folder of the desktop's own for the programs shown on it to start in."""
        return os.path.join(self._home, "home")

    def screenshot(self, name):
        """Keeps a picture of the whole screen as <name>.png in the screenshot folder."""
        os.makedirs(self.screenshot_dir, exist_ok=True)
        path = os.path.join(self.screenshot_dir, name + ".png")
        screenshot.save_frame_as_png(os.path.join(self._frame_dir, "Xvfb_screen0"), path)
        return path

    def pixels(self, x, y, width, height):
        """The screen's pixels in a rectangle, as they are now: rows of 32-bit values."""
        with open(os.path.join(self._frame_dir, "Xvfb_screen0"), "rb") as frame:
            data = frame.read()
        fields = struct.unpack(">%dI" % screenshot.HEADER_FIELDS, data[:screenshot.HEADER_FIELDS * 4])
        header_size, bytes_per_line, ncolors = fields[0], fields[12], fields[19]
        start = header_size + ncolors * screenshot.XWD_COLOR_SIZE
        return b"".join(data[start + row * bytes_per_line + x * 4:start + row * bytes_per_line + (x + width) * 4]
                        for row in range(y, y + height))

    def _runtime_dir(self):
        return os.path.join(self._home, "run")

    def _start_x_server(self):
        self._home = tempfile.mkdtemp(prefix="quorvel-e2e-")
        # Xvfb keeps its frame in a file there, which is where screenshots come from.
        self._frame_dir = os.path.join(self._home, "frame")
        os.mkdir(self._frame_dir, 0o700)
        os.mkdir(self._runtime_dir(), 0o700)
        os.mkdir(self.working_dir(), 0o700)
        read_fd, write_fd = os.pipe()
        try:
            self._x_server = start_process(
                ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", SCREEN, "-fbdir", self._frame_dir,
                 "-nolisten", "tcp", "-noreset"], pass_fds=(write_fd,), quiet=True)
            os.close(write_fd)
            number = read_line_from(read_fd, START_TIMEOUT)
        finally:
            os.close(read_fd)
        if not number.isdigit():
            raise RuntimeError("Xvfb did not report a display number")
        self.display = ":" + number

    def _start_bus(self):
        read_fd, write_fd = os.pipe()
        env = dict(os.environ, DISPLAY=self.display, XDG_RUNTIME_DIR=self._runtime_dir())
        try:
            self._bus = start_process(["dbus-daemon", "--session", "--nofork", "--print-address=%d" % write_fd],
                                      env=env, pass_fds=(write_fd,), quiet=True)
            os.close(write_fd)
            self.bus_address = read_line_from(read_fd, START_TIMEOUT)
        finally:
            os.close(read_fd)
        if not self.bus_address:
            raise RuntimeError("dbus-daemon did not report its address")
