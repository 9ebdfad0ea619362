"""A whole editing session on the Vocabularies, Keywords and Settings pages and their
dialogs: OK writes exactly the edited store to data.dat (the same bytes as the tests' own
writer gives), Cancel leaves data.dat and the program's store as they were."""

import unittest

from zfharness import datafile
from zfharness.constants import (ID_NAMES, IDC_ENTRY_TEXT, IDC_ICON_FILE, IDC_ICON_LIST,
                                 IDC_KEYWORDS_ADD, IDC_KEYWORDS_COPY, IDC_KEYWORDS_DELETE,
                                 IDC_KEYWORDS_DOWN, IDC_KEYWORDS_EDIT, IDC_KEYWORDS_LIST,
                                 IDC_KEYWORDS_PASTE, IDC_KEYWORDS_UP, IDC_KEYWORDS_VOCABULARY,
                                 IDC_PROPS_NAME, IDC_PROPS_SELECT_ICON, IDC_SOUND_PATH,
                                 IDC_TITLE_PAIR_SEQUENCE, IDC_TITLE_PAIR_TITLE, IDC_VOCAB_ADD,
                                 IDC_VOCAB_DELETE, IDC_VOCAB_DOWN, IDC_VOCAB_KEYWORDS,
                                 IDC_VOCAB_LIST, IDC_VOCAB_UP, IDCANCEL, IDOK, MODE_NAMES,
                                 SELECT_TITLE, SHELL32_PATH, SOUND_FILE)
from zfharness.constants import IDC_KEYSEQ_ADD as IDC_ADD
from zfharness.constants import IDC_SETTINGS_FOUND as IDC_FOUND
from zfharness.constants import IDC_SETTINGS_NOT_FOUND as IDC_NOT_FOUND
from zfharness.constants import IDC_SETTINGS_SELECT_ALL as IDC_SELECT_ALL
from zfharness.datafile import ALL_WORDS, ANY_WORD, EXACT_PHRASE, Vocabulary
from zfharness.desktop import WineDesktop
from zfharness.program import Program

BIRD_ENTRIES = [("kestrel", ANY_WORD), ("grey heron", EXACT_PHRASE), ("barn owl", ALL_WORDS),
                ("robin", ANY_WORD), ("song thrush", EXACT_PHRASE), ("wren", ANY_WORD)]


FOUND_SOUND = "C:\\Zembrafind\\found it.wav"
NOT_FOUND_SOUND = "C:\\Sounds\\nothing.wav"
SELECT_ALL_PAIR = ("Reader", "<ctrl><home><ctrl>")


def rows(entries):
    return [[text, MODE_NAMES[mode]] for text, mode in entries]


def edited_vocabularies():
    """What the session below leaves, built independently of the program."""
    animals, weather, _places = datafile.sample_vocabularies()
    # Rows after the edit, the block moves and the deletion of rows 1 and 3.
    birds = [("barn owl", ALL_WORDS), ("grey heron", EXACT_PHRASE), ("song thrush", EXACT_PHRASE),
             ("wren", ANY_WORD)]
    sky = [("rain bow", EXACT_PHRASE), ("barn owl", ALL_WORDS), ("song thrush", EXACT_PHRASE)]
    return [animals, weather,
            Vocabulary("Sky", SHELL32_PATH, 7, sky),
            Vocabulary("Birds", "shell32.dll", 3, birds)]


def edited_settings():
    return datafile.Settings(select_all_sequences=[SELECT_ALL_PAIR], found_sound=FOUND_SOUND,
                             not_found_sound=NOT_FOUND_SOUND, play_found=True,
                             play_not_found=True)


