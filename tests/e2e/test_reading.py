"""Reading a notepad document by dropping the tray icon on it: the Keywords found window,
"Go to" and double click (no read while Go to plays its keys), the busy icon, the user's
clipboard, window-specific sequences."""

import os
import sys
import unittest

from zfharness import reading as rd
from zfharness.constants import IDC_FOUND_GO_TO, MAIN_TITLE, TABBED_TITLE, WS_EX_TOPMOST
from zfharness.datafile import ALL_WORDS, ANY_WORD, EXACT_PHRASE, Settings, Vocabulary
from zfharness.desktop import WineDesktop, build_dir

DOCUMENT = ("Zebras graze at dawn.\nThe KESTREL watches\nfrom the fence post.\n"
            "Rain and strong wind.\n")

VOCABULARIES = [
    Vocabulary("Animals", "shell32.dll", 41,
               [("Zebra", ANY_WORD), ("kestrel", ANY_WORD), ("grey heron", EXACT_PHRASE)]),
    Vocabulary("Birds", "shell32.dll", 13, [("Kestrel Heron", ANY_WORD)]),
    Vocabulary("Weather", "shell32.dll", 12,
               [("rain", ANY_WORD), ("wind strong", ALL_WORDS), ("snow", ANY_WORD)]),
    Vocabulary("Empty", "shell32.dll", 3, []),
    Vocabulary("Places", "default", 0, [("Fence Post", EXACT_PHRASE), ("river", ANY_WORD)]),
]
ALL_HITS = ["fence post", "kestrel", "kestrel", "rain", "wind strong", "zebra"]
# The hidden main window's private message for a read asked for by a key (WM_APP + 2).
READ_BY_KEY_MESSAGE = 0x8002


class ReadAllTest(unittest.TestCase):
    def test_drop_on_notepad_lists_hits_and_goes_to_them(self):
        with WineDesktop("reading-all") as desk:
            notepad, idle = rd.notepad_and_reader(desk, DOCUMENT, "zebras.txt", VOCABULARIES)
            notepad_pid = desk.probe.window(notepad)["pid"]
            desk.probe.clip_set(("ansi", "my own words"), ("ZfUserMark", b"\x07\x00\x09"))
            rd.put_desktop_in_front(desk)

            seconds, cpu = self.read_by_drop(desk, notepad, idle)
            window = rd.wait_found_window(desk)
            listing, box = rd.found_list(desk, window)
            self.assertEqual(ALL_HITS, listing["items"])
            self.assertEqual(0, listing["selected"])
            self.assertTrue(window["visible"])
            self.assertTrue(window["exstyle"] & WS_EX_TOPMOST)
            self.assertEqual(window["hwnd"], rd.foreground(desk).get("hwnd"))
            self.assertEqual(idle, desk.tray_icon_image())
            self.assertEqual("my own words", desk.probe.clip_text())
            self.assertEqual(b"\x07\x00\x09", desk.probe.clip_data("ZfUserMark"))
            # The drop's click and the clearing click made no double click: nothing is
            # selected, and the caret is within a character of the drop point.
            rd.check_desktop_after_read(desk, notepad, rd.document_point(desk, notepad))
            start, _ = rd.edit_selection(desk, notepad)
            dropped_at = rd.notepad_char_at(desk, notepad, rd.document_point(desk, notepad))
            self.assertLessEqual(abs(start - dropped_at), 1)
            print(f"\nread all: drop to finished read {seconds:.2f} s, "
                  f"program CPU {cpu * 1000:.0f} ms", file=sys.stderr)
            desk.screenshot(os.path.join(build_dir(), "e2e-artifacts", "reading-found.png"))

            # "Go to" on the selected entry, clicked like a user.
            desk.probe.select_listbox(box["hwnd"], 1)
            go_to = desk.probe.control(window["hwnd"], id=IDC_FOUND_GO_TO)
            desk.click(*rd.centre(go_to["rect"]))
            self.assert_selected(desk, notepad, "kestrel")
            self.assertFalse(desk.probe.window(window["hwnd"])["visible"])
            self.assertTrue(desk.probe.find_window(title="Find", pid=notepad_pid))
            rd.close_find_dialogs(desk, notepad_pid)

            # A second read; a double click on an entry goes to it as well.
            rd.put_desktop_in_front(desk)
            self.read_by_drop(desk, notepad, idle)
            window = rd.wait_found_window(desk)
            listing, box = rd.found_list(desk, window)
            self.assertEqual(ALL_HITS, listing["items"])
            rd.check_desktop_after_read(desk, notepad, rd.document_point(desk, notepad))
            desk.click(*rd.list_item_point(desk, box, 5), repeat=2)
            self.assert_selected(desk, notepad, "zebra")
            self.assertFalse(desk.probe.window(window["hwnd"])["visible"])

    def read_by_drop(self, desk, notepad, idle):
        """Drops the tray icon on notepad and waits for the read to end (the busy icon
        seen, then the idle one); returns the seconds from the release to the end and the
        program's CPU seconds from before the drag to the end."""
        cpu_before = rd.program_cpu_seconds(desk)
        seconds = rd.read_by_drop(desk, rd.document_point(desk, notepad), idle)
        return seconds, rd.program_cpu_seconds(desk) - cpu_before

    def assert_selected(self, desk, notepad, keyword):
        expected = rd.expected_selection(DOCUMENT, keyword)
        desk.wait_for(lambda: rd.edit_selection(desk, notepad) == expected, timeout=15,
                      message=f"notepad's selection on {keyword!r} {expected}")


