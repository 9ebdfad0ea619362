"""make run: Zembrafind in a Wine desktop.

With $DISPLAY: starts zfw32.exe on a Wine virtual desktop on that display and waits until
the program is ended from its tray menu. Without a display: runs a scripted demo on a
private Xvfb and writes screenshots to BUILD_DIR/run/, printing their paths.

Usage: python3 tools/run.py BUILD_DIR
"""

import os
import sys
import time

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(SOURCE_DIR, "tests", "e2e"))

import readingdesk  # noqa: E402
import zfdata  # noqa: E402
import zfwine  # noqa: E402

PROGRAM_FOLDER = "C:\\Zembrafind"
PROGRAM = PROGRAM_FOLDER + "\\zfw32.exe"
SAMPLE_DOCUMENT = ("Field notes, Tuesday\n\nA zebra stood by the fence post at dawn while a "
                   "kestrel hovered\nover the river. Then came rain and a strong, cold wind.\n")


class Demo:
    """The headless demo as a list of steps, each a method that may leave a screenshot."""

    def __init__(self, desk, out_dir):
        self.desk = desk
        self.out_dir = out_dir
        self.shots = []
        self.program = None

    def steps(self):
        return [self.start_program, self.show_tray_icon, self.read_document,
                self.go_to_keyword, self.show_tray_menu, self.exit_from_menu]

    def shot(self, name):
        path = self.desk.screenshot(os.path.join(self.out_dir, name))
        self.shots.append(path)

    def start_program(self):
        self.program = start_program(self.desk)

    def show_tray_icon(self):
        self.desk.wait_for(lambda: self.desk.probe.find_window(title="kestrelwin", visible=None),
                           message="the program's hidden main window")
        self.desk.wait_for(self.desk.tray_icon_shown, message="the tray icon")
        self.shot("tray.png")

    def read_document(self):
        """Drops the tray icon on a document in notepad: the Keywords found window."""
        desk = self.desk
        self.notepad = desk.start_notepad(SAMPLE_DOCUMENT, name="field notes.txt")
        idle = desk.tray_icon_image()
        readingdesk.put_desktop_in_front(desk)
        seconds = readingdesk.read_by_drop(desk, readingdesk.document_point(desk, self.notepad),
                                           idle)
        self.found = readingdesk.found_window(desk)
        items = readingdesk.found_list(desk, self.found)[0]["items"]
        print(f"read in {seconds:.2f} s: {', '.join(items)}")
        self.shot("found.png")

    def go_to_keyword(self):
        """"Go to" on "river": notepad's Find selects it in the document."""
        desk = self.desk
        listing, box = readingdesk.found_list(desk, self.found)
        desk.probe.select_listbox(box["hwnd"], listing["items"].index("river"))
        go_to = desk.probe.control(self.found["hwnd"], id=readingdesk.GO_TO_ID)
        desk.click(*readingdesk.centre(go_to["rect"]))
        expected = readingdesk.expected_selection(SAMPLE_DOCUMENT, "river")
        desk.wait_for(lambda: readingdesk.edit_selection(desk, self.notepad) == expected,
                      message="notepad's selection on the keyword")
        # Without the Find dialog over it, the selection shows in the document.
        readingdesk.close_find_dialogs(desk, desk.probe.window(self.notepad)["pid"])
        self.shot("goto.png")

    def show_tray_menu(self):
        self.desk.open_tray_menu()
        self.shot("menu.png")

    def exit_from_menu(self):
        # "Exit" is the menu's last item: Up from no selection lands on it.
        self.desk.key("Up", "Return")
        self.desk.wait_exit(self.program)


def start_program(desk):
    """Copies the built program into the prefix with sample vocabularies and starts it
    from its own folder (where it looks for data.dat)."""
    desk.install_dist(PROGRAM_FOLDER)
    desk.write_file(PROGRAM_FOLDER + "\\data.dat",
                    zfdata.data_file(zfdata.sample_vocabularies()))
    return desk.run(PROGRAM, cwd=PROGRAM_FOLDER)


def run_on_display(display):
    with zfwine.WineDesktop("run", display=display) as desk:
        program = start_program(desk)
        print(f"Zembrafind runs on {display}: use its tray icon; 'Exit' in its menu ends it.")
        program.wait()


def run_headless(build_dir):
    out_dir = os.path.join(os.path.abspath(build_dir), "run")
    started = time.monotonic()
    with zfwine.WineDesktop("run") as desk:
        demo = Demo(desk, out_dir)
        for step in demo.steps():
            step()
    for path in demo.shots:
        print(path)
    print(f"demo finished in {time.monotonic() - started:.1f} s")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    build_dir = os.path.abspath(sys.argv[1])
    os.environ.setdefault("ZF_BUILD_DIR", build_dir)
    if not os.path.exists(os.path.join(zfwine.dist_dir(), "zfw32.exe")):
        sys.exit(f"{zfwine.dist_dir()}/zfw32.exe is missing: run make dist first")
    display = os.environ.get("DISPLAY")
    if display:
        run_on_display(display)
    else:
        run_headless(build_dir)


if __name__ == "__main__":
    main()