class EditingSession:
    """Drives the pages the way a user would, checking each step on screen."""

    def __init__(self, test, program, shots):
        self.test, self.program, self.probe, self.shots = test, program, program.probe, shots

    def run(self):
        program = self.program
        self.tabbed = program.open_from_tray_menu("Vocabularies")
        self.add_vocabulary("Birds", self.pick_listed_icon)
        self.add_vocabulary("Sky", self.pick_typed_file)
        self.add_vocabulary_with_defaults_then_delete()
        self.test.assertEqual(["Animals", "Weather", "Places", "Birds", "Sky"],
                              self.vocabulary_names())
        self.shot(self.tabbed, "vocabularies-page-edited")

        self.icons_select(3)
        program.click(IDC_VOCAB_KEYWORDS)
        program.desk.wait_for(lambda: program.visible_page() == 1, message="Keywords page")
        self.test.assertEqual(3, self.probe.combo(self.box())["selected"])
        for n, (text, mode) in enumerate(BIRD_ENTRIES):
            program.keyword_dialog(IDC_KEYWORDS_ADD, text, mode,
                                   shot="keyword-entry-dialog" if n == 1 and self.shots else None)
        self.test.assertEqual(rows(BIRD_ENTRIES), self.rows())
        self.edit_and_move_rows()
        self.copy_into_sky()
        self.select_rows([1, 3])
        program.click(IDC_KEYWORDS_DELETE)
        self.wait_rows(4)
        self.test.assertEqual([], self.selected_rows())
        self.shot(self.tabbed, "keywords-page-edited")
        self.reorder_and_delete_vocabularies()

    def set_sounds_and_select_all(self):
        """Both sounds on with typed files, and one window-specific select-all pair."""
        program = self.program
        program.show_tab(2)
        for switch, path in ((IDC_FOUND, FOUND_SOUND), (IDC_NOT_FOUND, NOT_FOUND_SOUND)):
            program.click(switch)
            dialog = program.wait_dialog(SOUND_FILE)
            self.probe.set_text(program.control(IDC_SOUND_PATH, dialog), path)
            program.click(IDOK, dialog)
            program.wait_closed(dialog)
            self.test.assertEqual(1, self.probe.check_state(program.control(switch)))
        program.click(IDC_SELECT_ALL)
        dialog = program.wait_dialog(SELECT_TITLE)
        program.click(IDC_ADD, dialog)
        pair = program.wait_dialog("Window Specific")
        for control_id, text in zip((IDC_TITLE_PAIR_TITLE, IDC_TITLE_PAIR_SEQUENCE), SELECT_ALL_PAIR):
            self.probe.set_text(program.control(control_id, pair), text)
        program.click(IDOK, pair)
        program.wait_closed(pair)
        program.click(IDOK, dialog)
        program.wait_closed(dialog)

    # -- vocabularies -------------------------------------------------------------------

    def add_vocabulary(self, name, choose_icon):
        program = self.program
        program.click(IDC_VOCAB_ADD)
        dialog = program.wait_dialog("Vocabulary properties")
        self.test.assertEqual("", self.probe.text(program.control(IDC_PROPS_NAME, dialog)))
        self.probe.set_text(program.control(IDC_PROPS_NAME, dialog), name)
        program.click(IDC_PROPS_SELECT_ICON, dialog)
        icons = program.wait_dialog("Change Icon")
        choose_icon(icons)
        program.wait_closed(icons)
        self.shot(dialog, f"vocabulary-properties-{name.lower()}")
        program.click(IDOK, dialog)
        program.wait_closed(dialog)

    def pick_listed_icon(self, dialog):
        program = self.program
        self.test.assertEqual("shell32.dll",
                              self.probe.text(program.control(IDC_ICON_FILE, dialog)))
        listing = self.probe.listbox(program.control(IDC_ICON_LIST, dialog))
        self.test.assertGreater(len(listing["items"]), 10)
        self.test.assertEqual(0, listing["selected"])
        self.probe.select_listbox(program.control(IDC_ICON_LIST, dialog), 3)
        self.shot(dialog, "change-icon-dialog")
        program.click(IDOK, dialog)

    def pick_typed_file(self, dialog):
        """A typed file name and Enter reload the list and keep the dialog open; the next
        OK closes it with the icon then chosen."""
        program = self.program
        icon_list = program.control(IDC_ICON_LIST, dialog)
        self.probe.select_listbox(icon_list, 5)
        self.probe.set_text(program.control(IDC_ICON_FILE, dialog), SHELL32_PATH)
        self.probe.set_foreground(dialog)
        program.desk.key("Return")
        program.desk.wait_for(lambda: self.probe.listbox(icon_list)["selected"] == 0,
                              message="the typed file's icons, icon 0 chosen")
        program.desk.holds_for(lambda: self.probe.window(dialog), 0.5,
                               message="Enter reloads, stays open")
        self.probe.select_listbox(icon_list, 7)
        program.click(IDOK, dialog)

    def add_vocabulary_with_defaults_then_delete(self):
        program = self.program
        program.click(IDC_VOCAB_ADD)
        dialog = program.wait_dialog("Vocabulary properties")
        program.click(IDOK, dialog)
        program.wait_closed(dialog)
        self.test.assertEqual(["Animals", "Weather", "Places", "Birds", "Sky", ""],
                              self.vocabulary_names())
        # After Add the first vocabulary is selected, not the new one.
        self.test.assertEqual([0], self.probe.listview_selected(self.icons()))
        self.icons_select(5)
        program.click(IDC_VOCAB_DELETE)
        program.desk.wait_for(lambda: len(self.vocabulary_names()) == 5, message="deleted")

    def reorder_and_delete_vocabularies(self):
        """Up and Down twice each from the first vocabulary and back, refused at both
        ends; each move leaves the moved vocabulary selected."""
        program = self.program
        program.show_tab(0)
        icons = self.icons()
        self.icons_select(0)
        order = ["Animals", "Weather", "Places", "Birds", "Sky"]
        for button, moved, selection in (
                (IDC_VOCAB_UP, order, [0]),
                (IDC_VOCAB_DOWN, ["Weather", "Animals", "Places", "Birds", "Sky"], [1]),
                (IDC_VOCAB_DOWN, ["Weather", "Places", "Animals", "Birds", "Sky"], [2]),
                (IDC_VOCAB_UP, ["Weather", "Animals", "Places", "Birds", "Sky"], [1]),
                (IDC_VOCAB_UP, order, [0])):
            self.move(button, icons, moved, selection)
        self.icons_select(4)
        self.move(IDC_VOCAB_DOWN, icons, order, [4])
        self.move(IDC_VOCAB_UP, icons, ["Animals", "Weather", "Places", "Sky", "Birds"], [3])
        self.icons_select(2)
        program.click(IDC_VOCAB_DELETE)
        program.desk.wait_for(lambda: self.vocabulary_names() == ["Animals", "Weather", "Sky",
                                                                   "Birds"],
                              message="Places deleted")

    # -- keywords -----------------------------------------------------------------------

    def edit_and_move_rows(self):
        program = self.program
        self.select_rows([3, 5])
        program.click(IDC_KEYWORDS_EDIT)  # edits the first selected row, "robin"
        dialog = program.wait_dialog("Keywords")
        self.test.assertEqual("robin", self.probe.text(program.control(IDC_ENTRY_TEXT, dialog)))
        program.click(IDCANCEL, dialog)
        program.wait_closed(dialog)
        program.keyword_dialog(IDC_KEYWORDS_EDIT, "European robin", ALL_WORDS)
        self.test.assertEqual(["European robin", "All words"], self.rows()[3])

        # A block moves up twice and is refused at the top; one row moves down twice and
        # back, and is refused at the bottom. The moved rows stay selected.
        entries = self.entry_list()
        tail = ["song thrush", "wren"]
        self.select_rows([2, 3])
        for button, moved, selection in (
                (IDC_KEYWORDS_UP, ["kestrel", "barn owl", "European robin", "grey heron"] + tail,
                 [1, 2]),
                (IDC_KEYWORDS_UP, ["barn owl", "European robin", "kestrel", "grey heron"] + tail,
                 [0, 1]),
                (IDC_KEYWORDS_UP, ["barn owl", "European robin", "kestrel", "grey heron"] + tail,
                 [0, 1])):
            self.move(button, entries, moved, selection)
        self.select_rows([2])
        down_once = ["barn owl", "European robin", "grey heron", "kestrel"] + tail
        for button, moved, selection in (
                (IDC_KEYWORDS_DOWN, down_once, [3]),
                (IDC_KEYWORDS_DOWN, ["barn owl", "European robin", "grey heron", "song thrush",
                                     "kestrel", "wren"], [4]),
                (IDC_KEYWORDS_UP, down_once, [3])):
            self.move(button, entries, moved, selection)
        self.select_rows([5])
        self.move(IDC_KEYWORDS_DOWN, entries, down_once, [5])

    def move(self, button, list_view, expected, expected_selection):
        """Clicks Up or Down and waits for the order (first column) and selection it must
        leave in the list view; a move refused at an end must leave both as they were for a
        while."""
        desk = self.program.desk

        def state():
            items = self.probe.listview(list_view)["items"]
            return ([item["texts"][0] for item in items],
                    [n for n, item in enumerate(items) if item["selected"]])
        want = (expected, expected_selection)
        refused = state() == want
        self.program.click(button)
        what = f"{ID_NAMES[button]}: order {expected}, selected {expected_selection}"
        try:
            if refused:
                desk.holds_for(lambda: state() == want, 0.5, message=f"refused {what}")
            else:
                desk.wait_for(lambda: state() == want, message=what)
        except AssertionError as error:
            raise AssertionError(f"{error}; now order {state()[0]}, selected "
                                 f"{state()[1]}") from None

    def copy_into_sky(self):
        program = self.program
        self.select_rows([0, 4])
        program.click(IDC_KEYWORDS_COPY)
        program.desk.wait_for(lambda: self.probe.window(
            program.control(IDC_KEYWORDS_PASTE))["enabled"], message="Paste enabled")
        self.probe.select_combo(self.box(), 4)
        self.wait_rows(0)
        program.keyword_dialog(IDC_KEYWORDS_ADD, "rain bow", EXACT_PHRASE)
        program.click(IDC_KEYWORDS_PASTE)
        self.wait_rows(3)
        self.test.assertEqual([["rain bow", "Exact phrase"], ["barn owl", "All words"],
                               ["song thrush", "Exact phrase"]], self.rows())
        self.probe.select_combo(self.box(), 3)
        self.wait_rows(6)

    # -- reading the pages --------------------------------------------------------------

    def icons(self):
        return self.program.control(IDC_VOCAB_LIST)

    def icons_select(self, index):
        self.probe.listview_select(self.icons(), [index])

    def vocabulary_names(self):
        return [row[0] for row in self.probe.listview_rows(self.icons())]

    def box(self):
        return self.program.control(IDC_KEYWORDS_VOCABULARY)

    def entry_list(self):
        return self.program.control(IDC_KEYWORDS_LIST)

    def rows(self):
        return self.probe.listview_rows(self.entry_list())

    def row_texts(self):
        return [row[0] for row in self.rows()]

    def wait_rows(self, count):
        self.program.desk.wait_for(lambda: len(self.rows()) == count, message=f"{count} rows")

    def select_rows(self, indices):
        self.probe.listview_select(self.entry_list(), indices)

    def selected_rows(self):
        return self.probe.listview_selected(self.entry_list())

    def shot(self, hwnd, name):
        if self.shots:
            self.program.window_shot(hwnd, name)


