"""Keywords travelling between the Keywords page and other programs: Copy puts text lines
on the system clipboard, Paste takes another program's text (and still the program's own
rows, exactly, when the clipboard holds its own copy), text files dropped on the entry list
are added, and the list's keys (Enter, Ctrl+A, Ctrl+C, Delete, Ctrl+V) work; OK saves what
the page shows. A hung clipboard viewer after the page in the viewer chain holds nothing up."""

import unittest

from zfharness import datafile
from zfharness.constants import (IDC_KEYWORDS_COPY, IDC_KEYWORDS_LIST, IDC_KEYWORDS_PASTE,
                                 IDC_KEYWORDS_VOCABULARY, IDOK, MODE_NAMES)
from zfharness.datafile import ALL_WORDS, ANY_WORD, EXACT_PHRASE, Vocabulary
from zfharness.desktop import WineDesktop
from zfharness.program import Program

# Texts only the program's own keyword clipboard keeps as they are: text lines would
# split the tab and lose the outer blanks.
BIRDS = [("grey\theron", EXACT_PHRASE), (" wren ", ALL_WORDS), ("kestrel", ANY_WORD)]
OTHER_PROGRAM_TEXT = "alpha\r\nbeta gamma\tExact phrase\r\n\r\n"


def rows(entries):
    return [[text, MODE_NAMES[mode]] for text, mode in entries]


