"""The Settings page under Wine: the sound switches with the "Sound File" dialog and the
open-file dialog behind "...", the "Go to" and "Select text" key-sequence settings with
their window-specific pairs, and what the tabbed window's OK and Cancel leave in data.dat."""

import unittest

from zfharness import datafile
from zfharness.constants import (CMB_FILE_NAME, CMB_FILE_TYPE, GOTO_TITLE, IDC_SOUND_BROWSE,
                                 IDC_SOUND_PATH, IDC_SOUND_PLAY, IDC_TITLE_PAIR_SEQUENCE,
                                 IDC_TITLE_PAIR_TITLE, IDCANCEL, IDOK, LVM_GETCOLUMNWIDTH,
                                 SELECT_TITLE, SOUND_FILE)
from zfharness.constants import IDC_KEYSEQ_ADD as IDC_ADD
from zfharness.constants import IDC_KEYSEQ_DEFAULT as IDC_DEFAULT
from zfharness.constants import IDC_KEYSEQ_DELETE as IDC_DELETE
from zfharness.constants import IDC_KEYSEQ_EDIT as IDC_EDIT
from zfharness.constants import IDC_KEYSEQ_LIST as IDC_LIST
from zfharness.constants import IDC_KEYSEQ_PROMPT as IDC_PROMPT
from zfharness.constants import IDC_SETTINGS_FOUND as IDC_FOUND
from zfharness.constants import IDC_SETTINGS_GOTO as IDC_GOTO
from zfharness.constants import IDC_SETTINGS_NOT_FOUND as IDC_NOT_FOUND
from zfharness.constants import IDC_SETTINGS_SELECT_ALL as IDC_SELECT_ALL
from zfharness.desktop import WineDesktop
from zfharness.program import Program

OLD_SOUND = "C:\\Zembrafind\\type.wav"
NEW_SOUND = "C:\\Zembrafind\\whoosh.wav"
MISSED_SOUND = "C:\\Zembrafind\\missed.wav"


def starting_data(sounds_on=False):
    """Both sounds off (the not-found one without a file), or both on with their files."""
    settings = datafile.Settings(find_sequences=[("Notepad", "<ctrl>f<ctrl>"),
                                                 ("Viewer", "<alt>s<alt>f")],
                                 found_sound=OLD_SOUND, reserved_values=(2020, 7, 9),
                                 reserved_texts=("kept",) + ("",) * 7)
    if sounds_on:
        settings.not_found_sound = MISSED_SOUND
        settings.play_found = settings.play_not_found = True
    return datafile.data_file(datafile.sample_vocabularies(), settings)


class SettingsSession:
    """The Settings page of an open tabbed window and the dialogs it opens."""

    def __init__(self, test, desk, program):
        self.test, self.desk, self.probe, self.program = test, desk, desk.probe, program
        self.tabbed = program.open_from_tray_menu("Settings")

    def click(self, control_id, window=None):
        self.program.click(control_id, window)

    def text(self, control_id, window):
        return self.probe.text(self.program.control(control_id, window))

    def set_text(self, control_id, window, text):
        self.probe.set_text(self.program.control(control_id, window), text)

    def checked(self, control_id):
        return self.probe.check_state(self.program.control(control_id)) == 1

    def close(self, dialog, button):
        self.click(button, dialog)
        self.program.wait_closed(dialog)

    def no_dialog_for_a_while(self, title):
        self.desk.holds_for(lambda: self.probe.find_window(title=title, cls="#32770") is None,
                            1.5, message=f'no "{title}" dialog')

    # -- key sequences ------------------------------------------------------------------

    def open_sequences(self, button, title):
        self.click(button)
        return self.program.wait_dialog(title)

    def rows(self, dialog):
        return [tuple(row) for row in
                self.probe.listview_rows(self.program.control(IDC_LIST, dialog))]

    def pair_dialog(self, dialog, opener, title, sequence, shot=None):
        """Opens "Window Specific" with `opener`, fills it in and confirms it."""
        self.click(opener, dialog)
        pair = self.program.wait_dialog("Window Specific")
        self.set_text(IDC_TITLE_PAIR_TITLE, pair, title)
        self.set_text(IDC_TITLE_PAIR_SEQUENCE, pair, sequence)
        if shot:
            self.program.window_shot(pair, shot)
        self.close(pair, IDOK)

    def select_row(self, dialog, row):
        self.probe.listview_select(self.program.control(IDC_LIST, dialog), [row])


