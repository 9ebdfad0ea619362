"""Wine desktop for the end-to-end tests: a private Xvfb, a private prefix with a taskbar,
a winprobe client, xdotool input and screenshots. Use as a context manager:

    from zfharness.constants import MAIN_TITLE, PROGRAM, PROGRAM_FOLDER

    with WineDesktop("tray") as desk:
        desk.install_dist()                          # build/dist -> PROGRAM_FOLDER
        desk.run(PROGRAM, cwd=PROGRAM_FOLDER)
        desk.wait_window(title=MAIN_TITLE, visible=None)

(zfharness.program does these steps for the tests: Program, install_program, start_program.)
"""

import os
import shutil
import signal
import subprocess
import tempfile
import time

from zfharness import wine, wineprefix
from zfharness.wine import own_session_dying_with_parent
from zfharness.winprobe import Probe, ProbeError

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__)))))
SCREEN = (1024, 768)

# Tray icons are laid out from the right end of the taskbar, each this wide.
TRAY_ICON_PITCH = 20


def build_dir():
    return os.environ.get("ZF_BUILD_DIR") or os.path.join(SOURCE_DIR, "build")


def win32_dir():
    """The Windows build the tests run: the product's own, or on a host that runs no
    32-bit code the 64-bit build of the same sources (see wine.wine_arch)."""
    if wine.wine_arch() == "win64":
        return os.environ.get("ZF_WIN64_DIR") or os.path.join(build_dir(), "win64")
    return os.environ.get("ZF_WIN32_DIR") or os.path.join(build_dir(), "win32")


def dist_dir():
    if wine.wine_arch() == "win64":
        return os.environ.get("ZF_DIST64_DIR") or os.path.join(build_dir(), "dist64")
    return os.environ.get("ZF_DIST_DIR") or os.path.join(build_dir(), "dist")


def timeout_scale():
    """ZF_E2E_TIMEOUT_SCALE stretches every deadline on a slow machine."""
    return float(os.environ.get("ZF_E2E_TIMEOUT_SCALE", "1"))


def wait_for(predicate, timeout=30, interval=0.2, message=None):
    """Polls predicate until it returns a true value and returns that value. On timeout
    raises AssertionError naming what was awaited and the last value or error seen."""
    deadline = time.monotonic() + timeout * timeout_scale()
    last = None
    while True:
        try:
            value = predicate()
            if value:
                return value
            last = repr(value)
        except ProbeError as error:
            last = f"error: {error}"
        if time.monotonic() >= deadline:
            what = message or getattr(predicate, "__name__", "condition")
            raise AssertionError(f"timed out after {timeout * timeout_scale():.0f} s "
                                 f"waiting for {what}; last result: {last}")
        time.sleep(interval)


def holds_for(predicate, seconds, interval=0.1, message=None):
    """Polls predicate for `seconds` (stretched like every deadline) and fails at its first
    false value, naming what should have held and when it stopped; returns the last value.
    For what must not happen: a window that must stay, a list that must not move."""
    start = time.monotonic()
    deadline = start + seconds * timeout_scale()
    while True:
        value = predicate()
        if not value:
            what = message or getattr(predicate, "__name__", "condition")
            raise AssertionError(f"{what} held only {time.monotonic() - start:.1f} s of "
                                 f"{seconds * timeout_scale():.1f} s; it became {value!r}")
        if time.monotonic() >= deadline:
            return value
        time.sleep(interval)


def _start_xvfb(log):
    """Starts Xvfb on a display number it picks itself (-displayfd), so parallel tests
    never race for a number; returns (process, ":N")."""
    read_end, write_end = os.pipe()
    process = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
         "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_end,), stdout=log, stderr=log,
        preexec_fn=own_session_dying_with_parent)
    os.close(write_end)
    number = b""
    with os.fdopen(read_end, "rb") as reader:
        while not number.endswith(b"\n"):
            chunk = reader.read(1)
            if not chunk:
                process.kill()
                raise RuntimeError("Xvfb did not start")
            number += chunk
    return process, ":" + number.decode().strip()


