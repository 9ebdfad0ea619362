"""The key-sequence dialogs ask before OK about a "<name>" that is no key token (it would be
typed into the user's document as text): No leaves the dialog open at the sequence, Yes
keeps the sequence as typed, and a sequence of key tokens alone asks nothing."""

import unittest

from test_settings import SettingsSession, starting_data
from zfharness import datafile
from zfharness.constants import (GOTO_TITLE, IDC_TITLE_PAIR_SEQUENCE, IDC_TITLE_PAIR_TITLE, IDNO,
                                 IDOK, IDYES)
from zfharness.constants import IDC_KEYSEQ_ADD as IDC_ADD
from zfharness.constants import IDC_KEYSEQ_DEFAULT as IDC_DEFAULT
from zfharness.constants import IDC_SETTINGS_GOTO as IDC_GOTO
from zfharness.desktop import WineDesktop
from zfharness.program import Program


class KeyNameWarningTest(unittest.TestCase):
    def test_unknown_names_are_asked_about_and_kept_on_yes(self):
        with WineDesktop("key-name-warning") as desk:
            program = Program(desk, starting_data())
            s = SettingsSession(self, desk, program)
            dialog = s.open_sequences(IDC_GOTO, GOTO_TITLE)

            s.click(IDC_ADD, dialog)
            pair = program.wait_dialog("Window Specific")
            s.set_text(IDC_TITLE_PAIR_TITLE, pair, "Scratch")
            s.set_text(IDC_TITLE_PAIR_SEQUENCE, pair, "<Ctrl>f<Ctrl><enter>")
            s.click(IDOK, pair)
            box = self.answer(desk, program, s.tabbed, "<Ctrl> is no key name", IDNO)
            desk.wait_gone(box)
            self.assertIsNotNone(desk.probe.window(pair), "No leaves the dialog open")
            s.click(IDOK, pair)
            self.answer(desk, program, s.tabbed, "<Ctrl> is no key name", IDYES)
            program.wait_closed(pair)

            s.set_text(IDC_DEFAULT, dialog, "<ctrl>f<ctrl><F13><win>")
            s.click(IDOK, dialog)
            self.answer(desk, program, s.tabbed, "<F13>, <win> is no key name", IDYES)
            program.wait_closed(dialog)
            program.finish(IDOK)

            _, settings = datafile.parse(program.data())
            self.assertIn(("Scratch", "<Ctrl>f<Ctrl><enter>"), settings.find_sequences)
            self.assertEqual("<ctrl>f<ctrl><F13><win>", settings.default_find)

    def answer(self, desk, program, tabbed, text, button):
        box = desk.wait_for(lambda: program.message_box(tabbed),
                            message="the question about the key name")
        texts = [c["text"] for c in desk.probe.children(box)]
        self.assertTrue(any(t.startswith(text) for t in texts), texts)
        desk.probe.click_id(box, button)
        return box


if __name__ == "__main__":
    unittest.main()
