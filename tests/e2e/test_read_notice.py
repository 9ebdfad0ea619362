"""What a read that lists nothing says at the tray icon: "No keywords found in <title>" for
a text without keywords, "<title> gave no text" for a window that copied none. The shell of
Wine's desktop shows balloons, so the word is the balloon's (a tooltip of the taskbar's
process); a shell without balloons would carry it in the icon's tip instead."""

import unittest

from zfharness import reading as rd
from zfharness.datafile import ANY_WORD, Vocabulary
from zfharness.desktop import WineDesktop
from zfharness.winprobe import ProbeError

PLAIN = "Nothing to see here.\n"
VOCABULARIES = [Vocabulary("Animals", "shell32.dll", 41, [("zebra", ANY_WORD)])]
MINES = "C:\\windows\\system32\\winemine.exe"


def balloon_texts(desk):
    """Texts of the shown balloons and tips (a tooltip answers WM_GETTEXT with the text
    it shows); one that closed in the meantime has none."""
    texts = []
    for window in desk.probe.find_windows(cls="tooltips_class32"):
        try:
            texts.append(desk.probe.text(window["hwnd"]))
        except ProbeError:  # the window went between the two questions
            continue
    return texts


def notices(desk):
    return [text for text in balloon_texts(desk) if "No keywords" in text or "no text" in text]


def wait_no_notice(desk):
    # Shells show a balloon for at least ten seconds.
    desk.wait_for(lambda: not notices(desk), timeout=60, message="the balloon gone")


def wait_balloon(desk, text):
    return desk.wait_for(lambda: text in balloon_texts(desk),
                         message=f'the balloon "{text}" (shown: {balloon_texts(desk)})')


class ReadNoticeTest(unittest.TestCase):
    def test_no_keywords_then_no_text_then_a_hit_says_nothing(self):
        with WineDesktop("read-notice") as desk:
            notepad, idle = rd.notepad_and_reader(desk, PLAIN, "plain.txt", VOCABULARIES)
            title = desk.probe.window(notepad)["title"]

            rd.put_desktop_in_front(desk)
            rd.read_by_drop(desk, rd.document_point(desk, notepad), idle)
            self.assertIsNone(rd.shown_found_window(desk))
            rd.check_desktop_after_read(desk, notepad, rd.document_point(desk, notepad))
            wait_balloon(desk, f"No keywords found in {title}")
            # The balloon's stem points into the icon: the next drag waits for it to go.
            wait_no_notice(desk)

            # A window that copies no text: the minesweeper's board.
            desk.run(MINES)
            mines = desk.wait_window(title_contains="Mine", visible=True)
            rd.put_desktop_in_front(desk)
            rd.read_by_drop(desk, rd.centre(mines["rect"]), idle)
            wait_balloon(desk, f"{mines['title']} gave no text: see Help, Reading other "
                               "programs")
            self.assertNotIn(f"No keywords found in {mines['title']}", balloon_texts(desk))
            wait_no_notice(desk)

            # A read with hits shows its window and nothing at the icon.
            edit = desk.wait_control(notepad, cls="Edit")["hwnd"]
            desk.probe.set_text(edit, "A zebra.")
            rd.put_desktop_in_front(desk)
            rd.read_by_drop(desk, rd.document_point(desk, notepad), idle)
            rd.wait_found_window(desk)
            rd.check_desktop_after_read(desk, notepad, rd.document_point(desk, notepad))
            desk.holds_for(lambda: not notices(desk), 4, message="no balloon after hits")


if __name__ == "__main__":
    unittest.main()
