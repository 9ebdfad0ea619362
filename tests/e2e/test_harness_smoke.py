"""The Wine harness itself: desktop, probe, notepad, clipboard, page hook, screenshot."""

import os
import struct
import unittest

from zfharness.desktop import WineDesktop, build_dir

DOCUMENT = "Zebras graze at dawn.\nThe kestrel watches\nfrom the fence post.\n"


class HarnessSmokeTest(unittest.TestCase):
    def test_desktop_probe_notepad_clipboard_and_screenshot(self):
        with WineDesktop("harness-smoke") as desk:
            taskbar = desk.taskbar_rect()
            self.assertEqual([0, 768], [taskbar[0], taskbar[3]])
            self.assertEqual((1013, 757), desk.tray_point())

            notepad = desk.start_notepad(DOCUMENT, name="zebras.txt")
            window = desk.probe.window(notepad)
            self.assertEqual("zebras.txt - Notepad", window["title"])
            self.assertIn(notepad, [w["hwnd"] for w in desk.probe.find_windows(cls="Notepad")])
            edit = desk.probe.control(notepad, cls="Edit")
            self.assertEqual(DOCUMENT.replace("\n", "\r\n"), desk.probe.text(edit["hwnd"]))
            desk.wait_for(lambda: desk.probe.foreground()["hwnd"] == notepad,
                          message="notepad in front")

            desk.probe.clip_set(("text", "caf\u00e9 kestrel"), ("ZfHarnessMark", b"\x01\x00\xff"))
            self.assertEqual("caf\u00e9 kestrel", desk.probe.clip_text())
            self.assertEqual(b"\x01\x00\xff", desk.probe.clip_data("ZfHarnessMark"))
            self.assertIn("CF_TEXT", desk.probe.clip_formats())

            shot = desk.screenshot(os.path.join(build_dir(), "e2e-artifacts", "harness-smoke.png"))
            with open(shot, "rb") as image:
                header = image.read(24)
            self.assertEqual(b"\x89PNG", header[:4])
            self.assertEqual((1024, 768), struct.unpack(">II", header[16:24]))

    def test_opened_web_pages_are_logged_instead_of_shown(self):
        with WineDesktop("harness-pages") as desk:
            page = "C:\\zfdocs\\welcome.htm"
            desk.write_file(page, "<html><body>hello</body></html>")
            self.assertEqual([], desk.opened_pages())
            desk.run("start.exe", args=[page])
            opened = desk.wait_for(desk.opened_pages, message="the page hook's log")
            self.assertEqual([page], opened)


if __name__ == "__main__":
    unittest.main()
