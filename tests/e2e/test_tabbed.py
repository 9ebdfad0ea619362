"""The tabbed window as the tray opens it: each page with its tab, busy tray icon, the
embossed title after being covered, Help (button and F1), and the Keywords page without
vocabularies."""

import unittest

from zfharness import datafile
from zfharness.constants import (IDC_HELP_BUTTON, IDC_KEYWORDS_ADD, IDC_KEYWORDS_LIST,
                                 IDC_KEYWORDS_PASTE, IDC_KEYWORDS_VOCABULARY, IDC_VOCAB_ADD,
                                 IDC_VOCAB_LIST, IDCANCEL, IDOK, SC_MAXIMIZE, WM_CLOSE,
                                 WM_SYSCOMMAND)
from zfharness.desktop import WineDesktop
from zfharness.program import Program


def help_pages(desk):
    """How often the help page was opened."""
    return [page.lower() for page in desk.opened_pages()].count("c:\\zembrafind\\zfhelp.htm")


class TabbedWindowTest(unittest.TestCase):
    def test_tray_menu_opens_each_page_with_its_tab_and_busy_icon(self):
        with WineDesktop("tabbed-pages") as desk:
            data = datafile.data_file(datafile.sample_vocabularies())
            program = Program(desk, data)
            idle = desk.tray_icon_image()
            for item, page, shot in (("Settings", 2, "tabbed-settings"),
                                     ("About", 3, "tabbed-about"),
                                     ("Vocabularies", 0, "tabbed-vocabularies")):
                with self.subTest(item=item):
                    tabbed = program.open_from_tray_menu(item)
                    # The page stays up after the posted "Init" re-selection, whenever
                    # it runs.
                    def page_up():
                        return (program.selected_tab(), program.visible_page()) == (page, page)
                    desk.wait_for(page_up, message=f"page {page} up")
                    desk.holds_for(page_up, 1, message=f"page {page} up")
                    self.assertNotEqual(idle, desk.tray_icon_image(), "busy icon while open")
                    program.window_shot(tabbed, shot)
                    program.finish(IDCANCEL)
                    desk.wait_for(lambda: desk.tray_icon_image() == idle,
                                  message="the idle tray icon after closing")
            # Nothing was confirmed, so nothing was written.
            self.assertEqual(data, program.data())

    def test_keywords_tab_shows_the_selected_vocabulary_and_pages_can_switch(self):
        with WineDesktop("tabbed-switch") as desk:
            program = Program(desk, datafile.data_file(datafile.sample_vocabularies()))
            tabbed = program.open_from_tray_menu("Vocabularies")
            icons = program.control(IDC_VOCAB_LIST)
            desk.probe.listview_select(icons, [1])
            program.show_tab(1)
            box = desk.probe.combo(program.control(IDC_KEYWORDS_VOCABULARY))
            self.assertEqual(["Animals", "Weather", "Places"], box["items"])
            self.assertEqual(1, box["selected"])
            self.assertEqual([["rain", "Any word"], ["strong wind", "All words"]],
                             desk.probe.listview_rows(program.control(IDC_KEYWORDS_LIST)))
            program.window_shot(tabbed, "tabbed-keywords")

            # No selection on the Vocabularies page: the Keywords page shows the first.
            program.show_tab(0)
            desk.probe.listview_set_state(icons, -1, 0)
            program.show_tab(1)
            self.assertEqual(0, desk.probe.combo(program.control(IDC_KEYWORDS_VOCABULARY))[
                "selected"])
            for page in (2, 3, 0):
                program.show_tab(page)
            # The close box cancels like the Cancel button.
            desk.probe.post(tabbed, WM_CLOSE)
            desk.wait_for(lambda: desk.probe.window(tabbed) is None, message="closed")

    def test_title_is_embossed_and_redrawn_after_being_covered(self):
        with WineDesktop("tabbed-title") as desk:
            program = Program(desk)
            tabbed = program.open_from_tray_menu("Vocabularies")
            left, top, right, bottom = desk.probe.window(tabbed)["rect"]
            margin = (left + 4, top + 30, left + 30, bottom - 40)

            def title_drawn():
                region = desk.screen_region(*margin)
                return len(set(region[i:i + 3] for i in range(0, len(region), 3))) > 2
            desk.wait_for(title_drawn, message="the margin holding more than the face colour")
            before = desk.screen_region(*margin)
            program.window_shot(tabbed, "tabbed-title-before-cover")

            notepad = desk.start_notepad("covering the tabbed window\n", name="cover.txt")
            desk.probe.post(notepad, WM_SYSCOMMAND, SC_MAXIMIZE)
            desk.wait_for(lambda: desk.screen_region(*margin) != before,
                          message="notepad covering the title")
            desk.probe.post(notepad, WM_CLOSE)
            desk.wait_for(lambda: desk.probe.window(notepad) is None, message="notepad gone")
            desk.probe.set_foreground(tabbed)
            desk.wait_for(lambda: desk.screen_region(*margin) == before,
                          message="the title drawn again as before")
            program.window_shot(tabbed, "tabbed-title-after-cover")
            program.finish(IDOK)

    def test_help_opens_the_help_page_and_add_without_vocabulary_says_so(self):
        with WineDesktop("tabbed-empty") as desk:
            program = Program(desk)
            tabbed = program.open_from_tray_menu("Vocabularies")
            self.assertEqual([], desk.probe.listview(program.control(IDC_VOCAB_LIST))["items"])
            program.click(IDC_HELP_BUTTON)
            desk.wait_for(lambda: help_pages(desk) == 1, message="the help page opening")
            # F1 opens it too.
            desk.probe.set_foreground(tabbed)
            desk.wait_for(lambda: (desk.probe.foreground() or {}).get("hwnd") == tabbed,
                          message="the tabbed window in front")
            desk.key("F1")
            desk.wait_for(lambda: help_pages(desk) == 2, message="the help page after F1")

            program.show_tab(1)
            box = desk.probe.combo(program.control(IDC_KEYWORDS_VOCABULARY))
            self.assertEqual(([], -1), (box["items"], box["selected"]))
            self.assertFalse(desk.probe.window(program.control(IDC_KEYWORDS_PASTE))["enabled"])
            program.click(IDC_KEYWORDS_ADD)
            message = desk.wait_for(lambda: program.message_box(tabbed),
                                    message="the message box")
            texts = [c["text"] for c in desk.probe.children(message)]
            self.assertIn("No vocabulary is selected.", texts)
            program.window_shot(message, "keywords-no-vocabulary")
            program.click(IDOK, message)
            program.wait_closed(message)
            self.assertEqual([], desk.probe.listview(program.control(IDC_KEYWORDS_LIST))["items"])
            program.finish(IDOK)
            # OK writes the (unchanged) store.
            self.assertEqual(datafile.data_file(), program.data())

    def test_pages_are_made_when_first_shown_and_keep_their_state(self):
        with WineDesktop("tabbed-made-on-show") as desk:
            program = Program(desk, datafile.data_file(datafile.sample_vocabularies()))
            tabbed = program.open_from_tray_menu("Settings")
            desk.wait_for(lambda: program.visible_page() == 2, message="the Settings page")
            # The window opens with the page it shows, and no other.
            for marker in (IDC_VOCAB_LIST, IDC_KEYWORDS_LIST):
                self.assertIsNone(desk.probe.control(tabbed, id=marker))

            # Without a Vocabularies page the Keywords page shows the first vocabulary,
            # the one a Vocabularies page chooses when it is made.
            program.show_tab(1)
            box = desk.probe.combo(program.control(IDC_KEYWORDS_VOCABULARY))
            self.assertEqual(0, box["selected"])
            self.assertEqual([["zebra", "Any word"], ["kestrel", "Any word"],
                              ["grey heron", "Exact phrase"]],
                             desk.probe.listview_rows(program.control(IDC_KEYWORDS_LIST)))

            # A page made later is the same window, as the user left it, after other tabs.
            program.show_tab(0)
            icons = program.control(IDC_VOCAB_LIST)
            self.assertEqual([0], desk.probe.listview_selected(icons))
            desk.probe.listview_select(icons, [2])
            for page in (3, 2, 1, 0):
                program.show_tab(page)
            self.assertEqual(icons, program.control(IDC_VOCAB_LIST))
            self.assertEqual([2], desk.probe.listview_selected(icons))
            program.show_tab(1)
            self.assertEqual(2, desk.probe.combo(program.control(IDC_KEYWORDS_VOCABULARY))[
                "selected"])
            program.finish(IDCANCEL)

    def test_add_on_a_full_table_says_why_and_changes_nothing(self):
        with WineDesktop("tabbed-full") as desk:
            full = [datafile.Vocabulary(f"V{n}", "shell32.dll", n % 20) for n in range(64)]
            # An icon file that is missing still gets a picture at its place.
            full[1] = datafile.Vocabulary("V1", "C:\\nowhere\\missing.dll", 0)
            program = Program(desk, datafile.data_file(full))
            tabbed = program.open_from_tray_menu("Vocabularies")
            icons = program.control(IDC_VOCAB_LIST)
            items = desk.probe.listview(icons)["items"]
            self.assertEqual(64, len(items))
            self.assertEqual(list(range(64)), [item["image"] for item in items])
            program.window_shot(tabbed, "vocabularies-placeholder-icon")
            program.click(IDC_VOCAB_ADD)
            message = desk.wait_for(lambda: program.message_box(tabbed),
                                    message="the message box")
            texts = " ".join(c["text"] for c in desk.probe.children(message))
            self.assertIn("64", texts)
            program.window_shot(message, "vocabularies-table-full")
            program.click(IDOK, message)
            program.wait_closed(message)
            self.assertIsNone(desk.probe.find_window(title="Vocabulary properties"))
            self.assertEqual(64, len(desk.probe.listview(icons)["items"]))
            program.finish(IDOK)
            self.assertEqual(datafile.data_file(full), program.data())


if __name__ == "__main__":
    unittest.main()
