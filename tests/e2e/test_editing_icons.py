"""The Change Icon dialog's rules: an index beyond the file's icons, a cancelled choice,
a file name typed and then left by a click into the icon list, and "..".
What each leaves is read back from data.dat after OK."""

import unittest

from zfharness import datafile
from zfharness.constants import (CMB_FILE_NAME, CMB_FILE_TYPE, IDC_ICON_BROWSE, IDC_ICON_FILE,
                                 IDC_ICON_LIST, IDC_PROPS_SELECT_ICON, IDC_VOCAB_LIST,
                                 IDC_VOCAB_PROPERTIES, IDCANCEL, IDOK, SHELL32_PATH)
from zfharness.datafile import Vocabulary
from zfharness.desktop import WineDesktop
from zfharness.program import Program

VOCABULARIES = [Vocabulary("Far", "shell32.dll", 9999), Vocabulary("Typed", "shell32.dll", 2),
                Vocabulary("Browsed", "shell32.dll", 4)]


class ChangeIconTest(unittest.TestCase):
    def test_icon_rules_and_what_they_hand_back(self):
        with WineDesktop("editing-icons") as desk:
            self.desk = desk
            self.program = Program(desk, datafile.data_file(VOCABULARIES))
            self.probe = desk.probe
            self.program.open_from_tray_menu("Vocabularies")

            self.index_beyond_the_last_icon_then_cancel()
            self.typed_name_left_by_a_click_into_the_list()
            self.browse_for_the_file()
            self.program.finish(IDOK)
            expected = [VOCABULARIES[0], Vocabulary("Typed", "SHELL32.DLL", 0),
                        Vocabulary("Browsed", SHELL32_PATH, 0)]
            self.assertEqual(datafile.data_file(expected), self.program.data())

    def open_change_icon(self, vocabulary):
        program = self.program
        self.probe.listview_select(program.control(IDC_VOCAB_LIST), [vocabulary])
        program.click(IDC_VOCAB_PROPERTIES)
        properties = program.wait_dialog("Vocabulary properties")
        program.click(IDC_PROPS_SELECT_ICON, properties)
        return properties, program.wait_dialog("Change Icon")

    def close(self, dialog, button):
        self.program.click(button, dialog)
        self.program.wait_closed(dialog)

    def index_beyond_the_last_icon_then_cancel(self):
        properties, dialog = self.open_change_icon(0)
        listing = self.probe.listbox(self.program.control(IDC_ICON_LIST, dialog))
        self.assertEqual(0, listing["selected"], "icon 0 chosen for an index past the end")
        self.close(dialog, IDCANCEL)
        self.close(properties, IDOK)

    def typed_name_left_by_a_click_into_the_list(self):
        """A name differing only in case counts as new; the click into the list reloads,
        and since the edit is still pending the first OK reloads once more."""
        properties, dialog = self.open_change_icon(1)
        program = self.program
        icon_list = program.control(IDC_ICON_LIST, dialog)
        self.assertEqual(2, self.probe.listbox(icon_list)["selected"])
        self.probe.set_text(program.control(IDC_ICON_FILE, dialog), "SHELL32.DLL")
        left, top, right, bottom = self.probe.window(icon_list)["rect"]
        cell = bottom - top - 20  # about one cell, well inside the second
        self.desk.click(left + cell + cell // 2, top + cell // 2)
        self.desk.wait_for(lambda: self.probe.listbox(icon_list)["selected"] == 1,
                           message="the clicked icon chosen in the reloaded list")
        self.probe.select_listbox(icon_list, 5)
        program.click(IDOK, dialog)
        self.desk.wait_for(lambda: self.probe.listbox(icon_list)["selected"] == 0,
                           message="OK reloading the list with icon 0")
        self.assertIsNotNone(self.probe.window(dialog))
        self.close(dialog, IDOK)
        self.close(properties, IDOK)

    def browse_for_the_file(self):
        properties, dialog = self.open_change_icon(2)
        program = self.program
        program.click(IDC_ICON_BROWSE, dialog)
        opener = self.desk.wait_window(title="Open", cls="#32770")["hwnd"]
        name_box = program.control(CMB_FILE_NAME, opener)
        self.desk.wait_for(lambda: self.probe.text(name_box) == "*.exe;*.dll;*.ico",
                           message="the proposed patterns")
        types = self.probe.combo(program.control(CMB_FILE_TYPE, opener))
        self.assertEqual(["*.exe", "*.dll", "*.ico", "*.icl", "*.*"], types["items"])
        program.window_shot(opener, "change-icon-open-dialog")
        self.probe.set_text(name_box, SHELL32_PATH)
        self.probe.set_foreground(opener)
        self.desk.key("Return")
        program.wait_closed(opener)
        field = program.control(IDC_ICON_FILE, dialog)
        self.desk.wait_for(lambda: self.probe.text(field).lower() == SHELL32_PATH.lower(),
                           message="the chosen file in the field")
        self.assertEqual(0, self.probe.listbox(program.control(IDC_ICON_LIST, dialog))["selected"])
        # Filled in by the dialog, not typed: OK closes at once.
        self.close(dialog, IDOK)
        self.close(properties, IDOK)


if __name__ == "__main__":
    unittest.main()
