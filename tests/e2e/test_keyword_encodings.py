"""Keywords with letters beyond ASCII, under the ANSI code page 1252: a UTF-16 file and a
UTF-8 file without a mark dropped on the Keywords page give the same rows; Copy leaves
CF_TEXT, CF_LOCALE and CF_UNICODETEXT that read back as the same words; a Copy with
nothing selected keeps the earlier copy; a Unicode paste leaves out and reports the line
the code page cannot hold; a read finds "café" in notepad and WordPad and "Go to" goes
there."""

import unittest

from test_keyword_exchange import Page, rows
from zfharness import datafile
from zfharness import reading as rd
from zfharness.constants import (IDC_FOUND_GO_TO, IDC_KEYWORDS_COPY, IDC_KEYWORDS_PASTE, IDOK,
                                 MODE_NAMES)
from zfharness.datafile import ANY_WORD, EXACT_PHRASE, Vocabulary
from zfharness.desktop import WineDesktop

LIST = "caf\u00e9\tExact phrase\r\nna\u00efve\r\n"
WORDS = [("caf\u00e9", EXACT_PHRASE), ("na\u00efve", ANY_WORD)]
DOCUMENT = "Le caf\u00e9 est chaud.\nUn homme na\u00efve.\n"


class KeywordEncodingsTest(unittest.TestCase):
    def test_unicode_files_copy_and_paste(self):
        with WineDesktop("keyword-encodings") as desk:
            page = Page(desk, [Vocabulary("Words", "shell32.dll", 3, [])])
            desk.write_file("C:\\zfdocs\\utf16.txt", "\ufeff".encode("utf-16-le") +
                            LIST.encode("utf-16-le"))
            desk.write_file("C:\\zfdocs\\utf8.txt", LIST.encode("utf-8"))
            self.assertTrue(desk.probe.drop_files(page.list, "C:\\zfdocs\\utf16.txt",
                                                  "C:\\zfdocs\\utf8.txt"))
            page.wait_rows(rows(WORDS + WORDS))
            desk.holds_for(lambda: page.program.message_box(page.tabbed) is None, 1,
                           message="no report: nothing was left out")

            page.probe.listview_select(page.list, [0, 1])
            page.program.click(IDC_KEYWORDS_COPY)
            copied = "".join(f"{text}\t{MODE_NAMES[mode]}\r\n" for text, mode in WORDS)
            desk.wait_for(lambda: desk.probe.clip_text() == copied,
                          message="the two rows as Unicode text")
            formats = desk.probe.clip_formats()
            for name in ("CF_TEXT", "CF_LOCALE", "CF_UNICODETEXT"):
                self.assertIn(name, formats)
            self.assertEqual(copied.encode("cp1252") + b"\0",
                             desk.probe.clip_data("1")[:len(copied) + 1])

            # Copy with nothing selected says so and keeps the copy: Paste adds its rows.
            page.probe.listview_select(page.list, [])
            page.program.click(IDC_KEYWORDS_COPY)
            self.assertIn("nothing was copied", page.message_texts())
            self.assertEqual(copied, desk.probe.clip_text())
            page.program.click(IDC_KEYWORDS_PASTE)
            page.wait_rows(rows(WORDS * 3))

            # A Unicode program's text: the line with a letter outside 1252 is left out.
            desk.probe.clip_set_text("\u03a9mega\r\nalpha\r\n")
            page.program.click(IDC_KEYWORDS_PASTE)
            text = page.message_texts()
            self.assertIn('Added 1 keyword to "Words"', text)
            self.assertIn("1 line with characters this system cannot show", text)
            final = WORDS * 3 + [("alpha", ANY_WORD)]
            page.wait_rows(rows(final))

            # Nothing but blank lines: one line says nothing was added.
            desk.probe.clip_set_text("\r\n  \r\n")
            page.program.click(IDC_KEYWORDS_PASTE)
            self.assertIn("there was no text, or only blank lines", page.message_texts())

            page.program.finish(IDOK)
            self.assertEqual(datafile.data_file([Vocabulary("Words", "shell32.dll", 3, final)]),
                             page.program.data())

    def test_reads_find_accented_keywords(self):
        with WineDesktop("reading-encodings") as desk:
            rd.start_reader(desk, [Vocabulary("Words", "shell32.dll", 3, WORDS)])
            idle = desk.tray_icon_image()

            notepad = desk.start_notepad(DOCUMENT, name="cafe.txt")
            self.read_and_go_to(desk, idle, notepad, rd.document_point(desk, notepad),
                                lambda: rd.edit_selection(desk, notepad))
            rd.close_find_dialogs(desk, desk.probe.window(notepad)["pid"])
            desk.probe.post(notepad, 0x0010)  # WM_CLOSE: the next document lies below
            desk.wait_gone(notepad)

            path = "C:\\zfdocs\\cafe-wordpad.txt"
            data = DOCUMENT.replace("\n", "\r\n").encode("cp1252")
            desk.write_file(path, data)
            window, edit = rd.open_wordpad(desk, path, len(data))
            left, top, right, _ = edit["rect"]
            self.read_and_go_to(desk, idle, window["hwnd"], ((left + right) // 2, top + 8),
                                lambda: rd.selection(desk, edit["hwnd"]))
            self.assertEqual(data, desk.read_file(path))
            self.assertTrue(desk.probe.window(window["hwnd"]))

    def read_and_go_to(self, desk, idle, document, point, selection):
        """Reads the document at point: both words are found, and "Go to" on "café"
        selects from its first letter."""
        rd.put_desktop_in_front(desk)
        rd.read_by_drop(desk, point, idle)
        found = rd.wait_found_window(desk)
        listing, box = rd.found_list(desk, found)
        self.assertEqual(["caf\u00e9", "na\u00efve"], listing["items"])
        rd.check_desktop_after_read(desk, document, point)
        desk.probe.select_listbox(box["hwnd"], 0)
        desk.click(*rd.centre(desk.wait_control(found["hwnd"], id=IDC_FOUND_GO_TO)["rect"]))
        # A letter the keyboard layout cannot type is left out of the Find text, so
        # the selection may end before the "é": where it starts is what counts.
        start = DOCUMENT.index("caf\u00e9")
        desk.wait_for(lambda: selection()[0] == start and selection()[1] > start,
                      timeout=15, message="the selection on 'caf\u00e9'")

if __name__ == "__main__":
    unittest.main()
