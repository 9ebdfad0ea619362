"""A new user's first minute: install.exe from the distribution, the program started from
its Start menu item, and the tray icon dragged onto notepad showing the quick-start page,
whose words the shipped example vocabulary holds."""

import re
import unittest

from zfharness import datafile
from zfharness import reading as rd
from zfharness.constants import DEFAULT_FOLDER
from zfharness.desktop import WineDesktop
from zfharness.installer import InstallerDriver, start_shortcut
from zfharness.program import wait_started


def shipped_words(desk):
    vocabularies, _ = datafile.parse(desk.read_file(DEFAULT_FOLDER + "\\DATA.DAT"))
    return sorted(entry[0].lower() for entry in vocabularies[0].entries)


def page_as_shown(html):
    """The page's words as a browser shows them, one line a paragraph."""
    text = re.sub(r"<[^>]*>", "", html.decode("cp1252").replace("\r", ""))
    return "\n".join(" ".join(line.split()) for line in text.split("\n\n"))


class FirstReadTest(unittest.TestCase):
    def test_install_start_and_read_the_quick_start_page_with_the_example(self):
        with WineDesktop("first-read") as desk:
            inst = InstallerDriver(desk)
            inst.install()
            words = shipped_words(desk)
            self.assertTrue(words, "the example vocabulary has words")

            start_shortcut(desk, inst.shortcut("Zembrafind", "Zembrafind"))
            wait_started(desk)
            idle = desk.tray_icon_image()

            page = desk.read_file(DEFAULT_FOLDER + "\\ZFQS.HTM")
            notepad = desk.start_notepad(page_as_shown(page), name="quickstart.txt")
            rd.put_desktop_in_front(desk)
            point = rd.document_point(desk, notepad)
            rd.read_by_drop(desk, point, idle)
            window = rd.wait_found_window(desk)
            self.assertEqual(words, sorted(rd.found_list(desk, window)[0]["items"]))
            rd.check_desktop_after_read(desk, notepad, point, close="Close")


if __name__ == "__main__":
    unittest.main()
