"""Drops that read nothing (Escape while dragging, the desktop, the taskbar) and a read
that finds nothing anywhere."""

import time
import unittest

from zfharness import reading as rd
from zfharness.datafile import ANY_WORD, Vocabulary
from zfharness.desktop import SCREEN, WineDesktop

DOCUMENT = "Zebras graze at dawn.\nThe kestrel watches.\n"
PLAIN = "Nothing to see here.\n"
VOCABULARIES = [Vocabulary("Animals", "shell32.dll", 41, [("zebra", ANY_WORD)]),
                Vocabulary("Birds", "shell32.dll", 13, [("kestrel", ANY_WORD)])]

# Long enough for a read to have shown its window and emptied the clipboard.
QUIET_SECONDS = 2.5


class RefusedDropTest(unittest.TestCase):
    def test_escape_desktop_and_taskbar_read_nothing(self):
        with WineDesktop("reading-refusals") as desk:
            notepad, idle = rd.notepad_and_reader(desk, DOCUMENT, "zebras.txt", VOCABULARIES)
            desk.probe.clip_set_text("keep me")

            # Notepad was in front before each drag: the tracker remembers it.
            rd.put_in_front(desk, notepad)
            rd.drag_tray_icon(desk, desk.desktop_point())
            self.assert_nothing_read(desk, idle, "a drop on the desktop")

            rd.put_in_front(desk, notepad)
            left, top, right, bottom = desk.taskbar_rect()
            rd.drag_tray_icon(desk, (right - 200, (top + bottom) // 2))
            self.assert_nothing_read(desk, idle, "a drop on the taskbar")

            rd.put_in_front(desk, notepad)
            rd.drag_tray_icon(desk, rd.document_point(desk, notepad), release=False)
            # Escape held over a few ticks of the drag's timer, which samples it; nothing
            # shows that the program saw it but the drop that follows reading nothing.
            desk.xdotool("keydown", "Escape")
            time.sleep(0.3)
            desk.xdotool("keyup", "Escape")
            time.sleep(0.2)
            desk.mouse_up()
            self.assert_nothing_read(desk, idle, "Escape while dragging")

            # A drag over notepad and the taskbar, dropped on the desktop, leaves the
            # screen as it was: the windows repaint where the image went.
            rd.put_desktop_in_front(desk)
            screen = (0, 0) + SCREEN
            before = desk.screen_region(*screen)
            rd.drag_tray_icon(desk, rd.document_point(desk, notepad), release=False)
            desk.drag(rd.document_point(desk, notepad), desk.desktop_point(), steps=8,
                      hold_ms=0)
            desk.wait_for(lambda: desk.screen_region(*screen) == before, timeout=10,
                          message="the screen as before the drag")
            self.assert_nothing_read(desk, idle, "a drag across notepad to the desktop")

            # The drag still works afterwards; Escape closes the Keywords found window
            # like "Close": notepad comes back.
            point = rd.document_point(desk, notepad)
            rd.read_by_drop(desk, point, idle)
            window = rd.wait_found_window(desk)
            self.assertEqual(["kestrel", "zebra"], rd.found_list(desk, window)[0]["items"])
            self.assertEqual(window["hwnd"], rd.foreground(desk).get("hwnd"))
            rd.check_desktop_after_read(desk, notepad, point, close="Escape")

    def assert_nothing_read(self, desk, idle, what):
        sequence = desk.probe.clip_info()["sequence"]
        desk.holds_for(lambda: rd.shown_found_window(desk) is None and not rd.tray_icon_busy(desk),
                       QUIET_SECONDS, message=f"no read after {what}")
        self.assertEqual(idle, desk.tray_icon_image(), what)
        self.assertEqual(sequence, desk.probe.clip_info()["sequence"], what)
        self.assertEqual("keep me", desk.probe.clip_text(), what)

    def test_nothing_found_anywhere_takes_the_window_away(self):
        with WineDesktop("reading-nothing") as desk:
            notepad, idle = rd.notepad_and_reader(desk, PLAIN, "plain.txt", VOCABULARIES)
            desk.probe.clip_set_text("keep me")
            sequence = desk.probe.clip_info()["sequence"]
            rd.put_desktop_in_front(desk)

            # The read shows the empty window while it runs, then takes it away.
            point = rd.document_point(desk, notepad)
            rd.read_by_drop(desk, point, idle)
            self.assertIsNone(rd.shown_found_window(desk))
            rd.check_desktop_after_read(desk, notepad, point)
            self.assertNotEqual(sequence, desk.probe.clip_info()["sequence"])
            self.assertEqual("keep me", desk.probe.clip_text())


if __name__ == "__main__":
    unittest.main()