class GoToTest(unittest.TestCase):
    def test_no_read_starts_while_go_to_plays_its_keys(self):
        with WineDesktop("reading-go-to-busy") as desk:
            notepad, idle = rd.notepad_and_reader(desk, DOCUMENT, "zebras.txt", VOCABULARIES)
            rd.put_desktop_in_front(desk)
            rd.read_by_drop(desk, rd.document_point(desk, notepad), idle)
            window = rd.wait_found_window(desk)
            _, box = rd.found_list(desk, window)
            rd.check_desktop_after_read(desk, notepad, rd.document_point(desk, notepad))
            desk.probe.select_listbox(box["hwnd"], 1)
            main = desk.probe.find_window(title=MAIN_TITLE, visible=None)
            # "Go to", and right behind it in the queue a read (the one Ctrl+R on the
            # Vocabularies page asks for): Go to's first wait takes the read out of the
            # queue. It is refused: it would destroy the window and play its own keys.
            desk.probe.click_id(window["hwnd"], IDC_FOUND_GO_TO)
            desk.probe.post(main["hwnd"], READ_BY_KEY_MESSAGE, 0)
            expected = rd.expected_selection(DOCUMENT, "kestrel")
            desk.wait_for(lambda: rd.edit_selection(desk, notepad) == expected, timeout=15,
                          message="Go to's selection on the entry")
            rd.wait_idle(desk, idle)
            desk.holds_for(lambda: (rd.found_window(desk) or {}).get("hwnd") == window["hwnd"] and
                           not desk.probe.window(window["hwnd"])["visible"], 1,
                           message="the hidden window of the first read, not a new one")
            self.assertTrue(desk.probe.pids_of("zfw32.exe"))


class VocabularyDragTest(unittest.TestCase):
    def test_dragging_one_vocabulary_reads_with_it_alone(self):
        with WineDesktop("reading-one") as desk:
            notepad, idle = rd.notepad_and_reader(desk, DOCUMENT, "zebras.txt", VOCABULARIES)
            rd.put_desktop_in_front(desk)
            desk.click(*desk.tray_point())
            tabbed = desk.wait_window(title=TABBED_TITLE)
            icons = desk.probe.control(tabbed["hwnd"], cls="SysListView32")
            start = rd.centre(desk.probe.listview_item_rect(icons["hwnd"], 2, 1))
            desk.drag(start, rd.document_point(desk, notepad), steps=12, hold_ms=200)
            watch = rd.Stopwatch()
            rd.wait_busy(desk)
            rd.wait_idle(desk, idle)
            print(f"\none vocabulary: release to finished read {watch.seconds():.2f} s",
                  file=sys.stderr)
            self.assertIsNone(desk.probe.find_window(title=TABBED_TITLE))
            window = rd.wait_found_window(desk)
            self.assertEqual(["rain", "wind strong"], rd.found_list(desk, window)[0]["items"])
            rd.check_desktop_after_read(desk, notepad, rd.document_point(desk, notepad),
                                        close="Close")


class WindowSpecificSequenceTest(unittest.TestCase):
    def test_title_fragments_pick_select_all_and_find_sequences(self):
        # For "zebras" windows: select the first two lines only, and find with Ctrl+F;
        # every other window gets Ctrl+A, and a Find sequence that opens nothing.
        settings = Settings(
            select_all_sequences=[("ZEBRAS.TXT", "<ctrl><home><ctrl><shift><down><down><shift>")],
            find_sequences=[("zebras", "<ctrl>f<ctrl>")], default_find="<esc>")
        with WineDesktop("reading-specific") as desk:
            zebras = desk.start_notepad(DOCUMENT, name="zebras.txt")
            other = desk.start_notepad(DOCUMENT, name="other.txt")
            rd.start_reader(desk, VOCABULARIES, settings)
            idle = desk.tray_icon_image()

            self.assertEqual(["kestrel", "kestrel", "zebra"], self.read(desk, zebras, idle))
            window = rd.wait_found_window(desk)
            _, box = rd.found_list(desk, window)
            desk.probe.select_listbox(box["hwnd"], 2)
            desk.probe.click_id(window["hwnd"], IDC_FOUND_GO_TO)
            expected = rd.expected_selection(DOCUMENT, "zebra")
            desk.wait_for(lambda: rd.edit_selection(desk, zebras) == expected, timeout=15,
                          message="zebras.txt's selection on the entry")

            self.assertEqual(ALL_HITS, self.read(desk, other, idle, close="Escape"))

    def read(self, desk, notepad, idle, close=None):
        # The two notepads overlap: the one to read comes on top.
        desk.probe.set_foreground(notepad)
        desk.wait_for(lambda: rd.foreground(desk).get("hwnd") == notepad,
                      message="the notepad to read in front")
        point = rd.document_point(desk, notepad)
        rd.read_by_drop(desk, point, idle)
        items = rd.found_list(desk, rd.wait_found_window(desk))[0]["items"]
        rd.check_desktop_after_read(desk, notepad, point, close=close)
        return items


if __name__ == "__main__":
    unittest.main()
