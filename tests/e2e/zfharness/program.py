"""zfw32 under Wine: installed with a given data.dat and started (install_program,
start_program: the one way the tests, the demo and the benchmarks start it), and its tabbed
window and dialogs driven: the window opened from the tray menu, pages and dialogs found,
dialogs filled and confirmed, screenshots of single windows."""

import os
import subprocess

from zfharness import datafile
from zfharness.constants import (DATA_FILE, ID_NAMES, IDC_ABOUT_ICON, IDC_ENTRY_MATCH,
                                 IDC_ENTRY_TEXT, IDC_KEYWORDS_LIST, IDC_SETTINGS_SOUNDS,
                                 IDC_TABS, IDC_VOCAB_LIST, IDOK, MAIN_TITLE, PROGRAM_FOLDER,
                                 TABBED_TITLE)
from zfharness.desktop import build_dir

# The control that tells which page is up, per tab index.
PAGE_MARKERS = {0: IDC_VOCAB_LIST, 1: IDC_KEYWORDS_LIST, 2: IDC_SETTINGS_SOUNDS, 3: IDC_ABOUT_ICON}
# Down-arrow presses that reach each tray menu item (separators are skipped).
TRAY_MENU_STEPS = {"Vocabularies": 1, "Settings": 2, "Help": 3, "About": 4}
# The page each tray menu item opens.
TRAY_MENU_PAGES = {"Vocabularies": 0, "Settings": 2, "About": 3}

def install_program(desk, data=None, folder=PROGRAM_FOLDER):
    """Copies the built product into a folder of the prefix with `data` (bytes) as its
    data.dat, the file of a new store when None; returns the folder's Linux path."""
    target = desk.install_dist(folder)
    with open(os.path.join(target, "data.dat"), "wb") as out:
        out.write(datafile.data_file() if data is None else data)
    return target


def start_program(desk, folder=PROGRAM_FOLDER, cwd=None, wait=True):
    """Starts the zfw32.exe of an installed folder; its current folder is cwd, by default
    the program's own (where it looks for data.dat). With wait, returns once its hidden
    main window and its tray icon are there. Returns the Popen."""
    process = desk.run(folder + "\\zfw32.exe", cwd=cwd or folder)
    if wait:
        wait_started(desk)
    return process


def wait_started(desk):
    """Waits for a starting zfw32's hidden main window and tray icon; returns the main
    window's hwnd."""
    main = desk.wait_window(title=MAIN_TITLE, visible=None)["hwnd"]
    desk.wait_for(desk.tray_icon_shown, message="the tray icon")
    return main


def screenshot_dir():
    folder = os.path.join(build_dir(), "screenshots", "ui")
    os.makedirs(folder, exist_ok=True)
    return folder


def visible_page(probe, tabbed):
    """The tab index whose page is showing in the tabbed window (None when no page or
    several are)."""
    if not tabbed:
        raise AssertionError("no tabbed window to read the page of")
    shown = [page for page, marker in PAGE_MARKERS.items()
             if (probe.control(tabbed, id=marker) or {}).get("visible")]
    return shown[0] if len(shown) == 1 else None


def selected_tab(probe, tabbed):
    tabs = probe.control(tabbed, id=IDC_TABS) if tabbed else None
    if not tabs:
        raise AssertionError("no tab control to read the selected tab of")
    return probe.tab(tabs["hwnd"])["selected"]


def wait_page(desk, tabbed, page, what, in_front=False):
    """Waits until the tabbed window shows `page`: its tab selected and its page the only
    one showing (and, with in_front, the window in front); fails with what it showed."""
    def state():
        front = (desk.probe.foreground() or {}).get("hwnd") == tabbed
        return selected_tab(desk.probe, tabbed), visible_page(desk.probe, tabbed), front
    expected = (page, page, True)
    try:
        desk.wait_for(lambda: state()[:3 if in_front else 2] == expected[:3 if in_front else 2],
                      message=f"page {page} after {what}")
    except AssertionError as error:
        raise AssertionError(f"{error}; (selected tab, page showing, in front) is "
                             f"{state()}") from None


