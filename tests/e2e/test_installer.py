"""install.exe under Wine, with Wine's own Program Manager DDE server and file system:
the default installation, a second one over it, a typed folder without Startup, a
missing file, refused folders and the ways to quit."""

import os
import unittest

from zfharness.constants import (CAPTION, DEFAULT_FOLDER, IDC_CONFIRM_FOLDER, IDC_CONFIRM_STARTUP,
                                 IDC_DEST_BROWSE, IDC_DEST_FOLDER, IDC_DEST_STARTUP,
                                 IDC_PROGRESS_BAR, IDC_PROGRESS_DESTINATION, IDC_PROGRESS_SOURCE,
                                 IDCANCEL, IDNO, IDOK, IDYES, TVGN_CARET, TVM_GETNEXTITEM,
                                 WM_CLOSE, WM_COMMAND)
from zfharness.desktop import WineDesktop, dist_dir
from zfharness.installer import (INSTALLED_NAMES, InstallerDriver, screenshot_path,
                                 shortcut_target, start_shortcut)

CANNOT_CREATE = "Cannot create specified directory."


def dist_bytes(name):
    with open(os.path.join(dist_dir(), name), "rb") as source:
        return source.read()


class InstallerTest(unittest.TestCase):
    def test_default_installation_second_installation_and_start_from_the_menu(self):
        with WineDesktop("installer-default") as desk:
            inst = InstallerDriver(desk)
            destination = inst.start()
            self.assertEqual(DEFAULT_FOLDER, inst.item_text(destination, IDC_DEST_FOLDER))
            self.assertTrue(inst.checked(destination, IDC_DEST_STARTUP))
            background = inst.window(CAPTION)
            self.assertEqual([-3, -3, 1027, 771], background["rect"], "shown maximized")
            desk.screenshot(screenshot_path("1-banner-and-destination.png"))
            self.check_banner(desk)

            confirmation = inst.choose()
            self.assertEqual(DEFAULT_FOLDER, inst.item_text(confirmation, IDC_CONFIRM_FOLDER))
            startup_box = inst.item(confirmation, IDC_CONFIRM_STARTUP)
            self.assertFalse(startup_box["enabled"])
            self.assertTrue(inst.checked(confirmation, IDC_CONFIRM_STARTUP))
            desk.screenshot(screenshot_path("2-confirmation.png"))
            desk.probe.click_id(confirmation["hwnd"], IDOK)
            inst.wait_end()
            self.assert_installed(inst, DEFAULT_FOLDER)
            self.assertEqual(dist_bytes("+data.dat"), desk.read_file(DEFAULT_FOLDER + "\\DATA.DAT"))
            self.assert_group(inst, "c:\\program files\\zembrafind\\", startup=True)

            # The user's data survives a second installation; the rest is replaced.
            users_data = b"the user's own vocabularies"
            desk.write_file(DEFAULT_FOLDER + "\\DATA.DAT", users_data)
            desk.write_file(DEFAULT_FOLDER + "\\README.TXT", b"changed")
            inst.install()
            self.assertEqual(users_data, desk.read_file(DEFAULT_FOLDER + "\\DATA.DAT"))
            self.assertEqual(dist_bytes("readme.txt"), desk.read_file(DEFAULT_FOLDER + "\\README.TXT"))
            self.assert_group(inst, "c:\\program files\\zembrafind\\", startup=True)

            self.check_program_finds_its_data_file(desk, inst)

    def check_banner(self, desk):
        """Slate all over, and a red bar two pixels high that ends 30 pixels short of
        the right edge (maximized, the client area spans the screen's width)."""
        slate, red = (80, 120, 140), (220, 0, 0)
        self.assertEqual(slate, desk.probe.pixel(900, 600))
        rows = [y for y in range(20, 160) if desk.probe.pixel(980, y) == red]
        self.assertEqual(2, len(rows), rows)
        self.assertEqual(rows[0] + 1, rows[1])
        reds = [x for x in range(985, 1000) if desk.probe.pixel(x, rows[0]) == red]
        self.assertEqual(1024 - 31, reds[-1], "the bar ends 30 px before the edge")

    def check_program_finds_its_data_file(self, desk, inst):
        """Started from the shortcut (which names no working folder), the program reads
        the data file of its own folder: a foreign one there is refused aloud, the
        shipped one is loaded silently."""
        link = inst.shortcut("Zembrafind", "Zembrafind")
        start_shortcut(desk, link)
        failure = desk.wait_for(lambda: self.program_message(desk), timeout=60,
                                message="zfw32's message about the foreign data file")
        self.assertEqual("Data file load failed.", failure["text"])
        desk.probe.kill(failure["pid"])
        desk.wait_for(lambda: not desk.probe.pids_of("zfw32.exe"), message="zfw32 ended")

        desk.write_file(DEFAULT_FOLDER + "\\DATA.DAT", dist_bytes("+data.dat"))
        start_shortcut(desk, link)
        pid = desk.wait_for(lambda: desk.probe.pids_of("zfw32.exe"), message="zfw32 running")[0]
        desk.holds_for(lambda: self.program_message(desk) is None and desk.probe.alive(pid), 3,
                       message="zfw32 running without a message")
        desk.probe.kill(pid)

    @staticmethod
    def program_message(desk):
        for pid in desk.probe.pids_of("zfw32.exe"):
            for window in desk.probe.find_windows(pid=pid, cls="#32770"):
                text = desk.probe.control(window["hwnd"], id=0xFFFF)
                if text is not None:
                    return {"pid": pid, "text": text["text"]}
        return None

    def assert_installed(self, inst, folder, names=INSTALLED_NAMES):
        self.assertEqual(sorted(names), inst.folder_names(folder))
        for name in names:
            if name != "DATA.DAT":
                self.assertEqual(dist_bytes(self.dist_name(name)),
                                 inst.desk.read_file(folder + "\\" + name), name)

    @staticmethod
    def dist_name(installed):
        for name in os.listdir(dist_dir()):
            if name.upper() == installed:
                return name
        raise AssertionError(f"{installed} is not in the distribution")

    def assert_group(self, inst, folder, startup):
        program = inst.shortcut("Zembrafind", "Zembrafind")
        uninstall = inst.shortcut("Zembrafind", "Uninstall")
        self.assertIsNotNone(program, "the group's Zembrafind shortcut")
        self.assertIsNotNone(uninstall, "the group's Uninstall shortcut")
        self.assertIn(folder + "zfw32.exe", shortcut_target(program))
        self.assertIn(folder + "uninstzfw.exe", shortcut_target(uninstall))
        in_startup = inst.shortcut("Startup", "Zembrafind")
        if startup:
            self.assertIsNotNone(in_startup, "the Startup shortcut")
            self.assertIn(folder + "zfw32.exe", shortcut_target(in_startup))
        else:
            self.assertIsNone(in_startup)

    def test_typed_folder_with_trailing_backslash_and_no_startup(self):
        with WineDesktop("installer-typed") as desk:
            inst = InstallerDriver(desk)
            desk.write_file(inst.programs_folder_windows() + "\\StartUp\\Other.lnk", b"x")
            before = inst.group_items("Startup")
            inst.install("C:\\Zembra\\", startup=False)
            self.assert_installed(inst, "C:\\Zembra")
            # The folder goes to the shell as typed, without its trailing backslash.
            self.assert_group(inst, "c:\\zembra\\", startup=False)
            self.assertEqual(["Other.lnk"], before)
            self.assertEqual(before, inst.group_items("Startup"), "Startup is not touched")

    def test_missing_sound_stops_after_ten_files_without_a_group(self):
        with WineDesktop("installer-missing") as desk:
            inst = InstallerDriver(desk)
            inst.remove_setup_file("type.wav")
            inst.start()
            desk.probe.click_id(inst.choose()["hwnd"], IDOK)
            box = inst.wait_message()
            self.assertEqual('Cannot copy file "C:\\SETUP\\TYPE.WAV" to destination directory.',
                             box["text"])
            progress = inst.window("Progress")
            self.assertEqual("C:\\SETUP\\TYPE.WAV", inst.item_text(progress, IDC_PROGRESS_SOURCE))
            self.assertEqual("C:\\PROGRAM FILES\\ZEMBRAFIND\\TYPE.WAV",
                             inst.item_text(progress, IDC_PROGRESS_DESTINATION))
            self.assertTrue(inst.item(progress, IDC_PROGRESS_BAR)["visible"])
            desk.screenshot(screenshot_path("3-progress-and-copy-failure.png"))
            inst.answer(box["text"], IDOK)
            inst.answer("Installation failed.", IDOK)
            inst.wait_end()
            self.assertEqual(sorted(INSTALLED_NAMES[:10]), inst.folder_names())
            self.assertIsNone(inst.shortcut("Zembrafind", "Zembrafind"))
            self.assertIsNone(inst.group_folder("Zembrafind"))

    def test_browse_fills_in_the_folder_and_keeps_the_check_box(self):
        with WineDesktop("installer-browse") as desk:
            inst = InstallerDriver(desk)
            destination = inst.start()
            desk.probe.click_id(destination["hwnd"], IDC_DEST_STARTUP)
            browser = self.open_browser(desk, inst, destination)
            desk.probe.click_id(browser["hwnd"], IDCANCEL)
            desk.wait_for(lambda: inst.window("Browse for Folder") is None, message="closed")
            self.assertEqual(DEFAULT_FOLDER, inst.item_text(destination, IDC_DEST_FOLDER))

            browser = self.open_browser(desk, inst, destination)
            desk.screenshot(screenshot_path("8-folder-browser.png"))
            # Under the desktop at the top come "/" (drive Z) and the user's Documents.
            tree = desk.probe.control(browser["hwnd"], cls="SysTreeView32")
            selected = desk.probe.send(tree["hwnd"], TVM_GETNEXTITEM, TVGN_CARET)
            desk.click(tree["rect"][0] + 60, tree["rect"][1] + 40)
            desk.wait_for(lambda: desk.probe.send(tree["hwnd"], TVM_GETNEXTITEM, TVGN_CARET)
                          != selected, message="the clicked folder selected")
            desk.probe.click_id(browser["hwnd"], IDOK)
            desk.wait_for(lambda: inst.window("Browse for Folder") is None, message="closed")
            folder = inst.item_text(destination, IDC_DEST_FOLDER)
            # Wine's shell gives this folder's path with a trailing backslash.
            self.assertRegex(folder, r"^C:\\users\\[^\\]+\\Documents\\?$")
            self.assertFalse(inst.checked(destination, IDC_DEST_STARTUP))

    def open_browser(self, desk, inst, destination):
        desk.probe.click_id(destination["hwnd"], IDC_DEST_BROWSE)
        browser = inst.wait_window("Browse for Folder")
        self.assertIsNotNone(desk.probe.control(browser["hwnd"], text="Browse for folder:"))
        return browser

    def test_read_only_location_is_refused_or_ends_with_the_copy_failure(self):
        with WineDesktop("installer-read-only") as desk:
            inst = InstallerDriver(desk)
            inst.start()
            desk.probe.click_id(inst.choose("Z:\\proc\\Zembrafind")["hwnd"], IDOK)
            inst.answer(CANNOT_CREATE, IDOK)
            confirmation = inst.window("Confirmation")
            desk.probe.click_id(confirmation["hwnd"], IDCANCEL)
            desk.wait_for(lambda: inst.window("Confirmation") is None, message="closed")
            # An existing folder that takes no files: the first copy fails.
            desk.probe.click_id(inst.choose("Z:\\proc")["hwnd"], IDOK)
            inst.answer('Cannot copy file "C:\\SETUP\\README.TXT" to destination directory.', IDOK)
            inst.answer("Installation failed.", IDOK)
            inst.wait_end()
            self.assertIsNone(inst.group_folder("Zembrafind"))
            self.check_installer_in_a_folder_too_long_for_its_path(desk)

    def check_installer_in_a_folder_too_long_for_its_path(self, desk):
        """The installer reads its own path into 128 bytes; a longer one is refused
        rather than cut into the name of some other folder."""
        folder = "C:\\" + "s" * 120
        inst = InstallerDriver(desk, setup=folder)
        inst.process = desk.run(folder + "\\install.exe", cwd=folder)
        box = desk.wait_for(lambda: desk.probe.find_window(title=CAPTION), message="the refusal")
        inst.pid = box["pid"]
        inst.answer("The installation program's folder name is too long. Please copy the "
                    "installation files to a folder with a shorter name and start install.exe "
                    "from there.", IDOK)
        inst.wait_end()
        self.assertFalse(os.path.exists(desk.unix_path(DEFAULT_FOLDER)))

    def test_refused_folders_and_the_ways_to_quit(self):
        with WineDesktop("installer-refused") as desk:
            inst = InstallerDriver(desk)
            inst.start()
            # The rules on the folder's name alone (empty, length, characters, a blank or a
            # dot at the end) are the installer's unit tests'; here the file system decides.
            refused = [
                ("C:\\New\\Deeper", CANNOT_CREATE),
                ("C:\\setup\\install.exe", CANNOT_CREATE),
            ]
            for index, (folder, message) in enumerate(refused):
                confirmation = inst.choose(folder)
                desk.probe.click_id(confirmation["hwnd"], IDOK)
                if index == 0:
                    inst.wait_message()
                    desk.screenshot(screenshot_path("4-refused-folder.png"))
                inst.answer(message, IDOK)
                self.assertIsNotNone(inst.window("Confirmation"), "stays open after " + message)
                desk.probe.click_id(confirmation["hwnd"], IDCANCEL)
                desk.wait_for(lambda: inst.window("Confirmation") is None,
                              message="back to Destination")
            self.assertFalse(os.path.exists(desk.unix_path("C:\\New")))
            self.check_quitting_can_be_declined(desk, inst, refused[-1][0])

            destination = inst.window("Destination")
            desk.probe.click_id(destination["hwnd"], IDCANCEL)
            inst.answer("Do you want to quit installation?", IDYES)
            inst.wait_end()
            self.assertFalse(os.path.exists(desk.unix_path(DEFAULT_FOLDER)))

    def test_quitting_while_confirmation_is_open_installs_nothing(self):
        with WineDesktop("installer-quit-confirming") as desk:
            inst = InstallerDriver(desk)
            inst.start()
            confirmation = inst.choose()
            # Modal over every window of the installer, not only over its owner.
            self.assertFalse(inst.window(CAPTION)["enabled"])
            self.assertFalse(inst.window("Destination")["enabled"])
            # Closing the background window still reaches it (as the task list's
            # "End Task" does) and asks; "Yes" ends the installer with nothing made.
            desk.probe.post(inst.window(CAPTION)["hwnd"], WM_CLOSE, 0, 0)
            inst.wait_message()
            self.assertFalse(desk.probe.window(confirmation["hwnd"])["enabled"])
            inst.answer("Do you really want to quit installation ?", IDYES)
            inst.wait_end()
            self.assertFalse(os.path.exists(desk.unix_path(DEFAULT_FOLDER)))
            self.assertIsNone(inst.group_folder("Zembrafind"))

    def check_quitting_can_be_declined(self, desk, inst, folder):
        destination = inst.window("Destination")
        desk.probe.click_id(destination["hwnd"], IDC_DEST_STARTUP)
        desk.probe.click_id(destination["hwnd"], IDCANCEL)
        question = inst.wait_message()
        desk.screenshot(screenshot_path("5-quit-question.png"))
        inst.answer("Do you want to quit installation?", IDNO)
        # Esc in the "Destination" window asks the same; Cancel declines too.
        desk.probe.set_foreground(destination["hwnd"])
        desk.key("Escape")
        inst.answer("Do you want to quit installation?", IDCANCEL)
        self.assertTrue(question)
        background = inst.window(CAPTION)
        desk.probe.post(background["hwnd"], WM_COMMAND, IDCANCEL, 0)
        inst.wait_message()
        self.assertFalse(inst.window("Destination")["enabled"], "modal over Destination too")
        inst.answer("Do you really want to quit installation ?", IDNO)
        destination = inst.window("Destination")
        self.assertIsNotNone(destination)
        self.assertTrue(destination["visible"])
        self.assertEqual(folder, inst.item_text(destination, IDC_DEST_FOLDER))
        self.assertFalse(inst.checked(destination, IDC_DEST_STARTUP))


if __name__ == "__main__":
    unittest.main()
