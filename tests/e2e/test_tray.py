"""The tray program's life: start-up with the quick-start page and the hidden main window,
the tray icon and its menu, the data file refused when foreign, a second start, and the ways
out ("Exit", Escape; Enter is none)."""

import os
import unittest

import zfdata
from zfids import IDCANCEL, IDOK
from zftabbed import Program
from zfwine import WineDesktop

PROGRAM_DIR = "C:\\Zembrafind"
PROGRAM = PROGRAM_DIR + "\\zfw32.exe"
DATA = PROGRAM_DIR + "\\data.dat"
WM_COMMAND = 0x0111


def start(desk, cwd=PROGRAM_DIR):
    program = desk.run(PROGRAM, cwd=cwd)
    desk.wait_window(title="kestrelwin", visible=None)
    desk.wait_for(desk.tray_icon_shown, message="the tray icon")
    return program


def choose_exit(desk):
    desk.open_tray_menu()
    desk.key("Up", "Return")  # the last item


class TrayProgramTest(unittest.TestCase):
    def test_start_menu_and_exit_without_writing(self):
        with WineDesktop("tray-life") as desk:
            desk.install_dist()
            data = zfdata.data_file(zfdata.sample_vocabularies())
            desk.write_file(DATA, data)
            data_stat = os.stat(desk.unix_path(DATA))
            program = start(desk)

            # Only the tray icon shows: the main window is hidden, at (0, 0), without size.
            main = desk.probe.find_window(title="kestrelwin", visible=None)
            self.assertFalse(main["visible"])
            left, top, right, bottom = main["rect"]
            self.assertEqual((0, 0), (left, top))
            self.assertLessEqual(right - left, 1)
            self.assertLessEqual(bottom - top, 1)

            # The quick-start page opened from the program's folder.
            desk.wait_for(lambda: any(p.lower().endswith("\\zembrafind\\zfqsf.htm")
                                      for p in desk.opened_pages()),
                          message="the quick-start page opened")

            popup = desk.probe.resource_menu(PROGRAM, "TRAY")[0]
            menu_items = [item["text"] for item in popup["items"]]
            self.assertEqual(["&Vocabularies", "", "&Settings", "&Help", "&About", "", "E&xit"],
                             menu_items)
            # What a click on the icon opens is the bold default item.
            self.assertEqual(["&Vocabularies"],
                             [item["text"] for item in popup["items"] if item["default"]])
            menu = desk.open_tray_menu()
            self.assertTrue(menu["visible"])
            desk.screenshot(os.path.join(artifacts(), "tray-menu.png"))
            desk.key("Escape")
            desk.wait_gone(menu["hwnd"])

            # Enter on the hidden window, which keeps the keys after its menu, ends nothing.
            desk.probe.send(main["hwnd"], WM_COMMAND, IDOK)
            desk.holds_for(lambda: program.poll() is None and desk.tray_icon_shown(), 1,
                           message="still running with its tray icon after Enter")

            choose_exit(desk)
            self.assertEqual(0, desk.wait_exit(program))
            desk.wait_for(lambda: not desk.tray_icon_shown(), message="the tray icon removed")
            # Nothing is saved at exit, and the quick-start page of the current folder went.
            self.assertEqual(data, desk.read_file(DATA))
            self.assertEqual(data_stat.st_mtime_ns, os.stat(desk.unix_path(DATA)).st_mtime_ns)
            self.assertFalse(exists(desk, PROGRAM_DIR, "zfqsf.htm"))

    def test_quick_start_page_stays_when_started_from_another_folder(self):
        with WineDesktop("tray-other-folder") as desk:
            desk.install_dist()
            desk.write_file("C:\\elsewhere\\zfqsf.htm", "<html>not ours to keep</html>")
            program = start(desk, cwd="C:\\elsewhere")
            # Escape (cancelling the hidden window) is a way out like "Exit".
            main = desk.probe.find_window(title="kestrelwin", visible=None)
            desk.probe.post(main["hwnd"], WM_COMMAND, IDCANCEL)
            self.assertEqual(0, desk.wait_exit(program))
            desk.wait_for(lambda: not desk.tray_icon_shown(), message="the tray icon removed")
            # Deleted from the current folder, left in the program's folder; and no data file
            # was written by a run that confirmed nothing.
            self.assertFalse(exists(desk, "C:\\elsewhere", "zfqsf.htm"))
            self.assertTrue(exists(desk, PROGRAM_DIR, "zfqsf.htm"))
            self.assertFalse(os.path.exists(desk.unix_path(DATA)))

    def test_foreign_data_file_is_refused_with_a_message(self):
        with WineDesktop("tray-foreign-data") as desk:
            desk.install_dist()
            foreign = b"PK\x03\x04 this is somebody else's file" + bytes(200)
            desk.write_file(DATA, foreign)
            program = desk.run(PROGRAM, cwd=PROGRAM_DIR)
            box = desk.wait_window(title="Zembrafind", cls="#32770")
            texts = [c["text"] for c in desk.probe.children(box["hwnd"])]
            self.assertIn("Data file load failed.", texts)
            desk.key("Return")
            desk.wait_for(desk.tray_icon_shown, message="the tray icon after the message")
            choose_exit(desk)
            self.assertEqual(0, desk.wait_exit(program))
            # The refused file is still there, untouched: nothing was confirmed.
            self.assertEqual(foreign, desk.read_file(DATA))


class SecondStartTest(unittest.TestCase):
    def test_second_start_shows_the_first_copy_and_ends(self):
        with WineDesktop("tray-second-start") as desk:
            data = zfdata.data_file(zfdata.sample_vocabularies())
            program = Program(desk, data)
            first = desk.probe.pids_of("zfw32.exe")
            second = desk.run(PROGRAM, cwd=PROGRAM_DIR)
            self.assertEqual(0, desk.wait_exit(second))
            # The first copy shows its Vocabularies page in front, as a click would.
            tabbed = program.wait_tabbed()
            desk.wait_for(lambda: (desk.probe.foreground() or {}).get("hwnd") == tabbed,
                          message="the first copy's tabbed window in front")
            self.assertEqual(0, program.selected_tab())
            self.assertEqual(first, desk.probe.pids_of("zfw32.exe"))
            self.assertFalse(desk.tray_icon_shown(1), "a second tray icon")

            # While the first is busy with its open window, that window comes to the front.
            notepad = desk.start_notepad("in front of the tabbed window\n", name="front.txt")
            desk.probe.set_foreground(notepad)
            desk.wait_for(lambda: (desk.probe.foreground() or {}).get("hwnd") == notepad,
                          message="notepad in front")
            third = desk.run(PROGRAM, cwd=PROGRAM_DIR)
            self.assertEqual(0, desk.wait_exit(third))
            desk.wait_for(lambda: (desk.probe.foreground() or {}).get("hwnd") == tabbed,
                          message="the tabbed window in front again")
            self.assertEqual(first, desk.probe.pids_of("zfw32.exe"))
            self.assertEqual(data, program.data())


def exists(desk, folder, name):
    """Whether the folder holds the file, in any letter case (as Windows sees it)."""
    return name.lower() in (entry.lower() for entry in os.listdir(desk.unix_path(folder)))


def artifacts():
    path = os.path.join(os.environ.get("ZF_BUILD_DIR", "../../build"), "screenshots", "tray")
    os.makedirs(path, exist_ok=True)
    return path


if __name__ == "__main__":
    unittest.main()
