"""make run: Zembrafind in a Wine desktop.

With $DISPLAY: starts zfw32.exe on a Wine virtual desktop on that display, with notepad
showing a document to read, and waits until the program is ended from its tray menu. Without a display: runs a scripted demo on a
private Xvfb and writes screenshots to BUILD_DIR/run/, printing their paths.

Usage: PYTHONPATH=tests/e2e python3 tools/run.py BUILD_DIR (the end-to-end harness, the
package tests/e2e/zfharness, is found through PYTHONPATH; `make run` sets it)
"""

import os
import sys
import time

from zfharness import datafile
from zfharness import reading as rd
from zfharness.constants import IDC_FOUND_GO_TO
from zfharness.desktop import WineDesktop, dist_dir
from zfharness.program import install_program, start_program, wait_started

SAMPLE_DOCUMENT = ("Field notes, Tuesday\n\nA zebra stood by the fence post at dawn while a "
                   "kestrel hovered\nover the river. Then came rain and a strong, cold wind.\n")


class Demo:
    """The headless demo as a list of steps, each a method that may leave a screenshot.

    Every step acts as the end-to-end tests do: with the mouse, polling for the state it
    expects, and once more where Wine is known to lose the first try. It presses no keys:
    Wine may deliver them to another program."""

    def __init__(self, desk, out_dir):
        self.desk = desk
        self.out_dir = out_dir
        self.shots = []
        self.program = None
        self.notepad = None
        self.idle = None
        self.found = None
        self.menu = None

    def steps(self):
        """(what the step does, the step) in order."""
        return [("start zfw32.exe", self.start_program),
                ("wait for the tray icon", self.show_tray_icon),
                ("read a notepad document", self.read_document),
                ('"Go to" a keyword', self.go_to_keyword),
                ("open the tray menu", self.show_tray_menu),
                ('choose "Exit"', self.exit_from_menu)]

    def shot(self, name):
        path = self.desk.screenshot(os.path.join(self.out_dir, name))
        self.shots.append(path)

    def start_program(self):
        self.program = start_with_samples(self.desk)

    def show_tray_icon(self):
        wait_started(self.desk)
        self.shot("tray.png")

    def read_document(self):
        """Drops the tray icon on a document in notepad: the Keywords found window."""
        desk = self.desk
        if self.notepad is None:
            self.notepad = desk.start_notepad(SAMPLE_DOCUMENT, name="field notes.txt")
            self.idle = desk.tray_icon_image()

        def drop():
            rd.put_desktop_in_front(desk)
            watch = rd.Stopwatch()
            rd.drag_tray_icon(desk, rd.document_point(desk, self.notepad))
            try:
                self.found = desk.wait_for(self.found_with_hits, timeout=30,
                                           message="the Keywords found window")
                return watch.seconds()
            finally:
                # A drop that started no read leaves the icon idle; one that did ends idle.
                rd.wait_idle(desk, self.idle)
        seconds = with_retries(drop)
        items = rd.found_list(desk, self.found)[0]["items"]
        print(f"read in {seconds:.2f} s: {', '.join(items)}")
        self.shot("found.png")

    def found_with_hits(self):
        window = rd.found_window(self.desk)
        if window and window["visible"] and rd.found_list(self.desk, window)[0]["items"]:
            return window
        return None

    def go_to_keyword(self):
        """"Go to" on "river": notepad's Find selects it in the document. The program drives
        notepad's Find dialog with keys; should they go astray, a new read and "Go to" is
        the next try."""
        desk = self.desk
        notepad_pid = desk.probe.window(self.notepad)["pid"]
        expected = rd.expected_selection(SAMPLE_DOCUMENT, "river")

        def go_to():
            if not self.found_with_hits():
                self.read_document()
            listing, box = rd.found_list(desk, self.found)
            desk.probe.select_listbox(box["hwnd"], listing["items"].index("river"))
            button = desk.probe.control(self.found["hwnd"], id=IDC_FOUND_GO_TO)
            desk.click(*rd.centre(button["rect"]))
            try:
                desk.wait_for(lambda: rd.edit_selection(desk, self.notepad) == expected,
                              timeout=20, message="notepad's selection on the keyword")
            finally:
                # Without the Find dialog over it, the selection shows in the document.
                rd.close_find_dialogs(desk, notepad_pid)
        with_retries(go_to)
        self.shot("goto.png")

    def show_tray_menu(self):
        self.menu = self.desk.open_tray_menu()
        self.shot("menu.png")

    def exit_from_menu(self):
        """Clicks "Exit", the menu's last item; a click the menu did not take, or a menu
        that closed without it, is one more try."""
        desk = self.desk

        def click_exit():
            if not desk.probe.window(self.menu["hwnd"]):
                self.menu = desk.open_tray_menu()
            desk.click(*last_menu_item_point(self.menu))
            desk.wait_exit(self.program, timeout=15)
        with_retries(click_exit)


