"""Faults and hostile input under Wine: a read-only data.dat on OK, a data.dat held open by
another program at start-up (told, read again once let go, set aside only when the user says
so), key sequences full of unknown names, keyword texts and a window
title of 10,000 characters, a document of 8 MB. The program says what failed, loses no edit
and no data file, never crashes and leaves no key pressed."""

import os
import sys
import unittest

from zfharness import datafile, health
from zfharness import reading as rd
from zfharness.constants import (IDC_FOUND_GO_TO, IDC_KEYWORDS_ADD, IDC_KEYWORDS_LIST,
                                 IDC_VOCAB_LIST, IDCANCEL, IDNO, IDOK, IDYES, WM_COMMAND,
                                 WM_GETTEXTLENGTH)
from zfharness.datafile import ANY_WORD, EXACT_PHRASE, Settings, Vocabulary
from zfharness.desktop import WineDesktop
from zfharness.program import Program

LONG = 10_000

DOCUMENT = "Zebras graze at dawn.\nThe kestrel watches\nfrom the fence post.\n"
VOCABULARIES = [
    Vocabulary("Animals", "shell32.dll", 41, [("zebra", ANY_WORD), ("kestrel", ANY_WORD)]),
    Vocabulary("Places", "shell32.dll", 12, [("fence post", EXACT_PHRASE)]),
]


def long_text(seed, length=LONG):
    """A text of exactly `length` characters: words built from seed and a count."""
    words, n = [], 0
    while sum(len(w) + 1 for w in words) < length:
        words.append(f"{seed}{n}")
        n += 1
    return " ".join(words)[:length]


def open_tabbed(program):
    """A click on the tray icon opens the tabbed window at the Vocabularies page."""
    program.desk.click(*program.desk.tray_point())
    return program.wait_tabbed()


class DataFileFailureTest(unittest.TestCase):
    def test_failed_save_is_modal_keeps_the_edit_and_the_store(self):
        with WineDesktop("reliability-read-only") as desk:
            notepad = desk.start_notepad(DOCUMENT, name="fence.txt")
            original = datafile.data_file(VOCABULARIES)
            program = Program(desk, original)
            idle = desk.tray_icon_image()
            # Wine shows a file without write permission as read-only, even to root.
            os.chmod(program.data_path, 0o444)
            self.add_keyword(program, "osprey")

            tabbed = program.tabbed()
            program.click(IDOK, tabbed)
            box = desk.wait_for(lambda: program.message_box(tabbed),
                                message="the save failure message")
            texts = [c["text"] for c in desk.probe.children(box)]
            self.assertTrue(any(text.startswith("Data file save failed. Your changes are still")
                                for text in texts), texts)
            # Modal to the tabbed window: neither a click on its Cancel button nor a Cancel
            # sent to it (as its close box sends) ends it while the message shows.
            self.assertEqual(tabbed, desk.probe.window(box)["owner"])
            self.assertFalse(desk.probe.window(tabbed)["enabled"])
            cancel = desk.probe.window(program.control(IDCANCEL, tabbed))
            desk.click(*rd.centre(cancel["rect"]))
            desk.probe.post(tabbed, WM_COMMAND, IDCANCEL)
            desk.holds_for(lambda: desk.probe.window(box), 1, message="the message still shows")
            desk.probe.click_id(box, IDOK)
            program.wait_closed(box)

            # The window stays open with the edit, and data.dat is as it was.
            self.assertEqual(tabbed, program.tabbed())
            self.assertIn("osprey", self.keyword_texts(program))
            self.assertEqual(original, program.data())

            # Cancel now: the program runs on with the store from before the window.
            program.finish(IDCANCEL)
            desk.probe.set_foreground(notepad)
            desk.wait_for(lambda: rd.foreground(desk).get("hwnd") == notepad,
                          message="the notepad to read in front")
            self.assertEqual(["fence post", "kestrel", "zebra"],
                             sorted(health.read_and_close(desk, notepad, idle)))
            self.assertTrue(health.answers_tray(desk))
            self.assertEqual(original, program.data())

    def test_data_file_held_open_at_start_up_is_told_and_read_once_let_go(self):
        with WineDesktop("reliability-held-data") as desk:
            original = datafile.data_file(VOCABULARIES)
            program = Program(desk, original, hold_data=True)
            # Told at start-up: what happened, that nothing changed, what to do.
            told = " ".join(program.start_up_message)
            for words in ("could not read its data file", "Nothing was changed",
                          "reads it again when you open its window"):
                self.assertIn(words, told)
            # Let go: the window that opens next shows the vocabularies of the file.
            program.release_data()
            open_tabbed(program)
            self.assertEqual(["Animals", "Places"], self.vocabulary_names(program))
            program.finish(IDOK)
            self.assertEqual(original, program.data())
            self.assertFalse(os.path.exists(os.path.join(program.folder, "data.bad")))

    def test_ok_without_the_held_data_file_asks_before_setting_it_aside(self):
        with WineDesktop("reliability-held-data-ok") as desk:
            original = datafile.data_file(VOCABULARIES)
            program = Program(desk, original, hold_data=True)
            # Still held when the window opens: it shows no vocabulary, and OK asks first.
            open_tabbed(program)
            self.assertEqual([], self.vocabulary_names(program))
            tabbed = program.tabbed()
            program.click(IDOK, tabbed)
            box = desk.wait_for(lambda: program.message_box(tabbed),
                                message="the question before saving without data.dat")
            texts = " ".join(c["text"] for c in desk.probe.children(box))
            self.assertIn("could not read data.dat when this window opened", texts)
            self.assertIn("kept beside the program as data.bad", texts)
            # No: the window stays, the file is untouched.
            desk.probe.click_id(box, IDNO)
            program.wait_closed(box)
            self.assertEqual(tabbed, program.tabbed())
            program.release_data()
            self.assertEqual(original, program.data())
            # Yes: the file is kept aside, and the window's data is saved.
            program.click(IDOK, tabbed)
            box = desk.wait_for(lambda: program.message_box(tabbed),
                                message="the question again")
            desk.probe.click_id(box, IDYES)
            desk.wait_for(lambda: not program.tabbed(), message="the window closed by OK")
            self.assertEqual(original, program.data("data.bad"))
            self.assertEqual(datafile.data_file(), program.data())

    def vocabulary_names(self, program):
        return [row[0] for row in program.probe.listview_rows(program.control(IDC_VOCAB_LIST))]

    def add_keyword(self, program, text):
        open_tabbed(program)
        program.probe.listview_select(program.control(IDC_VOCAB_LIST), [0])
        program.show_tab(1)
        program.keyword_dialog(IDC_KEYWORDS_ADD, text, ANY_WORD)
        self.assertIn(text, self.keyword_texts(program))

    def keyword_texts(self, program):
        program.probe.listview_select(program.control(IDC_VOCAB_LIST), [0])
        program.show_tab(1)
        return [row[0] for row in program.probe.listview_rows(program.control(IDC_KEYWORDS_LIST))]


