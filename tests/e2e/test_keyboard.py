"""Everything by keys: a read with Ctrl+R and Ctrl+Shift+R from the Vocabularies page
(no click anywhere, the selection collapsed by a key), the message when no document was
ever in front, and the tray icon answering the messages the shell sends for keys."""

import unittest

from zfharness import reading as rd
from zfharness.constants import (MAIN_TITLE, NIN_KEYSELECT, TABBED_TITLE, WM_CONTEXTMENU,
                                 WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN)
from zfharness.datafile import ALL_WORDS, ANY_WORD, Vocabulary
from zfharness.desktop import WineDesktop
from zfharness.program import wait_page

DOCUMENT = "Zebras graze at dawn.\nThe KESTREL watches\nfrom the fence post.\nRain and strong wind.\n"
VOCABULARIES = [
    Vocabulary("Animals", "shell32.dll", 41, [("Zebra", ANY_WORD), ("kestrel", ANY_WORD)]),
    Vocabulary("Weather", "shell32.dll", 12,
               [("rain", ANY_WORD), ("wind strong", ALL_WORDS), ("snow", ANY_WORD)]),
]
TRAY_CALLBACK = 101
TRAY_ID = 101


def open_vocabularies_page(desk):
    """Clicks the tray icon; returns the tabbed window's record and its icon list's."""
    desk.click(*desk.tray_point())
    tabbed = desk.wait_window(title=TABBED_TITLE)
    icons = desk.probe.control(tabbed["hwnd"], cls="SysListView32")
    desk.wait_for(lambda: desk.probe.thread_state(tabbed["hwnd"])["focus"] == icons["hwnd"],
                  message="the keyboard focus on the vocabulary icons")
    return tabbed, icons


def read_by_key(desk, keys, idle):
    desk.key(keys)
    rd.wait_busy(desk)
    rd.wait_idle(desk, idle)
    window = rd.wait_found_window(desk)
    return window, rd.found_list(desk, window)[0]["items"]


class KeyboardReadTest(unittest.TestCase):
    def test_ctrl_r_reads_the_remembered_document_without_a_click(self):
        with WineDesktop("keyboard-read") as desk:
            notepad = desk.start_notepad(DOCUMENT, name="zebras.txt")
            edit = desk.probe.control(notepad, cls="Edit")["hwnd"]
            text = desk.probe.text(edit)
            rd.start_reader(desk, VOCABULARIES)
            idle = desk.tray_icon_image()
            rd.put_in_front(desk, notepad)

            tabbed, icons = open_vocabularies_page(desk)
            desk.key("Right")
            desk.wait_for(lambda: desk.probe.listview_selected(icons["hwnd"]) == [1],
                          message="the second vocabulary selected")
            pointer = desk.probe.cursor()
            window, items = read_by_key(desk, "ctrl+r", idle)
            self.assertEqual(["rain", "wind strong"], items)
            self.assertIsNone(desk.probe.find_window(title=TABBED_TITLE))
            rd.check_desktop_after_read(desk, notepad, pointer, close="Escape")
            self.assertEqual(text, desk.probe.text(edit))

            open_vocabularies_page(desk)
            pointer = desk.probe.cursor()
            window, items = read_by_key(desk, "ctrl+shift+r", idle)
            self.assertEqual(["kestrel", "rain", "wind strong", "zebra"], items)
            self.assertEqual(text, desk.probe.text(edit))
            rd.check_desktop_after_read(desk, notepad, pointer)

            # In the Keywords found window the arrow keys move and Enter goes to the entry.
            desk.wait_for(lambda: rd.foreground(desk).get("hwnd") == window["hwnd"],
                          message="the Keywords found window in front")
            desk.key("Down", "Return")
            expected = rd.expected_selection(DOCUMENT, "rain")
            desk.wait_for(lambda: desk.probe.edit_selection(edit) == expected, timeout=15,
                          message="notepad's selection on the entry chosen by keys")

    def test_without_a_document_window_the_page_says_so_and_stays_open(self):
        with WineDesktop("keyboard-nodoc") as desk:
            rd.start_reader(desk, VOCABULARIES)
            rd.put_desktop_in_front(desk)
            tabbed, _ = open_vocabularies_page(desk)
            desk.key("ctrl+r")
            def message_box():
                return next((w for w in desk.probe.find_windows(title=TABBED_TITLE)
                             if w["hwnd"] != tabbed["hwnd"]), None)
            box = desk.wait_for(message_box, message="the page's message")
            self.assertTrue(any("no document window" in c.get("text", "")
                                for c in desk.probe.children(box["hwnd"])))
            desk.key("Return")
            desk.wait_gone(box["hwnd"])
            self.assertTrue(desk.probe.window(tabbed["hwnd"])["visible"])
            self.assertIsNone(rd.shown_found_window(desk))

            # The tabs, which never take the focus, change with Ctrl+Tab and back, both
            # keys of each direction wrapping around at both ends.
            for keys, page in (("ctrl+shift+Tab", 3), ("ctrl+Tab", 0), ("ctrl+Prior", 3),
                               ("ctrl+Prior", 2), ("ctrl+Next", 3), ("ctrl+Next", 0),
                               ("ctrl+Tab", 1)):
                desk.key(keys)
                wait_page(desk, tabbed["hwnd"], page, keys)


class TrayKeysTest(unittest.TestCase):
    """Wine's notification area takes no keyboard focus and relays only mouse messages,
    so the messages a shell sends for keys are posted here as the shell would."""

    def test_tray_messages_of_keys_open_the_page_and_the_menu(self):
        with WineDesktop("keyboard-tray") as desk:
            rd.start_reader(desk, VOCABULARIES)
            main = desk.probe.find_window(title=MAIN_TITLE, visible=None)["hwnd"]

            def tray(message):
                desk.probe.post(main, TRAY_CALLBACK, TRAY_ID, message)

            def tabbed_opens_and_closes():
                tabbed = desk.wait_window(title=TABBED_TITLE)
                desk.probe.click_id(tabbed["hwnd"], 2)
                desk.wait_gone(tabbed["hwnd"])

            # Enter or Space on the icon: what a newer shell sends, and the button pair
            # an older one plays.
            tray(NIN_KEYSELECT)
            tabbed_opens_and_closes()
            tray(WM_LBUTTONDOWN)
            tray(WM_LBUTTONUP)
            tabbed_opens_and_closes()

            # The menu key: the menu opens with its first item selected, so Return
            # chooses "Vocabularies"; Escape closes it.
            for message in (WM_CONTEXTMENU, WM_RBUTTONDOWN):
                tray(message)
                menu = desk.wait_window(cls="#32768")
                desk.key("Return")
                desk.wait_gone(menu["hwnd"])
                tabbed_opens_and_closes()
                tray(message)
                menu = desk.wait_window(cls="#32768")
                desk.key("Escape")
                desk.wait_gone(menu["hwnd"])
                self.assertIsNone(desk.probe.find_window(title=TABBED_TITLE))


if __name__ == "__main__":
    unittest.main()