class EditingTest(unittest.TestCase):
    def test_ok_writes_exactly_the_edited_store(self):
        with WineDesktop("editing-ok") as desk:
            program = Program(desk, datafile.data_file(datafile.sample_vocabularies()))
            session = EditingSession(self, program, shots=True)
            session.run()
            session.set_sounds_and_select_all()
            program.finish(IDOK)
            self.assertEqual(datafile.data_file(edited_vocabularies(), edited_settings()),
                             program.data())

    def test_cancel_leaves_data_file_and_store_as_they_were(self):
        with WineDesktop("editing-cancel") as desk:
            original = datafile.data_file(datafile.sample_vocabularies())
            program = Program(desk, original)
            session = EditingSession(self, program, shots=False)
            session.run()
            session.set_sounds_and_select_all()
            program.finish(IDCANCEL)
            self.assertEqual(original, program.data())

            # The program's store is the one from before: OK now writes it unchanged.
            program.open_from_tray_menu("Vocabularies")
            names = [row[0] for row in desk.probe.listview_rows(program.control(IDC_VOCAB_LIST))]
            self.assertEqual(["Animals", "Weather", "Places"], names)
            # The copied entries outlive the window: Paste is ready on the next opening.
            program.show_tab(1)
            self.assertTrue(desk.probe.window(program.control(IDC_KEYWORDS_PASTE))["enabled"])
            program.finish(IDOK)
            self.assertEqual(original, program.data())


if __name__ == "__main__":
    unittest.main()