class WineDesktop:
    """One test's Wine world. Attributes: prefix (Linux path), display (":N"), env (for
    Wine processes), probe (a winprobe.Probe), workdir (logs live in workdir/logs)."""

    def __init__(self, name="e2e", keep=None, display=None, user_settings=None):
        """display: an X display to use instead of a private Xvfb (for watching).
        user_settings: {key under HKEY_CURRENT_USER: {value name: string}}, written into
        the prefix before any Wine program starts (the user's Control Panel choices)."""
        self.name = name
        self.user_settings = user_settings or {}
        self.own_display = display is None
        self.display = display
        self.keep = keep if keep is not None else os.environ.get("ZF_E2E_KEEP") == "1"
        self.probe = None
        self._processes = []
        self._xvfb = None
        self.workdir = None

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.close(failed=True)
            raise
        return self

    def __exit__(self, exc_type, exc, tb):
        self.close(failed=exc_type is not None)
        return False

    # -- start and stop -----------------------------------------------------------------

    def start(self):
        _end_cleanly_on_sigterm()
        started = time.monotonic()
        template = wineprefix.ensure_template(build_dir())
        self.template_seconds = time.monotonic() - started
        root = os.path.join(build_dir(), "e2e-run")
        os.makedirs(root, exist_ok=True)
        self.workdir = tempfile.mkdtemp(prefix=f"{self.name}-", dir=root)
        os.makedirs(os.path.join(self.workdir, "logs"))
        self.prefix = os.path.join(self.workdir, "prefix")
        wineprefix.copy_prefix(template, self.prefix)
        wineprefix.add_user_settings(self.prefix, self.user_settings)
        self._install_harness_programs()
        if self.own_display:
            with self._log("xvfb") as log:
                self._xvfb, self.display = _start_xvfb(log)
        self.env = wine.wine_environment(self.prefix, self.display)
        with self._log("winprobe") as log:
            self.probe = Probe(wine.start(os.path.join(self.harness_dir(), "winprobe.exe"),
                                          env=self.env, stdin=subprocess.PIPE,
                                          stdout=subprocess.PIPE, stderr=log))
        self.probe.ping()
        self.wait_for(self._taskbar_ready, timeout=60, message="the Wine desktop's taskbar")
        self.startup_seconds = time.monotonic() - started

    def _install_harness_programs(self):
        for program in ("winprobe.exe", "openlog.exe"):
            source = os.path.join(win32_dir(), program)
            if not os.path.exists(source):
                raise RuntimeError(f"{source} is missing: build the Windows programs first "
                                   "(make win32)")
            shutil.copy2(source, self.harness_dir())

    def _taskbar_ready(self):
        return self.probe.find_window(cls="Shell_TrayWnd")

    def close(self, failed=False):
        """Stops every process of the test (even after a failure) and removes the prefix
        unless it is kept (keep=True or ZF_E2E_KEEP=1). A failure leaves a screenshot in
        build/e2e-artifacts."""
        if failed and self.display:
            self._failure_screenshot()
        if self.probe is not None:
            self.probe.close()
            self.probe = None
        if self.workdir and os.path.isdir(getattr(self, "prefix", "")):
            subprocess.run(["wineserver", "-k"], env=wine.wine_environment(self.prefix),
                           timeout=60, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for process in self._processes + ([self._xvfb] if self._xvfb else []):
            _stop(process)
        self._processes, self._xvfb = [], None
        if self.workdir and not self.keep:
            shutil.rmtree(self.workdir, ignore_errors=True)

    def _failure_screenshot(self):
        folder = os.path.join(build_dir(), "e2e-artifacts")
        os.makedirs(folder, exist_ok=True)
        try:
            self.screenshot(os.path.join(folder, f"{self.name}-failure.png"))
        except (OSError, subprocess.SubprocessError):
            pass

    def _log(self, what):
        """A new log file for one process (the caller closes it once the process has it)."""
        folder = os.path.join(self.workdir, "logs")
        return open(os.path.join(folder, f"{len(os.listdir(folder)):02d}-{what}.log"), "wb")

    # -- programs -------------------------------------------------------------------------

    def run(self, exe, cwd=None, args=()):
        """Starts a Windows program (Windows or Linux path) in this desktop (wine.start);
        cwd is a Linux or Windows folder and becomes the program's current folder; its
        output goes to the test's logs and teardown stops it. Returns the Popen."""
        folder = self.unix_path(cwd) if cwd and ":" in cwd else cwd
        with self._log(os.path.basename(exe.replace("\\", "/"))) as log:
            process = wine.start(exe, args, env=self.env, cwd=folder or self.drive_c(),
                                 stdout=log, stderr=subprocess.STDOUT)
        self._processes.append(process)
        return process

    def start_notepad(self, text, name="document.txt", timeout=30):
        """Writes text (ANSI, CRLF lines) to C:\\zfdocs\\<name>, opens it in notepad and
        returns the notepad window's hwnd once its edit control holds the text."""
        path = f"C:\\zfdocs\\{name}"
        self.write_file(path, text.replace("\r\n", "\n").replace("\n", "\r\n").encode("cp1252"))
        self.run("notepad.exe", args=[path])
        stem = name.rsplit(".", 1)[0]

        def notepad_with_text():
            for window in self.probe.find_windows(cls="Notepad"):
                if window["title"].startswith(stem):
                    edit = self.probe.control(window["hwnd"], cls="Edit")
                    if edit and self.probe.text(edit["hwnd"]).replace("\r\n", "\n") == \
                            text.replace("\r\n", "\n"):
                        return window["hwnd"]
            return None
        return self.wait_for(notepad_with_text, timeout=timeout,
                             message=f"notepad showing {name}")

    def install_dist(self, folder="C:\\Zembrafind", source=None):
        """Copies the built product (build/dist by default) into a folder of the prefix
        and returns the folder's Linux path."""
        target = self.unix_path(folder)
        shutil.copytree(source or dist_dir(), target, dirs_exist_ok=True)
        return target

    def opened_pages(self):
        """Windows paths of the web pages the shell was asked to open, oldest first."""
        log = os.path.join(self.harness_dir(), wineprefix.OPENED_PAGES_LOG)
        if not os.path.exists(log):
            return []
        with open(log, encoding="utf-8") as lines:
            return [line.rstrip("\r\n") for line in lines if line.strip()]

    def wait_for(self, predicate, timeout=30, interval=0.2, message=None):
        return wait_for(predicate, timeout, interval, message)

    def holds_for(self, predicate, seconds, interval=0.1, message=None):
        return holds_for(predicate, seconds, interval, message)

    def wait_window(self, timeout=30, **criteria):
        """Waits for a top-level window matching Probe.find_windows criteria (title=,
        title_contains=, cls=, pid=, visible=) and returns its record."""
        return self.wait_for(lambda: self.probe.find_window(**criteria), timeout,
                             message=f"a window with {criteria}")

    def wait_control(self, parent, timeout=30, **criteria):
        """Waits for a control inside the window `parent` matching Probe.control criteria
        (id=, cls=, text=, visible=) and returns its record; fails naming both."""
        def found():
            if self.probe.window(parent) is None:
                raise AssertionError(f"window {parent} is gone while waiting for a control "
                                     f"with {criteria}")
            return self.probe.control(parent, **criteria)
        return self.wait_for(found, timeout, message=f"a control with {criteria} in window "
                                                      f"{parent}")

    def wait_gone(self, hwnd, timeout=30):
        """Waits until a window is destroyed or hidden."""
        def gone():
            window = self.probe.window(hwnd)
            return window is None or not window["visible"]
        self.wait_for(gone, timeout, message=f"window {hwnd} to go away")

    def wait_exit(self, process, timeout=30):
        """Waits for a Popen from run() to end; returns its exit code."""
        self.wait_for(lambda: process.poll() is not None, timeout,
                      message=f"{process.args[1]} to exit")
        return process.returncode

    # -- paths ----------------------------------------------------------------------------

    def drive_c(self):
        return os.path.join(self.prefix, "drive_c")

    def harness_dir(self):
        return os.path.join(self.drive_c(), wineprefix.HARNESS_DIR)

    def unix_path(self, windows_path):
        """C:\\x\\y -> <prefix>/drive_c/x/y; Z:\\x -> /x (Wine's mapping of the root)."""
        drive, _, rest = windows_path.partition(":")
        parts = [p for p in rest.replace("\\", "/").split("/") if p]
        if drive.upper() == "C":
            return os.path.join(self.drive_c(), *parts)
        if drive.upper() == "Z":
            return "/" + "/".join(parts)
        raise ValueError(f"no mapping for {windows_path}")

    def windows_path(self, unix_path):
        """The inverse of unix_path: inside drive_c -> C:\\..., elsewhere -> Z:\\..."""
        path = os.path.abspath(unix_path)
        drive_c = os.path.abspath(self.drive_c())
        if path == drive_c or path.startswith(drive_c + os.sep):
            return "C:\\" + os.path.relpath(path, drive_c).replace("/", "\\").lstrip(".")
        return "Z:" + path.replace("/", "\\")

    def write_file(self, windows_path, data):
        """Writes bytes (or str as cp1252) to a Windows path of the prefix."""
        target = self.unix_path(windows_path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as out:
            out.write(data.encode("cp1252") if isinstance(data, str) else data)
        return target

    def read_file(self, windows_path):
        with open(self.unix_path(windows_path), "rb") as source:
            return source.read()

    # -- the screen -----------------------------------------------------------------------

    def taskbar_rect(self):
        return self.wait_window(cls="Shell_TrayWnd", visible=None)["rect"]

    def tray_point(self, index=0):
        """Screen point of the index-th tray icon from the right, from the taskbar's
        rectangle: about (1013, 757) on 1024x768. Wine adds icons right to left, so 0 is
        the first icon added."""
        left, top, right, bottom = self.taskbar_rect()
        return right - TRAY_ICON_PITCH // 2 - 1 - index * TRAY_ICON_PITCH, (top + bottom) // 2 - 1

    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=True,
                       timeout=60)

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def click(self, x, y, button=1, repeat=1):
        """Moves the pointer to (x, y) and clicks (repeat=2: double click)."""
        self.xdotool("mousemove", x, y, "click", "--repeat", repeat, "--delay", 80, button)

    def right_click(self, x, y):
        self.click(x, y, button=3)

    def press_hold(self, x, y, milliseconds, button=1):
        """Presses the button at (x, y), holds it for the given time, releases it there."""
        self.xdotool("mousemove", x, y, "mousedown", button)
        time.sleep(milliseconds / 1000)
        self.xdotool("mouseup", button)

    def mouse_down(self, x, y, button=1):
        self.xdotool("mousemove", x, y, "mousedown", button)

    def mouse_up(self, button=1):
        self.xdotool("mouseup", button)

    def drag(self, start, end, steps=20, hold_ms=300, step_ms=40, button=1, release=True,
             pressed=False):
        """Presses at start, holds hold_ms, moves to end in steps (step_ms apart) and
        releases there (release=False leaves the button down, e.g. to press Escape;
        pressed=True goes on with a button the caller already holds at start)."""
        if not pressed:
            self.mouse_down(*start, button=button)
            time.sleep(hold_ms / 1000)
        for step in range(1, steps + 1):
            x = start[0] + (end[0] - start[0]) * step // steps
            y = start[1] + (end[1] - start[1]) * step // steps
            self.xdotool("mousemove", x, y)
            time.sleep(step_ms / 1000)
        if release:
            self.mouse_up(button)

    def key(self, *keys):
        """xdotool key names, e.g. key("ctrl+a"), key("Up", "Return")."""
        self.xdotool("key", "--delay", 50, *keys)

    def type_text(self, text):
        self.xdotool("type", "--delay", 30, text)

    def screenshot(self, path):
        """Writes the whole screen to path (PNG) and returns path."""
        os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True,
                       timeout=60, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return path

    def screen_region(self, left, top, right, bottom):
        """Raw RGB bytes (3 per pixel, rows top to bottom) of a screen rectangle, read by
        the probe in milliseconds: fast enough to see a tray icon change during a read."""
        return self.probe.screen_pixels(left, top, right, bottom)

    def tray_icon_image(self, index=0):
        """RGB bytes of the 16x16 square of a tray icon, to tell its images apart."""
        x, y = self.tray_point(index)
        return self.screen_region(x - 7, y - 7, x + 9, y + 9)

    def tray_icon_shown(self, index=0):
        """Whether an icon is drawn at that tray place (the bare taskbar is one colour)."""
        image = self.tray_icon_image(index)
        return len({image[i:i + 3] for i in range(0, len(image), 3)}) > 2

    def open_tray_menu(self, index=0, timeout=30):
        """Right-clicks a tray icon and returns the record of its menu window (#32768) once
        it is visible; choose items with key("Down", ..., "Return").

        Only a menu window that was not there before the press counts: another program's
        open menu is a #32768 window too. The button goes up only once the menu shows, as
        under a person's finger: xdotool's instant click can release it before the menu
        tracks. A press that comes right after another menu closed can go unseen under
        Wine, so an unanswered press is repeated."""
        before = {w["hwnd"] for w in self.probe.find_windows(cls="#32768", visible=None)}

        def new_menu():
            for window in self.probe.find_windows(cls="#32768"):
                if window["hwnd"] not in before:
                    return window
            return None

        deadline = time.monotonic() + timeout * timeout_scale()
        while True:
            self.mouse_down(*self.tray_point(index), button=3)
            try:
                return self.wait_for(new_menu, timeout=3, message="the tray icon's menu")
            except AssertionError:
                if time.monotonic() > deadline:
                    raise
            finally:
                self.mouse_up(button=3)

    def desktop_point(self):
        """A point on the empty desktop, right above the taskbar's middle."""
        left, top, right, _ = self.taskbar_rect()
        return (left + right) // 2, top - 40


def _end_cleanly_on_sigterm():
    """A test runner that stops a test with SIGTERM should still get the teardown."""
    if signal.getsignal(signal.SIGTERM) == signal.SIG_DFL:
        def raise_exit(signum, frame):
            raise SystemExit(f"stopped by signal {signum}")
        signal.signal(signal.SIGTERM, raise_exit)


def _stop(process):
    if process.poll() is None:
        try:
            os.killpg(process.pid, 15)
            process.wait(timeout=10)
        except (ProcessLookupError, subprocess.TimeoutExpired):
            try:
                os.killpg(process.pid, 9)
            except ProcessLookupError:
                pass
            process.wait(timeout=10)
    for stream in (process.stdout, process.stderr, process.stdin):
        if stream:
            stream.close()