class SettingsPageTest(unittest.TestCase):
    def test_sounds_and_key_sequences_are_saved_by_ok(self):
        with WineDesktop("settings-ok") as desk:
            program = Program(desk, starting_data())
            s = SettingsSession(self, desk, program)
            program.window_shot(s.tabbed, "settings-page")
            self.assertFalse(s.checked(IDC_FOUND))
            self.assertFalse(s.checked(IDC_NOT_FOUND))
            self.check_found_sound(s)
            self.check_not_found_sound_cancelled(s)
            self.edit_find_sequences(s)
            self.edit_select_all_sequences(s)
            program.finish(IDOK)

            vocabularies, settings = datafile.parse(program.data())
            self.assertEqual(["Animals", "Weather", "Places"], [v.name for v in vocabularies])
            self.assertEqual(NEW_SOUND, settings.found_sound)
            self.assertTrue(settings.play_found)
            self.assertEqual("", settings.not_found_sound)
            self.assertTrue(settings.play_not_found)
            self.assertEqual([("Notepad", "<ctrl>h<ctrl>"), ("Word", "<alt>e<alt>f")],
                             settings.find_sequences)
            self.assertEqual("<ctrl>f<ctrl>", settings.default_find)
            self.assertEqual([("Reader", "<ctrl><home><ctrl>")], settings.select_all_sequences)
            self.assertEqual("<alt>a", settings.default_select_all)
            self.assertEqual((2020, 7, 9), settings.reserved_values)
            self.assertEqual("kept", settings.reserved_texts[0])

    def check_found_sound(self, s):
        # Checking opens the dialog with the stored file; OK stores the new path.
        s.click(IDC_FOUND)
        dialog = s.program.wait_dialog(SOUND_FILE)
        self.assertEqual(OLD_SOUND, s.text(IDC_SOUND_PATH, dialog))
        s.program.window_shot(dialog, "sound-file-dialog")
        self.choose_with_open_dialog(s, dialog, NEW_SOUND)
        s.click(IDC_SOUND_PLAY, dialog)  # plays in the background; the dialog stays
        s.close(dialog, IDOK)
        self.assertTrue(s.checked(IDC_FOUND))
        # Unchecking asks nothing and keeps the file for the next time.
        s.click(IDC_FOUND)
        s.no_dialog_for_a_while(SOUND_FILE)
        self.assertFalse(s.checked(IDC_FOUND))
        s.click(IDC_FOUND)
        dialog = s.program.wait_dialog(SOUND_FILE)
        self.assertEqual(NEW_SOUND, s.text(IDC_SOUND_PATH, dialog))
        s.set_text(IDC_SOUND_PATH, dialog, "C:\\typed but cancelled.wav")
        s.close(dialog, IDCANCEL)
        self.assertTrue(s.checked(IDC_FOUND))

    def choose_with_open_dialog(self, s, dialog, path):
        s.click(IDC_SOUND_BROWSE, dialog)
        opener = s.desk.wait_window(title="Open", cls="#32770")["hwnd"]
        name_box = s.program.control(CMB_FILE_NAME, opener)
        s.desk.wait_for(lambda: s.probe.text(name_box) == "*.wav", message="*.wav proposed")
        types = s.probe.combo(s.program.control(CMB_FILE_TYPE, opener))
        self.assertEqual(["*.wav", "*.*"], types["items"])
        s.program.window_shot(opener, "sound-file-open-dialog")
        s.probe.set_text(name_box, path)
        # The file name box has the focus; Enter confirms like "Open".
        s.probe.set_foreground(opener)
        s.desk.key("Return")
        s.program.wait_closed(opener)
        s.desk.wait_for(lambda: s.text(IDC_SOUND_PATH, dialog).lower() == path.lower(),
                        message="the chosen path in the field")

    def check_not_found_sound_cancelled(self, s):
        # A cancelled question leaves the sound on with its old (empty) file.
        s.click(IDC_NOT_FOUND)
        dialog = s.program.wait_dialog(SOUND_FILE)
        self.assertEqual("", s.text(IDC_SOUND_PATH, dialog))
        s.close(dialog, IDCANCEL)
        self.assertTrue(s.checked(IDC_NOT_FOUND))

    def edit_find_sequences(self, s):
        dialog = s.open_sequences(IDC_GOTO, GOTO_TITLE)
        self.assertEqual('Specify a key sequence to bring up "Find" dialog.',
                         s.text(IDC_PROMPT, dialog))
        self.assertEqual("<ctrl>f<ctrl>", s.text(IDC_DEFAULT, dialog))
        self.assertEqual([("Notepad", "<ctrl>f<ctrl>"), ("Viewer", "<alt>s<alt>f")],
                         s.rows(dialog))
        self.check_columns(s, dialog)
        s.pair_dialog(dialog, IDC_ADD, "Word", "<alt>e<alt>f", shot="window-specific-dialog")
        s.select_row(dialog, 0)
        s.click(IDC_EDIT, dialog)
        pair = s.program.wait_dialog("Window Specific")
        self.assertEqual("Notepad", s.text(IDC_TITLE_PAIR_TITLE, pair))
        self.assertEqual("<ctrl>f<ctrl>", s.text(IDC_TITLE_PAIR_SEQUENCE, pair))
        s.set_text(IDC_TITLE_PAIR_SEQUENCE, pair, "<ctrl>h<ctrl>")
        s.close(pair, IDOK)
        s.select_row(dialog, 1)
        s.click(IDC_DELETE, dialog)
        s.desk.wait_for(lambda: len(s.rows(dialog)) == 2, message="the row deleted")
        self.assertEqual([("Notepad", "<ctrl>h<ctrl>"), ("Word", "<alt>e<alt>f")],
                         s.rows(dialog))
        s.program.window_shot(dialog, "goto-settings-dialog")
        s.close(dialog, IDOK)

    def check_columns(self, s, dialog):
        columns = s.probe.listview(s.program.control(IDC_LIST, dialog))["columns"]
        self.assertEqual(["Window", "Key sequence"], columns)
        list_hwnd = s.program.control(IDC_LIST, dialog)
        left, _, right, _ = s.probe.window(list_hwnd)["rect"]
        width = right - left
        self.assertEqual(width // 2, s.probe.send(list_hwnd, LVM_GETCOLUMNWIDTH, 0))
        self.assertEqual(width // 2 - 4, s.probe.send(list_hwnd, LVM_GETCOLUMNWIDTH, 1))

    def edit_select_all_sequences(self, s):
        dialog = s.open_sequences(IDC_SELECT_ALL, SELECT_TITLE)
        self.assertEqual("Specify a key sequence to select all text.", s.text(IDC_PROMPT, dialog))
        self.assertEqual("<ctrl>a<ctrl>", s.text(IDC_DEFAULT, dialog))
        self.assertEqual([], s.rows(dialog))
        # Delete and Edit without a row do nothing.
        s.click(IDC_DELETE, dialog)
        s.click(IDC_EDIT, dialog)
        s.no_dialog_for_a_while("Window Specific")
        s.pair_dialog(dialog, IDC_ADD, "Reader", "<ctrl><home><ctrl>")
        s.set_text(IDC_DEFAULT, dialog, "<alt>a")
        s.program.window_shot(dialog, "select-text-settings-dialog")
        s.close(dialog, IDOK)

    def test_cancel_keeps_data_file_and_dialogs_store_only_on_their_ok(self):
        with WineDesktop("settings-cancel") as desk:
            data = starting_data()
            program = Program(desk, data)
            s = SettingsSession(self, desk, program)
            # A cancelled key-sequence dialog stores nothing.
            dialog = s.open_sequences(IDC_GOTO, GOTO_TITLE)
            s.pair_dialog(dialog, IDC_ADD, "Scratch", "<F3>")
            s.set_text(IDC_DEFAULT, dialog, "<F3>")
            s.close(dialog, IDCANCEL)
            # OK without changes keeps the pairs and their order; deleting every row
            # leaves none.
            dialog = s.open_sequences(IDC_GOTO, GOTO_TITLE)
            self.assertEqual([("Notepad", "<ctrl>f<ctrl>"), ("Viewer", "<alt>s<alt>f")],
                             s.rows(dialog))
            self.assertEqual("<ctrl>f<ctrl>", s.text(IDC_DEFAULT, dialog))
            # A double click on a row edits it like "&Edit".
            left, top, right, bottom = desk.probe.listview_item_rect(
                program.control(IDC_LIST, dialog), 1)
            desk.click((left + right) // 2, (top + bottom) // 2, repeat=2)
            pair = program.wait_dialog("Window Specific")
            self.assertEqual("Viewer", s.text(IDC_TITLE_PAIR_TITLE, pair))
            s.close(pair, IDCANCEL)
            for _ in range(2):
                s.select_row(dialog, 0)
                s.click(IDC_DELETE, dialog)
            s.desk.wait_for(lambda: s.rows(dialog) == [], message="every row deleted")
            s.close(dialog, IDOK)
            dialog = s.open_sequences(IDC_GOTO, GOTO_TITLE)
            self.assertEqual([], s.rows(dialog))
            s.close(dialog, IDCANCEL)
            s.click(IDC_FOUND)
            sound = program.wait_dialog(SOUND_FILE)
            s.close(sound, IDOK)
            program.finish(IDCANCEL)
            self.assertEqual(data, program.data())

            # Opened again, the page shows the store as it was before the cancelled edits.
            s = SettingsSession(self, desk, program)
            self.assertFalse(s.checked(IDC_FOUND))
            dialog = s.open_sequences(IDC_GOTO, GOTO_TITLE)
            self.assertEqual(2, len(s.rows(dialog)))
            s.close(dialog, IDCANCEL)
            # Switched on with the dialog's OK and the stored file unchanged.
            s.click(IDC_FOUND)
            s.close(program.wait_dialog(SOUND_FILE), IDOK)
            program.finish(IDOK)
            _, settings = datafile.parse(program.data())
            self.assertEqual([("Notepad", "<ctrl>f<ctrl>"), ("Viewer", "<alt>s<alt>f")],
                             settings.find_sequences)
            self.assertEqual((True, OLD_SOUND), (settings.play_found, settings.found_sound))
            self.assertFalse(settings.play_not_found)

    def test_page_ok_and_cancel_reach_the_tabbed_window(self):
        # Both sounds start on; each is switched off here.
        with WineDesktop("settings-commands") as desk:
            data = starting_data(sounds_on=True)
            program = Program(desk, data)
            s = SettingsSession(self, desk, program)
            self.switch_off(s, IDC_FOUND)
            # Escape with the focus inside the page cancels the whole window.
            desk.key("Escape")
            desk.wait_for(lambda: program.tabbed() is None, message="cancelled by Escape")
            self.assertEqual(data, program.data())

            s = SettingsSession(self, desk, program)
            self.assertTrue(s.checked(IDC_FOUND), "the cancelled switch still off")
            for switch in (IDC_NOT_FOUND, IDC_FOUND):
                self.switch_off(s, switch)
            page = desk.wait_control(s.tabbed, id=IDC_FOUND)["parent"]
            desk.probe.command(page, IDOK)
            desk.wait_for(lambda: program.tabbed() is None, message="confirmed by the page")
            _, settings = datafile.parse(program.data())
            self.assertEqual((False, False), (settings.play_found, settings.play_not_found),
                             "(found, not found) sounds on after switching both off and OK")
            # The files stay for the next time the sounds are switched on.
            self.assertEqual((OLD_SOUND, MISSED_SOUND),
                             (settings.found_sound, settings.not_found_sound))

    def switch_off(self, s, switch):
        """Unchecks a sound switch, which asks nothing."""
        self.assertTrue(s.checked(switch))
        s.click(switch)
        s.desk.wait_for(lambda: not s.checked(switch), message=f"switch {switch} off")
        self.assertIsNone(s.probe.find_window(title=SOUND_FILE, cls="#32770"))
        s.probe.set_foreground(s.tabbed)


if __name__ == "__main__":
    unittest.main()