class Program:
    """zfw32 running in a WineDesktop with the data file it was given."""

    def __init__(self, desk, data=None, hold_data=False):
        """hold_data: the data file is held open without sharing (as another program may)
        while the program starts, until the test releases it (release_data); the texts
        of the message the program then shows at start-up are kept in start_up_message,
        and the message is closed with OK."""
        self.desk = desk
        self.probe = desk.probe
        self.folder = install_program(desk, data)
        self.data_path = os.path.join(self.folder, "data.dat")
        if hold_data:
            self.probe.hold_file(DATA_FILE)
        self.process = start_program(desk, wait=False)
        self.start_up_message = None
        if hold_data:
            box = desk.wait_for(lambda: self.message_box(None),
                                message="the start-up message about the data file")
            self.start_up_message = [c["text"] for c in self.probe.children(box)]
            self.probe.click_id(box, IDOK)
            self.wait_closed(box)
        self.main = wait_started(desk)

    def data(self, name="data.dat"):
        """The bytes of data.dat, or of another file of the program's folder."""
        with open(os.path.join(self.folder, name), "rb") as source:
            return source.read()

    def release_data(self):
        self.probe.release_file(DATA_FILE)

    # -- the tabbed window --------------------------------------------------------------

    def open_from_tray_menu(self, item):
        """Chooses a tray menu item with the keyboard; returns the tabbed window's hwnd
        once it is in front with the item's page up (its tab selected, its page alone
        showing).

        Under Wine the menu's keys can go astray when another program was in front just
        before; a menu still open or no tabbed window after them is one more try."""
        for _ in range(3):
            self.desk.open_tray_menu()
            self.desk.key(*(["Down"] * TRAY_MENU_STEPS[item]), "Return")
            try:
                tabbed = self.desk.wait_for(self.tabbed, timeout=10,
                                            message="the tabbed window")
                break
            except AssertionError:
                if self.probe.find_window(cls="#32768"):
                    self.desk.key("Escape")
        else:
            tabbed = self.wait_tabbed()
        self.wait_page_in_front(tabbed, TRAY_MENU_PAGES[item], f'"{item}"')
        return tabbed

    def wait_page_in_front(self, tabbed, page, what):
        wait_page(self.desk, tabbed, page, what, in_front=True)

    def wait_tabbed(self):
        return self.desk.wait_for(self.tabbed, message="the tabbed window")

    def tabbed(self):
        """The tabbed window: the "Zembrafind" dialog that holds the tab control."""
        for window in self.probe.find_windows(title=TABBED_TITLE, cls="#32770"):
            if self.probe.control(window["hwnd"], id=IDC_TABS):
                return window["hwnd"]
        return None

    def control(self, control_id, window=None):
        """The hwnd of a control of the window (the tabbed window by default); fails
        naming the control and the window when either is missing."""
        name = ID_NAMES.get(control_id, control_id)
        parent = window or self.tabbed()
        if not parent:
            raise AssertionError(f"no tabbed window to find control {name} in")
        found = self.probe.control(parent, id=control_id)
        if found is None:
            raise AssertionError(f"no control {name} in window {parent}")
        return found["hwnd"]

    def visible_page(self):
        """The tab index whose page is showing (None when no page or several are)."""
        return visible_page(self.probe, self.tabbed())

    def selected_tab(self):
        return selected_tab(self.probe, self.tabbed())

    def show_tab(self, index):
        self.probe.select_tab(self.control(IDC_TABS), index)
        self.desk.wait_for(lambda: self.visible_page() == index, message=f"page {index}")

    def click(self, control_id, window=None):
        self.probe.click(self.control(control_id, window))

    def finish(self, button):
        """Presses the tabbed window's OK or Cancel and waits for it to close."""
        tabbed = self.tabbed()
        self.click(button, tabbed)
        self.desk.wait_for(lambda: self.probe.window(tabbed) is None,
                           message="the tabbed window closing")
        self.desk.wait_for(lambda: not self.tabbed(), message="no tabbed window")

    # -- dialogs ------------------------------------------------------------------------

    def wait_dialog(self, title):
        return self.desk.wait_for(lambda: self.probe.find_window(title=title, cls="#32770"),
                                  message=f'the "{title}" dialog')["hwnd"]

    def message_box(self, tabbed):
        """The program's message box (caption "Zembrafind", like the tabbed window), or
        None."""
        for window in self.probe.find_windows(title=TABBED_TITLE, cls="#32770"):
            if window["hwnd"] != tabbed:
                return window["hwnd"]
        return None

    def wait_closed(self, hwnd):
        self.desk.wait_for(lambda: self.probe.window(hwnd) is None, message="dialog closed")

    def keyword_dialog(self, opener, text, mode, shot=None):
        """Opens the "Keywords" dialog with `opener` (a button id of the Keywords page),
        enters text and mode, and confirms."""
        self.click(opener)
        dialog = self.wait_dialog("Keywords")
        self.probe.set_text(self.control(IDC_ENTRY_TEXT, dialog), text)
        self.probe.select_combo(self.control(IDC_ENTRY_MATCH, dialog), mode)
        if shot:
            self.window_shot(dialog, shot)
        self.click(IDOK, dialog)
        self.wait_closed(dialog)

    # -- pictures -----------------------------------------------------------------------

    def window_shot(self, hwnd, name):
        """Screenshot of one window's rectangle into build/screenshots/ui/<name>.png."""
        # Away from the tray, whose tooltip would cover the window's corner.
        self.desk.move(2, 2)
        left, top, right, bottom = self.probe.window(hwnd)["rect"]

        def covers_the_window(tip):
            tip_left, tip_top, tip_right, tip_bottom = tip["rect"]
            return tip_left < right and tip_top < bottom and tip_right > left and tip_bottom > top

        def pointer_away_and_no_tooltip_over_the_window():
            tips = self.probe.find_windows(cls="tooltips_class32")
            return self.probe.cursor() == (2, 2) and not any(map(covers_the_window, tips))
        self.desk.wait_for(pointer_away_and_no_tooltip_over_the_window)
        # One whole-screen picture per test process: two tests run at once.
        full = os.path.join(screenshot_dir(), f"_screen-{os.getpid()}.png")
        self.desk.screenshot(full)
        target = os.path.join(screenshot_dir(), name + ".png")
        subprocess.run(["convert", full, "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                        "+repage", target], check=True, timeout=60)
        os.remove(full)
        return target