class Page:
    """The Keywords page of a program started with the given vocabularies."""

    def __init__(self, desk, vocabularies):
        self.desk, self.probe = desk, desk.probe
        self.program = Program(desk, datafile.data_file(vocabularies))
        self.tabbed = self.program.open_from_tray_menu("Vocabularies")
        self.program.show_tab(1)
        self.list = self.program.control(IDC_KEYWORDS_LIST)

    def rows(self):
        return self.probe.listview_rows(self.list)

    def wait_rows(self, expected):
        self.desk.wait_for(lambda: self.rows() == expected, message=f"rows {expected}")

    def choose_vocabulary(self, index, expected_rows):
        self.probe.select_combo(self.program.control(IDC_KEYWORDS_VOCABULARY), index)
        self.wait_rows(expected_rows)

    def paste_enabled(self):
        return self.probe.window(self.program.control(IDC_KEYWORDS_PASTE))["enabled"]

    def message_texts(self):
        box = self.desk.wait_for(lambda: self.program.message_box(self.tabbed),
                                 message="the message box")
        texts = [c["text"] for c in self.probe.children(box)]
        self.program.click(IDOK, box)
        self.program.wait_closed(box)
        return "\n".join(texts)

    def click_row(self, index):
        left, top, right, bottom = self.probe.listview_item_rect(self.list, index)
        self.desk.click(left + 20, (top + bottom) // 2)
        self.desk.wait_for(lambda: self.probe.listview_selected(self.list) == [index],
                           message=f"row {index} clicked")


class KeywordExchangeTest(unittest.TestCase):
    def test_copy_to_and_paste_from_the_system_clipboard(self):
        with WineDesktop("keyword-exchange-clipboard") as desk:
            start = [Vocabulary("Birds", "shell32.dll", 3, BIRDS),
                     Vocabulary("Sky", "shell32.dll", 7, [])]
            page = Page(desk, start)
            self.assertFalse(page.paste_enabled())

            page.probe.listview_select(page.list, [0, 1])
            page.program.click(IDC_KEYWORDS_COPY)
            desk.wait_for(lambda: desk.probe.clip_text() ==
                          "grey heron\tExact phrase\r\n wren \tAll words\r\n",
                          message="the two rows as text lines")
            self.assertTrue(page.paste_enabled())

            # Read by another program (above), the clipboard still holds the program's
            # own copy: Paste gives the rows exactly, from the keyword clipboard.
            page.choose_vocabulary(1, [])
            page.program.click(IDC_KEYWORDS_PASTE)
            page.wait_rows(rows(BIRDS[:2]))

            desk.probe.clip_set_text(OTHER_PROGRAM_TEXT)
            page.program.click(IDC_KEYWORDS_PASTE)
            sky = BIRDS[:2] + [("alpha", ANY_WORD), ("beta gamma", EXACT_PHRASE)]
            page.wait_rows(rows(sky))
            self.assertIsNone(page.program.message_box(page.tabbed))

            page.program.finish(IDOK)
            self.assertEqual(datafile.data_file([start[0], Vocabulary("Sky", "shell32.dll", 7,
                                                                      sky)]),
                             page.program.data())

    def test_a_hung_clipboard_viewer_next_in_the_chain_holds_nothing_up(self):
        with WineDesktop("keywords-hung-viewer") as desk:
            desk.probe.clip_empty()
            # Joined before the page, so the page passes every change on to it.
            desk.probe.clip_viewer_hang()
            page = Page(desk, [Vocabulary("Birds", "shell32.dll", 13, BIRDS)])
            # Each change still reaches the page, which passes it on and goes on.
            for text, enabled in (("heron", True), (None, False), ("wren", True)):
                if text is None:
                    desk.probe.clip_empty()
                else:
                    desk.probe.clip_set_text(text)
                desk.wait_for(lambda: page.paste_enabled() == enabled,
                              message=f"Paste {'on' if enabled else 'off'} after {text!r}")
            page.program.finish(IDOK)
            desk.probe.clip_viewer_release()
            self.assertIsNone(page.program.process.poll())

    def test_dropped_files_and_list_keys(self):
        with WineDesktop("keyword-exchange-drop") as desk:
            start = [Vocabulary("Birds", "shell32.dll", 3, [("kestrel", ANY_WORD)])]
            page = Page(desk, start)
            desk.write_file("C:\\zfdocs\\list.txt", b"finch\r\n  starling \tall words\r\n")
            desk.write_file("C:\\zfdocs\\utf8.txt",
                            "\ufeffcaf\u00e9\tExact phrase\r\n\u03a9 omega\r\n".encode("utf-8"))
            desk.write_file("C:\\zfdocs\\photo.bin", b"\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR")
            self.assertTrue(desk.probe.drop_files(
                page.list, "C:\\zfdocs\\list.txt", "C:\\zfdocs\\photo.bin",
                "C:\\zfdocs\\missing.txt", "C:\\zfdocs", "C:\\zfdocs\\utf8.txt"))
            text = page.message_texts()
            for part in ("Added 3 keywords", "1 line with characters this system cannot show",
                         '"C:\\zfdocs\\photo.bin": not a text file',
                         '"C:\\zfdocs\\missing.txt": cannot be read',
                         '"C:\\zfdocs": a folder'):
                self.assertIn(part, text)
            birds = [("kestrel", ANY_WORD), ("finch", ANY_WORD), ("starling", ALL_WORDS),
                     ("caf\u00e9", EXACT_PHRASE)]
            page.wait_rows(rows(birds))

            # Enter edits the first chosen row, as "&Edit" does.
            page.click_row(1)
            desk.key("Return")
            dialog = page.program.wait_dialog("Keywords")
            self.assertEqual("finch", desk.probe.text(page.program.control(341, dialog)))
            desk.key("Escape")
            page.program.wait_closed(dialog)

            desk.key("ctrl+a")
            desk.wait_for(lambda: desk.probe.listview_selected(page.list) == [0, 1, 2, 3],
                          message="every row chosen")
            desk.key("ctrl+c")
            desk.wait_for(lambda: desk.probe.clip_text() == "".join(
                f"{t}\t{MODE_NAMES[m]}\r\n" for t, m in birds), message="the rows copied")
            desk.key("Delete")
            page.wait_rows([])
            desk.key("ctrl+v")
            page.wait_rows(rows(birds))

            page.program.finish(IDOK)
            self.assertEqual(datafile.data_file([Vocabulary("Birds", "shell32.dll", 3, birds)]),
                             page.program.data())


if __name__ == "__main__":
    unittest.main()
