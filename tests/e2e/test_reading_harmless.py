"""A read harms neither the program it reads nor the user's clipboard: windows of every
console and terminal class (keywindows.exe, since Wine ships no terminal) get the select-all
and the harmless copy requests but never Ctrl+C or Ctrl+Break, and their selection is
cleared after the read that got nothing; drawings on the user's clipboard survive a read."""

import os
import re
import shutil
import unittest

from test_reading import ALL_HITS, DOCUMENT, VOCABULARIES
from zfharness import reading as rd
from zfharness.desktop import WineDesktop, win32_dir

LOG = "C:\\zfdocs\\keys.log"
VK_CANCEL = "03"  # Ctrl+Break
VK_C = "43"
VK_A = "41"
CTRL_C_CHAR = "03"  # what TranslateMessage makes of Ctrl+C and Ctrl+Break
# Terminals that draw into a child of an ordinary class (Windows Terminal's input site), and
# a terminal embedded in another program's frame.
NESTED = ["CASCADIA_HOSTING_WINDOW_CLASS/Windows.UI.Input.InputSite.WindowClass",
          "ZfToolFrame/mintty"]


def terminal_classes():
    """The class names of the program's own table of consoles and terminals."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "reading",
                        "TerminalWindows.h")
    with open(path) as header:
        text = header.read()
    table = text[text.index("kTerminalClasses[]"):]
    return re.findall(r'\{"([^"]+)", "', table[:table.index("};")])


class TerminalTest(unittest.TestCase):
    def test_no_terminal_gets_ctrl_c_or_ctrl_break(self):
        layouts = terminal_classes() + NESTED
        self.assertTrue(12 <= len(layouts) <= 18, layouts)  # keywindows lays out 18 at most
        with WineDesktop("reading-terminals") as desk:
            shutil.copy2(os.path.join(win32_dir(), "keywindows.exe"), desk.harness_dir())
            desk.write_file(LOG, b"")
            desk.run(os.path.join(desk.harness_dir(), "keywindows.exe"), args=[LOG] + layouts)
            windows = [desk.wait_window(title=f"keys {layout}") for layout in layouts]
            rd.start_reader(desk, VOCABULARIES)
            idle = desk.tray_icon_image()
            seen = 0
            for layout, window in zip(layouts, windows):
                with self.subTest(layout):
                    rd.put_desktop_in_front(desk)
                    rd.read_by_drop(desk, rd.centre(window["rect"]), idle)
                    # The drop's click and the clearing click, then nothing more.
                    lines = desk.wait_for(lambda: self.clicked_twice(desk, seen), timeout=15,
                                          message=f"two clicks into {layout}")
                    seen += len(lines)
                    focused = layout.split("/")[-1]
                    self.assertIn(f"{focused} keydown {VK_A} ctrl", lines)  # keys reach it
                    self.assertIn(f"{focused} copy 00", lines)  # asked with WM_COPY
                    for line in lines:
                        fields = line.split()
                        self.assertNotEqual(fields[1:3], ["char", CTRL_C_CHAR], line)
                        self.assertNotEqual(fields[1:3], ["keydown", VK_CANCEL], line)
                        self.assertFalse(fields[1:3] == ["keydown", VK_C] and "ctrl" in fields,
                                         line)

    @staticmethod
    def clicked_twice(desk, seen):
        """The log's lines after the first `seen` once they hold two clicks; else None."""
        lines = desk.read_file(LOG).decode().splitlines()[seen:]
        clicks = [line for line in lines if line.split()[1] == "click"]
        return lines if len(clicks) >= 2 else None


class DrawingsTest(unittest.TestCase):
    def test_drawings_on_the_users_clipboard_survive_a_read(self):
        with WineDesktop("reading-drawings") as desk:
            notepad, idle = rd.notepad_and_reader(desk, DOCUMENT, "zebras.txt", VOCABULARIES)
            drawings = desk.probe.clip_drawings()
            rd.put_desktop_in_front(desk)
            rd.read_by_drop(desk, rd.document_point(desk, notepad), idle)
            self.assertEqual(ALL_HITS, rd.found_list(desk, rd.found_window(desk))[0]["items"])
            for kind, data in drawings.items():
                self.assertEqual(data.hex(), desk.probe.clip_drawing(kind).hex(), kind)


if __name__ == "__main__":
    unittest.main()
