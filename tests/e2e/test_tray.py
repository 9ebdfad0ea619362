"""The tray program's life: start-up with the quick-start page and the hidden main window,
the tray icon and its menu, the data file refused when foreign, a second start (during the
start-up's message too), one copy per installation, and the ways out ("Exit", Escape, the
end of the Windows session; Enter is none)."""

import os
import signal
import unittest

from zfharness import datafile
from zfharness.constants import (DATA_FILE, IDC_TABS, IDCANCEL, IDOK, MAIN_TITLE, PROGRAM,
                                 PROGRAM_FOLDER, TABBED_TITLE, WM_COMMAND, WM_ENDSESSION)
from zfharness.desktop import WineDesktop
from zfharness.program import Program, install_program, start_program


def start_with_samples(test, desk):
    """Installs, writes a data file of the sample vocabularies and starts the program.
    Returns the program and a check that the data file was not written since."""
    data = datafile.data_file(datafile.sample_vocabularies())
    install_program(desk, data)
    data_stat = os.stat(desk.unix_path(DATA_FILE))
    program = start_program(desk)

    def data_unwritten():
        test.assertEqual(data, desk.read_file(DATA_FILE))
        test.assertEqual(data_stat.st_mtime_ns, os.stat(desk.unix_path(DATA_FILE)).st_mtime_ns)
    return program, data_unwritten


def choose_exit(desk):
    desk.open_tray_menu()
    desk.key("Up", "Return")  # the last item


class TrayProgramTest(unittest.TestCase):
    def test_start_menu_and_exit_without_writing(self):
        with WineDesktop("tray-life") as desk:
            program, data_unwritten = start_with_samples(self, desk)

            # Only the tray icon shows: the main window is hidden, at (0, 0), without size.
            main = desk.probe.find_window(title=MAIN_TITLE, visible=None)
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
            data_unwritten()
            self.assertFalse(exists(desk, PROGRAM_FOLDER, "zfqsf.htm"))

    def test_quick_start_page_stays_when_started_from_another_folder(self):
        with WineDesktop("tray-other-folder") as desk:
            desk.install_dist()
            desk.write_file("C:\\elsewhere\\zfqsf.htm", "<html>not ours to keep</html>")
            program = start_program(desk, cwd="C:\\elsewhere")
            # Escape (cancelling the hidden window) is a way out like "Exit".
            main = desk.probe.find_window(title=MAIN_TITLE, visible=None)
            desk.probe.post(main["hwnd"], WM_COMMAND, IDCANCEL)
            self.assertEqual(0, desk.wait_exit(program))
            desk.wait_for(lambda: not desk.tray_icon_shown(), message="the tray icon removed")
            # Deleted from the current folder, left in the program's folder; and no data file
            # was written by a run that confirmed nothing.
            self.assertFalse(exists(desk, "C:\\elsewhere", "zfqsf.htm"))
            self.assertTrue(exists(desk, PROGRAM_FOLDER, "zfqsf.htm"))
            self.assertFalse(os.path.exists(desk.unix_path(DATA_FILE)))

    def test_end_of_the_session_removes_the_icon_and_the_quick_start_page(self):
        with WineDesktop("tray-end-session") as desk:
            program, data_unwritten = start_with_samples(self, desk)
            main = desk.probe.find_window(title=MAIN_TITLE, visible=None)
            # What Windows sends every program when the session ends.
            desk.probe.send(main["hwnd"], WM_ENDSESSION, 1, 0)
            desk.wait_for(lambda: not desk.tray_icon_shown(), message="the tray icon removed")
            self.assertFalse(exists(desk, PROGRAM_FOLDER, "zfqsf.htm"))
            # Nothing more: nothing saved, and the process is the system's to end.
            data_unwritten()
            self.assertIsNone(program.poll())

    def test_foreign_data_file_is_refused_with_a_message(self):
        with WineDesktop("tray-foreign-data") as desk:
            foreign = b"PK\x03\x04 this is somebody else's file" + bytes(200)
            install_program(desk, foreign)
            program = start_program(desk, wait=False)
            box = desk.wait_window(title=TABBED_TITLE, cls="#32770")
            texts = [c["text"] for c in desk.probe.children(box["hwnd"])]
            self.assertIn("Data file load failed.", texts)
            desk.key("Return")
            desk.wait_for(desk.tray_icon_shown, message="the tray icon after the message")
            choose_exit(desk)
            self.assertEqual(0, desk.wait_exit(program))
            # The refused file is still there, untouched: nothing was confirmed.
            self.assertEqual(foreign, desk.read_file(DATA_FILE))


