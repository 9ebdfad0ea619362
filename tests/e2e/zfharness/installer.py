"""Drives install.exe and uninstzfw.exe on a WineDesktop the way a user would: their
windows, message boxes, the files they leave and the Start menu folders."""

import glob
import os
import shutil

from zfharness.constants import (CAPTION, DEFAULT_FOLDER, IDC_DEST_FOLDER, IDC_DEST_STARTUP,
                                 IDOK, MESSAGE_TEXT_ID)
from zfharness.desktop import build_dir

SETUP_FOLDER = "C:\\setup"

INSTALLED_NAMES = ["README.TXT", "ZFW32.EXE", "UNINSTZFW.EXE", "ZFHELP.HTM", "ZFQS.HTM",
                   "ZFQSF.HTM", "ZFWOTHER.HTM", "TARGET.GIF", "DATA.DAT", "LICENSE.TXT",
                   "TYPE.WAV", "WHOOSH.WAV"]


def screenshot_path(name):
    return os.path.join(build_dir(), "screenshots", "installer", name)


class InstallerDriver:
    """One run of the installer on desk; the setup folder holds build/dist."""

    def __init__(self, desk, setup=SETUP_FOLDER):
        self.desk = desk
        self.probe = desk.probe
        self.setup = setup
        self.process = None
        self.pid = None
        if not os.path.isdir(desk.unix_path(setup)):
            desk.install_dist(setup)

    # -- the program --------------------------------------------------------------------

    def start(self, program="install.exe", title="Destination"):
        """Starts the program from the setup folder and returns its first window."""
        self.process = self.desk.run(f"{self.setup}\\{program}", cwd=self.setup)
        window = self.desk.wait_for(lambda: self.probe.find_window(title=title),
                                    message=f'the "{title}" window')
        self.pid = window["pid"]
        return window

    def wait_end(self, timeout=60):
        code = self.desk.wait_exit(self.process, timeout)
        self.desk.wait_for(lambda: not self.probe.alive(self.pid), message="the process gone")
        return code

    def window(self, title):
        return self.probe.find_window(title=title, pid=self.pid)

    def wait_window(self, title):
        return self.desk.wait_for(lambda: self.window(title), message=f'the "{title}" window')

    def item(self, window, control_id):
        return self.probe.control(window["hwnd"], id=control_id)

    def item_text(self, window, control_id):
        return self.probe.text(self.item(window, control_id)["hwnd"])

    def checked(self, window, control_id):
        return self.probe.check_state(self.item(window, control_id)["hwnd"]) == 1

    # -- message boxes ------------------------------------------------------------------

    def message_box(self, caption=CAPTION):
        """The open message box of the program (an owned or unowned window with the
        caption and a text control), as {hwnd, text}, or None."""
        for window in self.probe.find_windows(title=caption, pid=self.pid):
            text = self.probe.control(window["hwnd"], id=MESSAGE_TEXT_ID)
            if text is not None:
                return {"hwnd": window["hwnd"], "text": text["text"]}
        return None

    def wait_message(self, caption=CAPTION):
        return self.desk.wait_for(lambda: self.message_box(caption),
                                  message=f'a "{caption}" message box')

    def answer(self, expected_text, button, caption=CAPTION):
        """Waits for the message box, checks its text, presses the button."""
        box = self.wait_message(caption)
        assert box["text"] == expected_text, f"message box says {box['text']!r}"
        self.probe.click_id(box["hwnd"], button)
        self.desk.wait_for(lambda: self.probe.window(box["hwnd"]) is None,
                           message="the message box closed")

    # -- the installer's steps ------------------------------------------------------------

    def choose(self, folder=None, startup=True):
        """Fills in the "Destination" window and presses OK; returns "Confirmation"."""
        destination = self.wait_window("Destination")
        if folder is not None:
            self.probe.set_text(self.item(destination, IDC_DEST_FOLDER)["hwnd"], folder)
        if self.checked(destination, IDC_DEST_STARTUP) != startup:
            self.probe.click_id(destination["hwnd"], IDC_DEST_STARTUP)
            self.desk.wait_for(lambda: self.checked(destination, IDC_DEST_STARTUP) == startup,
                               message="the check box changed")
        self.probe.click_id(destination["hwnd"], IDOK)
        return self.wait_window("Confirmation")

    def install(self, folder=None, startup=True):
        """A whole installation answered "Yes"; waits for the installer's end."""
        self.start()
        confirmation = self.choose(folder, startup)
        self.probe.click_id(confirmation["hwnd"], IDOK)
        return self.wait_end()

    # -- what the installation left -------------------------------------------------------

    def folder_names(self, folder=DEFAULT_FOLDER):
        path = self.desk.unix_path(folder)
        return sorted(os.listdir(path)) if os.path.isdir(path) else []

    def programs_folder(self):
        """The Linux path of the user's Start menu "Programs" folder."""
        users = os.path.join(self.desk.drive_c(), "users")
        for pattern in ("*/AppData/Roaming/Microsoft/Windows/Start Menu/Programs",
                        "*/Start Menu/Programs"):
            for found in glob.glob(os.path.join(users, pattern)):
                if not os.path.basename(os.path.dirname(os.path.dirname(found))) == "Public":
                    return found
        raise AssertionError("no Start menu Programs folder in the prefix")

    def programs_folder_windows(self):
        return self.desk.windows_path(self.programs_folder())

    def group_folder(self, group):
        """The Linux path of a Start menu group's folder (Windows names ignore letter
        case: Wine's "Startup" folder is "StartUp"), or None."""
        programs = self.programs_folder()
        for name in os.listdir(programs):
            if name.lower() == group.lower() and os.path.isdir(os.path.join(programs, name)):
                return os.path.join(programs, name)
        return None

    def group_items(self, group):
        folder = self.group_folder(group)
        return sorted(os.listdir(folder)) if folder else []

    def shortcut(self, group, name):
        """The Linux path of a Start menu shortcut, or None when it does not exist."""
        folder = self.group_folder(group)
        path = os.path.join(folder, name + ".lnk") if folder else None
        return path if path and os.path.exists(path) else None

    def remove_setup_file(self, name):
        os.remove(os.path.join(self.desk.unix_path(self.setup), name))

    def copy_setup(self, target):
        shutil.copytree(self.desk.unix_path(self.setup), self.desk.unix_path(target))


def shortcut_target(path):
    """The target path a .lnk names, lower-cased (ANSI or UTF-16 form)."""
    with open(path, "rb") as link:
        data = link.read()
    texts = [data.decode("latin-1"), data.decode("utf-16-le", errors="ignore")]
    return " ".join(texts).lower()


def start_shortcut(desk, link_path, cwd="C:\\windows"):
    """Opens a Start menu shortcut the way the shell does, from another folder."""
    return desk.run("start.exe", cwd=cwd, args=[desk.windows_path(link_path)])
