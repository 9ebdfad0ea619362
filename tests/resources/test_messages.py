"""The one icon convention of zfw32's own message boxes: the stop icon when something asked
for did not happen, the information icon for guidance, and the same text always with the
same icon. Reads every message box call in app/, ui/ and reading/."""

import os
import re
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
FOLDERS = ("app", "ui", "reading", "toolkit")
ALLOWED = {"MB_ICONSTOP", "MB_ICONINFORMATION"}
# A call: its text id (if it names one) and every MB_ICON flag up to the closing ");".
CALL = re.compile(r"(?:showMessage|showMessageText|MessageBoxA)\s*\((?P<args>.*?)\)\s*;", re.S)


def calls():
    for folder in FOLDERS:
        for dirpath, _, files in os.walk(os.path.join(ROOT, folder)):
            for name in files:
                if not name.endswith(".cpp"):
                    continue
                path = os.path.join(dirpath, name)
                with open(path, encoding="utf-8") as source:
                    text = source.read()
                for match in CALL.finditer(text):
                    args = match.group("args")
                    if "iconStyle" in args:  # the helpers themselves
                        continue
                    ids = re.findall(r"\bIDS_[A-Z_]+", args)
                    icons = set(re.findall(r"\bMB_ICON[A-Z]+", args))
                    line = text.count("\n", 0, match.start()) + 1
                    yield f"{os.path.relpath(path, ROOT)}:{line}", ids, icons


class IconConventionTest(unittest.TestCase):
    def test_every_box_has_one_allowed_icon_and_a_text_keeps_its_icon(self):
        seen = {}
        found = list(calls())
        self.assertGreater(len(found), 3, "the calls were found")
        for where, ids, icons in found:
            self.assertEqual(1, len(icons), f"{where}: one icon, not {sorted(icons)}")
            icon = icons.pop()
            self.assertIn(icon, ALLOWED, where)
            for text_id in ids:
                if text_id in ("IDS_APP_TITLE",):
                    continue
                first = seen.setdefault(text_id, (icon, where))
                self.assertEqual(first[0], icon, f"{text_id} at {where} and at {first[1]}")


if __name__ == "__main__":
    unittest.main()
