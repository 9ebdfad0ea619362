"""Reading a rich-edit document (WordPad) with the default settings: its rich edit copies
nothing on Ctrl+Insert, so the capture asks it with WM_COPY; "Go to" drives its Find
dialog; the read leaves the document as it was."""

import unittest

from test_reading import ALL_HITS, DOCUMENT, VOCABULARIES
from zfharness import reading as rd
from zfharness.constants import EM_GETMODIFY, IDC_FOUND_GO_TO
from zfharness.desktop import WineDesktop

PATH = "C:\\zfdocs\\zebras.txt"
FIRST_LINE = DOCUMENT.split("\n")[0]


class WordPadReadTest(unittest.TestCase):
    def test_drop_on_wordpad_reads_and_goes_to_an_entry(self):
        with WineDesktop("reading-wordpad") as desk:
            data = DOCUMENT.replace("\n", "\r\n").encode("cp1252")
            desk.write_file(PATH, data)
            window, edit = rd.open_wordpad(desk, PATH, len(data))
            text_before = desk.probe.text(edit["hwnd"])
            rd.start_reader(desk, VOCABULARIES)  # a new store's sequences: no window pairs
            idle = desk.tray_icon_image()
            rd.put_desktop_in_front(desk)

            # On the first line, right of its end: the caret ends at the line's end.
            left, top, right, _ = edit["rect"]
            point = ((left + right) // 2, top + 8)
            rd.read_by_drop(desk, point, idle)
            found = rd.wait_found_window(desk)
            listing, box = rd.found_list(desk, found)
            self.assertEqual(ALL_HITS, listing["items"])
            rd.check_desktop_after_read(desk, window["hwnd"], point)
            self.assertEqual((len(FIRST_LINE), len(FIRST_LINE)), rd.selection(desk, edit["hwnd"]))
            self.assertEqual(text_before, desk.probe.text(edit["hwnd"]))
            self.assertEqual(0, desk.probe.send(edit["hwnd"], EM_GETMODIFY))

            # "Go to": the rich edit counts a line break as one character.
            desk.probe.select_listbox(box["hwnd"], 1)
            desk.click(*rd.centre(desk.wait_control(found["hwnd"], id=IDC_FOUND_GO_TO)["rect"]))
            start = DOCUMENT.lower().index("kestrel")
            desk.wait_for(lambda: rd.selection(desk, edit["hwnd"]) == (start, start + 7),
                          timeout=15, message="WordPad's selection on 'kestrel'")
            self.assertEqual(text_before, desk.probe.text(edit["hwnd"]))
            self.assertEqual(0, desk.probe.send(edit["hwnd"], EM_GETMODIFY))
            self.assertEqual(data, desk.read_file(PATH))
            self.assertTrue(desk.probe.window(window["hwnd"]))


if __name__ == "__main__":
    unittest.main()