class BadInputTest(unittest.TestCase):
    def assert_healthy(self, desk):
        self.assertEqual([], health.keys_left_down(desk), "keys left pressed")
        self.assertTrue(health.answers_tray(desk))

    def test_unknown_key_names_and_long_texts(self):
        title = "zebras " + long_text("title", LONG - 7)
        word = "w" * LONG
        phrase = long_text("phrase")
        settings = Settings(
            # For the long title, matched by its far end only: the first line alone.
            select_all_sequences=[(title[-3000:], "<ctrl><home><ctrl><shift><down><shift>")],
            # Unknown names are typed as text at the top (the last one is unfinished),
            # then everything is selected.
            default_select_all=("<ctrl><home><ctrl><CTRL><F13><numpad><shift ><><Alt><enter "
                                "<ctrl>a<ctrl>"),
            find_sequences=[("other", "<Find><f3><home<ctrl>f<ctrl>")])
        vocabularies = VOCABULARIES + [
            Vocabulary("Long", "shell32.dll", 3, [(word, ANY_WORD), (phrase, EXACT_PHRASE)])]
        with WineDesktop("reliability-bad-input") as desk:
            titled = desk.start_notepad(DOCUMENT + phrase + "\n", name="zebras.txt")
            desk.probe.set_text(titled, title)
            self.assertEqual(LONG, desk.probe.send(titled, WM_GETTEXTLENGTH))
            other = desk.start_notepad(DOCUMENT + word + "\n" + phrase + "\n", name="other.txt")
            rd.start_reader(desk, vocabularies, settings)
            idle = desk.tray_icon_image()

            self.assertEqual(["zebra"], self.read(desk, titled, idle))
            self.assertEqual(sorted(["fence post", "kestrel", "zebra", word, phrase]),
                             self.read(desk, other, idle, close=False))
            # "Go to" plays the Find sequence with its unknown names, then the keyword.
            window = health.visible_found_window(desk)
            _, box = rd.found_list(desk, window)
            desk.probe.select_listbox(box["hwnd"], 1)
            desk.probe.click_id(window["hwnd"], IDC_FOUND_GO_TO)
            pid = desk.probe.window(other)["pid"]
            find = desk.wait_window(title="Find", pid=pid)
            desk.wait_for(lambda: "kestrel" in [c["text"] for c in
                                                desk.probe.children(find["hwnd"])],
                          message="the keyword in notepad's Find box")
            rd.close_find_dialogs(desk, pid)
            self.assert_healthy(desk)

    def test_eight_megabyte_document(self):
        line = "The herd moves on across the plain, slowly, in the heat of noon.\n"
        body = line * (8 * 1024 * 1024 // len(line))
        text = "Zebras at dawn.\n" + body + "A kestrel at dusk.\n"
        with WineDesktop("reliability-8mb") as desk:
            path = "C:\\zfdocs\\big.txt"
            desk.write_file(path, text.replace("\n", "\r\n"))
            desk.run("notepad.exe", args=[path])
            notepad = desk.wait_window(cls="Notepad", title_contains="big")["hwnd"]
            edit = desk.probe.control(notepad, cls="Edit")["hwnd"]
            expected = len(text) + text.count("\n")
            desk.wait_for(lambda: desk.probe.send(edit, WM_GETTEXTLENGTH) == expected,
                          timeout=120, message="notepad holding the 8 MB document")
            rd.start_reader(desk, VOCABULARIES)
            idle = desk.tray_icon_image()
            watch = rd.Stopwatch()
            # The text is captured whole: the last line's keyword is found too.
            self.assertEqual(["kestrel", "zebra"], self.read(desk, notepad, idle, timeout=180))
            print(f"\n8 MB document: read in {watch.seconds():.1f} s", file=sys.stderr)
            self.assert_healthy(desk)

    def read(self, desk, notepad, idle, close=True, timeout=60):
        desk.probe.set_foreground(notepad)
        desk.wait_for(lambda: rd.foreground(desk).get("hwnd") == notepad,
                      message="the notepad to read in front")
        if close:
            return health.read_and_close(desk, notepad, idle, timeout)
        rd.drag_tray_icon(desk, rd.document_point(desk, notepad))
        rd.wait_busy(desk)
        rd.wait_idle(desk, idle, timeout=timeout)
        return rd.found_list(desk, rd.wait_found_window(desk))[0]["items"]


if __name__ == "__main__":
    unittest.main()
