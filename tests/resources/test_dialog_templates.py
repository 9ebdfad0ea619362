"""The keyboard rules of every dialog template of both programs (see
dialog_templates.py), and the checker's own eye for the two faults it is for."""

import glob
import os
import unittest

import dialog_templates as dt

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def templates_of(pattern):
    found = []
    for path in sorted(glob.glob(os.path.join(ROOT, "resources", pattern))):
        found += dt.parse_rc(path)
    return found


class DialogTemplates(unittest.TestCase):
    def test_every_window_of_both_programs_is_keyboard_sound(self):
        program = templates_of("*.rc")
        names = {t.name for t in program}
        # Both programs' windows are read, not just some.
        for name in ("IDD_TABBED", "IDD_VOCABULARIES_PAGE", "IDD_KEYWORDS_PAGE",
                     "IDD_KEYWORDS_FOUND", "IDD_KEY_SEQUENCES", "IDD_DESTINATION",
                     "IDD_CONFIRMATION", "IDD_CHANGE_ICON"):
            self.assertIn(name, names)
        self.assertEqual([], dt.window_faults(program))

    def test_finds_a_shared_mnemonic_a_skipped_control_and_a_jump_back(self):
        source = """
IDD_X DIALOG 0, 0, 100, 100
STYLE WS_POPUP
BEGIN
    EDITTEXT 10, 7, 7, 50, 12, ES_AUTOHSCROLL
    PUSHBUTTON "&Add", 11, 7, 40, 40, 14
    PUSHBUTTON "&All", 12, 50, 40, 40, 14
    LISTBOX 13, 7, 60, 80, 20, LBS_NOTIFY
    CONTROL "", 14, "SysListView32", LVS_REPORT | WS_TABSTOP,
            7, 20, 80, 10
    PUSHBUTTON "&Hidden", 15, 7, 90, 40, 14, NOT WS_VISIBLE
    PUSHBUTTON "&Hush", 16, 50, 90, 40, 14
END
"""
        faults = dt.window_faults(dt.parse_rc("x.rc", source))
        self.assertEqual(4, len(faults), faults)
        self.assertIn("mnemonic 'a'", faults[0])
        self.assertIn("Tab skips LISTBOX", faults[1])
        self.assertIn('Tab reaches PUSHBUTTON "&Add" 11 (line 6) before CONTROL', faults[2])
        self.assertIn('Tab reaches PUSHBUTTON "&All" 12 (line 7) before CONTROL', faults[3])

    def test_a_page_shares_the_mnemonics_of_its_host_window(self):
        source = """
IDD_TABBED DIALOG 0, 0, 100, 100
STYLE WS_POPUP
BEGIN
    DEFPUSHBUTTON "&OK", 1, 7, 80, 40, 14
END
IDD_PAGE DIALOG 0, 0, 100, 100
STYLE DS_CONTROL | WS_CHILD
BEGIN
    PUSHBUTTON "D&own", 20, 7, 7, 40, 14
    PUSHBUTTON "&OK", 1, 7, 30, 40, 14, NOT WS_VISIBLE
END
"""
        faults = dt.window_faults(dt.parse_rc("x.rc", source))
        self.assertEqual(1, len(faults), faults)
        self.assertIn("'o' of PUSHBUTTON \"D&own\"", faults[0])


if __name__ == "__main__":
    unittest.main()