def last_menu_item_point(menu):
    """A point on a menu window's last item, above the bottom border."""
    left, _, right, bottom = menu["rect"]
    return (left + right) // 2, bottom - 8


def with_retries(action, times=3):
    """Runs action until it returns without an AssertionError (what a wait that timed out
    raises), at most `times` times; returns its result or raises its last failure."""
    for attempt in range(1, times + 1):
        try:
            return action()
        except AssertionError:
            if attempt == times:
                raise


def start_with_samples(desk):
    """Copies the built program into the prefix with sample vocabularies and starts it
    from its own folder (where it looks for data.dat)."""
    install_program(desk, datafile.data_file(datafile.sample_vocabularies()))
    return start_program(desk, wait=False)


def run_on_display(display):
    with WineDesktop("run", display=display) as desk:
        program = start_with_samples(desk)
        # A read needs a document: one is open to drag the tray icon onto.
        desk.start_notepad(SAMPLE_DOCUMENT, name="field notes.txt")
        print(f"Zembrafind runs on {display}: hold its tray icon and drag it onto the notepad "
              "window to read it; 'Exit' in the icon's menu ends it.")
        program.wait()


def run_headless(build_dir):
    """Runs the demo; returns the exit status. A step that fails ends the demo with one line
    that names it and where its screenshots are."""
    out_dir = os.path.join(os.path.abspath(build_dir), "run")
    # A loaded machine is slow, not broken: generous deadlines only cost time on a failure.
    os.environ.setdefault("ZF_E2E_TIMEOUT_SCALE", "3")
    started = time.monotonic()
    step = "start the Wine desktop"
    try:
        with WineDesktop("run") as desk:
            demo = Demo(desk, out_dir)
            for step, action in demo.steps():
                try:
                    action()
                except Exception:
                    failure_screenshot(desk, out_dir)
                    raise
    except Exception as error:  # any fault of any step: one line, not a traceback
        reason = str(error).splitlines()[0] if str(error) else type(error).__name__
        print(f"make run: the demo could not {step}: {reason}; its screenshots are in "
              f"{out_dir}", file=sys.stderr)
        return 1
    for path in demo.shots:
        print(path)
    print(f"demo finished in {time.monotonic() - started:.1f} s")
    return 0


def failure_screenshot(desk, out_dir):
    """The screen as the failed step left it, if it can still be taken."""
    try:
        desk.screenshot(os.path.join(out_dir, "failed.png"))
    except Exception:  # the step's own failure is the one to report
        pass


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    build_dir = os.path.abspath(sys.argv[1])
    os.environ.setdefault("ZF_BUILD_DIR", build_dir)
    if not os.path.exists(os.path.join(dist_dir(), "zfw32.exe")):
        sys.exit(f"{dist_dir()}/zfw32.exe is missing: run make dist first")
    display = os.environ.get("DISPLAY")
    if display:
        run_on_display(display)
    else:
        sys.exit(run_headless(build_dir))


if __name__ == "__main__":
    main()
