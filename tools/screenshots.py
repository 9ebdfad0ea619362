"""make screenshots: the pictures of the README, taken on a private Xvfb with the end-to-end
harness and cropped to the windows they show, as small 8-bit palette PNGs:

    tray-menu.png       the tray icon's menu, over the taskbar around the icon
    key-sequences.png   the "Select text" key-sequence settings
    keywords-found.png  the "Keywords found" window over the notepad document it read
    pages.png           the Vocabularies and Keywords pages side by side
    installer.png       the installer's Destination window

Usage: PYTHONPATH=tests/e2e python3 tools/screenshots.py BUILD_DIR OUTPUT_DIR (the end-to-end
harness, the package tests/e2e/zfharness, is found through PYTHONPATH; `make screenshots`
sets it)
"""

import os
import subprocess
import sys
import tempfile
import time

import run
from zfharness.constants import (IDC_KEYWORDS_LIST, IDC_SETTINGS_SELECT_ALL, IDC_TABS,
                                 IDC_VOCAB_LIST, IDCANCEL, SELECT_TITLE, TABBED_TITLE)
from zfharness.desktop import SCREEN, WineDesktop
from zfharness.installer import InstallerDriver

# Pixels between the two pages.
GAP = 12


class Pictures:
    """Crops whole-screen screenshots of one WineDesktop into OUTPUT_DIR."""

    def __init__(self, desk, out_dir, work_dir):
        self.desk = desk
        self.out_dir = out_dir
        self.work_dir = work_dir

    def take(self, name, *rects, margin=0):
        """The screen cropped to the smallest rectangle around rects (plus a margin),
        written as name into the work folder; returns its path."""
        # The pointer away from the windows, and no tooltip left over them.
        self.desk.move(2, 2)
        time.sleep(0.5)
        screen = self.desk.screenshot(os.path.join(self.work_dir, "screen.png"))
        width, height = SCREEN
        left = max(0, min(r[0] for r in rects) - margin)
        top = max(0, min(r[1] for r in rects) - margin)
        right = min(width, max(r[2] for r in rects) + margin)
        bottom = min(height, max(r[3] for r in rects) + margin)
        path = os.path.join(self.work_dir, name)
        subprocess.run(["convert", screen, "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                        "+repage", path], check=True, timeout=60)
        return path

    def save(self, source, name):
        """Writes source as a palette PNG of at most 64 colours under the output folder."""
        target = os.path.join(self.out_dir, name)
        subprocess.run(["convert", source, "+dither", "-colors", "64", "-strip",
                        "PNG8:" + target], check=True, timeout=60)
        print(f"{target}: {os.path.getsize(target) // 1024} KB")


def program_pictures(desk, pictures):
    """The reading, the tabbed window, and the tray menu, by the demo's own steps where it
    has them."""
    demo = run.Demo(desk, pictures.work_dir)
    demo.start_program()
    demo.show_tray_icon()
    demo.read_document()
    found = desk.probe.window(demo.found["hwnd"])
    notepad = desk.probe.window(demo.notepad)
    pictures.save(pictures.take("found.png", found["rect"], notepad["rect"]),
                  "keywords-found.png")
    desk.probe.click_id(found["hwnd"], IDCANCEL)
    desk.wait_gone(found["hwnd"])

    tabbed = open_tabbed_window(desk)
    tabs = desk.probe.control(tabbed["hwnd"], id=IDC_TABS)["hwnd"]
    vocabularies = desk.probe.control(tabbed["hwnd"], id=IDC_VOCAB_LIST)["hwnd"]
    desk.probe.listview_select(vocabularies, [0])
    first = pictures.take("vocabularies.png", tabbed["rect"])
    desk.probe.select_tab(tabs, 1)
    desk.wait_for(lambda: desk.probe.window(
        desk.probe.control(tabbed["hwnd"], id=IDC_KEYWORDS_LIST)["hwnd"])["visible"],
        message="the Keywords page")
    second = pictures.take("keywords.png", tabbed["rect"])
    side_by_side = os.path.join(pictures.work_dir, "pages.png")
    subprocess.run(["convert", first, "-size", f"{GAP}x1", "xc:white", second,
                    "-background", "white", "-gravity", "north", "+append", side_by_side],
                   check=True, timeout=60)
    pictures.save(side_by_side, "pages.png")
    key_sequences_picture(desk, pictures, tabbed, tabs)
    desk.probe.click_id(tabbed["hwnd"], IDCANCEL)
    desk.wait_gone(tabbed["hwnd"])

    demo.show_tray_menu()
    x, _ = desk.tray_point()
    # The menu over the end of the taskbar that holds its icon (Wine's taskbar has no
    # clock); its "Exit" ends the program.
    _, top, right, bottom = desk.taskbar_rect()
    pictures.save(pictures.take("menu.png", demo.menu["rect"], (x - 160, top, right, bottom)),
                  "tray-menu.png")
    demo.exit_from_menu()


def key_sequences_picture(desk, pictures, tabbed, tabs):
    """The Settings page's "Select text" key sequences, with the window-specific ones."""
    desk.probe.select_tab(tabs, 2)
    settings = desk.wait_for(lambda: desk.probe.control(tabbed["hwnd"], id=IDC_SETTINGS_SELECT_ALL),
                             message="the Settings page")
    desk.probe.click(settings["hwnd"])
    dialog = desk.wait_window(title=SELECT_TITLE, cls="#32770")
    pictures.save(pictures.take("sequences.png", dialog["rect"]), "key-sequences.png")
    desk.probe.click_id(dialog["hwnd"], IDCANCEL)
    desk.wait_gone(dialog["hwnd"])


def open_tabbed_window(desk):
    """A click on the tray icon opens the tabbed window on the Vocabularies page; a click
    Wine lost is one more."""
    def tabbed():
        for window in desk.probe.find_windows(title=TABBED_TITLE, cls="#32770"):
            if desk.probe.control(window["hwnd"], id=IDC_TABS):
                return window
        return None

    def click_tray_icon():
        desk.click(*desk.tray_point())
        return desk.wait_for(tabbed, timeout=10, message="the tabbed window")
    return run.with_retries(click_tray_icon)


def installer_picture(desk, pictures):
    driver = InstallerDriver(desk)
    window = driver.start()
    pictures.save(pictures.take("installer.png", window["rect"]), "installer.png")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    build_dir, out_dir = (os.path.abspath(arg) for arg in sys.argv[1:])
    os.environ.setdefault("ZF_BUILD_DIR", build_dir)
    os.environ.setdefault("ZF_E2E_TIMEOUT_SCALE", "3")
    os.makedirs(out_dir, exist_ok=True)
    with tempfile.TemporaryDirectory() as work_dir:
        with WineDesktop("screenshots") as desk:
            pictures = Pictures(desk, out_dir, work_dir)
            program_pictures(desk, pictures)
        with WineDesktop("screenshots-installer") as desk:
            installer_picture(desk, Pictures(desk, out_dir, work_dir))


if __name__ == "__main__":
    main()