class SecondStartTest(unittest.TestCase):
    def test_second_start_shows_the_first_copy_and_ends(self):
        with WineDesktop("tray-second-start") as desk:
            data = datafile.data_file(datafile.sample_vocabularies())
            program = Program(desk, data)
            first = desk.probe.pids_of("zfw32.exe")
            second = start_program(desk, wait=False)
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
            third = start_program(desk, wait=False)
            self.assertEqual(0, desk.wait_exit(third))
            desk.wait_for(lambda: (desk.probe.foreground() or {}).get("hwnd") == tabbed,
                          message="the tabbed window in front again")
            self.assertEqual(first, desk.probe.pids_of("zfw32.exe"))
            self.assertEqual(data, program.data())


    def test_second_start_during_the_start_up_message_waits_until_start_up_has_finished(self):
        with WineDesktop("tray-second-start-early") as desk:
            install_program(desk, b"PK\x03\x04 not a data file" + bytes(100))
            program = start_program(desk, wait=False)
            box = desk.wait_window(title=TABBED_TITLE, cls="#32770")
            second = start_program(desk, wait=False)
            self.assertEqual(0, desk.wait_exit(second))
            # The message's loop takes the request, but nothing opens under it: the tray
            # icon and the drag do not exist yet.
            desk.holds_for(lambda: self.tabbed_windows(desk) == [] and
                           desk.probe.window(box["hwnd"]) is not None, 2,
                           message="only the start-up message while it shows")
            desk.probe.click_id(box["hwnd"], IDOK)
            # Then the request is answered as a click would be: the Vocabularies page.
            desk.wait_for(desk.tray_icon_shown, message="the tray icon after the message")
            tabbed = desk.wait_for(lambda: self.tabbed_windows(desk),
                                   message="the Vocabularies page after start-up")
            self.assertEqual(1, len(tabbed))
            self.assertEqual(0, desk.probe.tab(desk.probe.control(tabbed[0],
                                                                  id=IDC_TABS)["hwnd"])["selected"])
            self.assertIsNone(program.poll())

    def test_copies_of_two_installations_run_side_by_side(self):
        with WineDesktop("tray-two-installations") as desk:
            desk.install_dist()
            desk.install_dist("C:\\Other")
            first = start_program(desk)
            first_pid = desk.probe.pids_of("zfw32.exe")
            other = start_program(desk, "C:\\Other", wait=False)
            desk.wait_for(lambda: desk.tray_icon_shown(1), message="the other installation's icon")
            desk.holds_for(lambda: other.poll() is None, 2,
                           message="the other installation's copy running")
            # A second start of the first installation, spelled as the Start menu may spell
            # it, reaches its own copy and no other.
            again = desk.run("c:\\zembrafind\\ZFW32.EXE", cwd=PROGRAM_FOLDER)
            self.assertEqual(0, desk.wait_exit(again))
            tabbed = desk.wait_for(lambda: self.tabbed_windows(desk),
                                   message="a Vocabularies page")
            self.assertEqual(1, len(tabbed))
            self.assertEqual(first_pid, [desk.probe.window(tabbed[0])["pid"]])
            self.assertEqual(2, len(desk.probe.pids_of("zfw32.exe")))
            self.assertIsNone(first.poll())

    def test_second_start_says_so_when_the_first_copy_does_not_answer(self):
        with WineDesktop("tray-first-silent") as desk:
            data = datafile.data_file(datafile.sample_vocabularies())
            install_program(desk, data)
            first = start_program(desk)
            os.kill(first.pid, signal.SIGSTOP)  # a hung first copy takes no message
            try:
                second = start_program(desk, wait=False)
                box = desk.wait_window(title=TABBED_TITLE, cls="#32770", timeout=60)
                texts = " ".join(c["text"] for c in desk.probe.children(box["hwnd"]))
                self.assertIn("already running from this folder, but it does not answer", texts)
                self.assertIn("Task Manager", texts)
                desk.probe.click_id(box["hwnd"], IDOK)
                self.assertEqual(0, desk.wait_exit(second))
            finally:
                os.kill(first.pid, signal.SIGCONT)
            self.assertEqual(data, desk.read_file(DATA_FILE))

    def test_second_start_says_so_when_the_first_copy_runs_out_of_reach(self):
        with WineDesktop("tray-first-unreachable") as desk:
            data = datafile.data_file(datafile.sample_vocabularies())
            install_program(desk, data)
            # On a desktop of its own, as another session's copy: its windows cannot be
            # seen from here, its single-copy mutex can.
            desk.run("explorer.exe", args=["/desktop=elsewhere,640x480", PROGRAM],
                     cwd=PROGRAM_FOLDER)
            # Its quick-start page opens after it has made its mutex.
            desk.wait_for(lambda: any(p.lower().endswith("zfqsf.htm")
                                      for p in desk.opened_pages()),
                          message="the first copy's quick-start page")
            self.assertIsNone(desk.probe.find_window(title=MAIN_TITLE, visible=None))
            second = start_program(desk, wait=False)
            box = desk.wait_window(title=TABBED_TITLE, cls="#32770", timeout=60)
            texts = " ".join(c["text"] for c in desk.probe.children(box["hwnd"]))
            self.assertIn("for another user or in another session", texts)
            desk.probe.click_id(box["hwnd"], IDOK)
            self.assertEqual(0, desk.wait_exit(second))
            # One copy, and neither loaded nor saved anything more.
            self.assertEqual(1, len(desk.probe.pids_of("zfw32.exe")))
            self.assertEqual(data, desk.read_file(DATA_FILE))

    @staticmethod
    def tabbed_windows(desk):
        return [w["hwnd"] for w in desk.probe.find_windows(title=TABBED_TITLE, cls="#32770")
                if desk.probe.control(w["hwnd"], id=IDC_TABS)]


def exists(desk, folder, name):
    """Whether the folder holds the file, in any letter case (as Windows sees it)."""
    return name.lower() in (entry.lower() for entry in os.listdir(desk.unix_path(folder)))


def artifacts():
    path = os.path.join(os.environ.get("ZF_BUILD_DIR", "../../build"), "screenshots", "tray")
    os.makedirs(path, exist_ok=True)
    return path


if __name__ == "__main__":
    unittest.main()
